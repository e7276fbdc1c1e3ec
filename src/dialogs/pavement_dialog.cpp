// SPDX-License-Identifier: Apache-2.0
#include "dialogs/pavement_dialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

namespace korvanex {

frmPvmtStrs::frmPvmtStrs(AnalysisCase& record, UserPrompt& prompt, QWidget* parent)
    : InputDialog(record, RecordPart::Pavement, prompt,
                  {
                      {Field::h1, QStringLiteral("h1")},
                      {Field::E1, QStringLiteral("E1")},
                      {Field::r1, QStringLiteral("gr1")},
                      {Field::mu1, QStringLiteral("mu1")},
                      {Field::L, QStringLiteral("L")},
                      {Field::W, QStringLiteral("W")},
                      {Field::k, QStringLiteral("k")},
                      {Field::h2, QStringLiteral("h2")},
                      {Field::E2, QStringLiteral("E2")},
                      {Field::d0, QStringLiteral("D0")},
                      {Field::AGG, QStringLiteral("AGG")},
                  },
                  {
                      {"one", QStringLiteral("One Layer")},
                      {"two_unbond", QStringLiteral("Two Layer Unbonded")},
                      {"two_bond", QStringLiteral("Two Layer Bonded")},
                      {"OptTiedYes", QStringLiteral("Yes")},
                      {"OptTiedNo", QStringLiteral("No")},
                      {"OptWidenedYes", QStringLiteral("Yes")},
                      {"OptWidenedNo", QStringLiteral("No")},
                  },
                  parent),
      r2_(record, Field::r2, QStringLiteral("gr2"), this),
      mu2_(record, Field::mu2, QStringLiteral("mu2"), this) {
    setObjectName(QStringLiteral("frmPvmtStrs"));
    setWindowTitle(QStringLiteral("Pavement Data"));
    layOut(layOutContent());
    selectInitialOptions();
    r2_.setShown(false);
    mu2_.setShown(false);
    rememberValues();
}

void frmPvmtStrs::selectInitialOptions() {
    switch (record().layer) {
    case LayerType::OneLayer:
        option(one)->setChecked(true);
        break;
    case LayerType::TwoLayerBonded:
        option(two_bond)->setChecked(true);
        break;
    case LayerType::TwoLayerUnbonded:
        option(two_unbond)->setChecked(true);
        break;
    }
    option(OptTiedNo)->setChecked(true);
    option(OptWidenedNo)->setChecked(true);
    fields()[h2].setShown(record().layer != LayerType::OneLayer);
    fields()[E2].setShown(record().layer != LayerType::OneLayer);
    fields()[AGG].setShown(false);
    fields()[d0].setShown(false);
}

QLayout* frmPvmtStrs::layOutContent() {
    auto* slab = new QGridLayout;
    for (CheckedField which : {h1, E1, r1, mu1, L, W, k}) {
        fields()[which].addToGrid(*slab, which);
    }
    const int rows = static_cast<int>(fields().size());
    r2_.addToGrid(*slab, rows);
    mu2_.addToGrid(*slab, rows + 1);
    slab->setRowStretch(rows + 2, 1);

    auto* layer = new QGroupBox(QStringLiteral("Layer"), this);
    layer->setObjectName(QStringLiteral("Frame1"));
    auto* layerGrid = new QGridLayout(layer);
    layerGrid->addWidget(option(one), 0, 0, 1, 2);
    layerGrid->addWidget(option(two_bond), 1, 0, 1, 2);
    layerGrid->addWidget(option(two_unbond), 2, 0, 1, 2);
    fields()[h2].addToGrid(*layerGrid, 3);
    fields()[E2].addToGrid(*layerGrid, 4);

    QGroupBox* tied =
        yesNoFrame("Frame2", QStringLiteral("Tied Concrete Shoulder"), OptTiedYes, OptTiedNo, AGG);
    QGroupBox* widened =
        yesNoFrame("Frame3", QStringLiteral("Widened Outer Lane"), OptWidenedYes, OptWidenedNo, d0);

    auto* frames = new QVBoxLayout;
    frames->addWidget(layer);
    frames->addWidget(tied);
    frames->addWidget(widened);
    frames->addStretch();

    auto* columns = new QHBoxLayout;
    columns->addLayout(slab);
    columns->addLayout(frames);
    return columns;
}

QGroupBox* frmPvmtStrs::yesNoFrame(const char* name, const QString& title, Option yes, Option no,
                                   CheckedField shownByYes) {
    auto* frame = new QGroupBox(title, this);
    frame->setObjectName(QString::fromLatin1(name));
    auto* grid = new QGridLayout(frame);
    grid->addWidget(option(yes), 0, 0);
    grid->addWidget(option(no), 0, 1);
    fields()[shownByYes].addToGrid(*grid, 1);
    return frame;
}

void frmPvmtStrs::showRecord() {
    InputDialog::showRecord();
    r2_.showRecord();
    mu2_.showRecord();
}

frmPvmtStrs::Option frmPvmtStrs::layerOption(LayerType layer) {
    return layer == LayerType::OneLayer ? one : layer == LayerType::TwoLayerBonded ? two_bond : two_unbond;
}

void frmPvmtStrs::selectLayer(LayerType layer) {
    const Option which = layerOption(layer);
    option(which)->setChecked(true);
    optionClicked(which);
}

// Every option selected writes all options back into the record: take the three before selecting.
void frmPvmtStrs::showOptions() {
    const LayerType layer = record().layer;
    const bool tiedShoulder = record().tiedShoulder;
    const bool widenedLane = record().widenedLane;
    selectOption(layerOption(layer));
    selectOption(tiedShoulder ? OptTiedYes : OptTiedNo);
    selectOption(widenedLane ? OptWidenedYes : OptWidenedNo);
}

void frmPvmtStrs::followOption(int which) {
    switch (which) {
    case one:
    case two_bond:
    case two_unbond:
        fields()[h2].setShown(which != one);
        fields()[E2].setShown(which != one);
        break;
    case OptTiedYes:
    case OptTiedNo:
        fields()[AGG].setShown(which == OptTiedYes);
        break;
    case OptWidenedYes:
    case OptWidenedNo:
        fields()[d0].setShown(which == OptWidenedYes);
        break;
    }
}

// An option selected while the dialog is closed (by the case file reader) opens the dialog; Cancel
// putting the remembered options back does not.
void frmPvmtStrs::optionClicked(int which) {
    followOption(which);
    if (!isVisible()) {
        show();
    }
}

// The file writer and the analysis take the first selected layer in this order, and a shoulder or a
// lane counts only when its Yes is selected.
void frmPvmtStrs::writeOptionsToRecord() {
    AnalysisCase& record = this->record();
    if (option(one)->isChecked()) {
        record.layer = LayerType::OneLayer;
    } else if (option(two_unbond)->isChecked()) {
        record.layer = LayerType::TwoLayerUnbonded;
    } else {
        record.layer = LayerType::TwoLayerBonded;
    }
    record.tiedShoulder = option(OptTiedYes)->isChecked();
    record.widenedLane = option(OptWidenedYes)->isChecked();
}

// OK remembers the layer and the two Yes options, accepted or not, but never the No options.
void frmPvmtStrs::rememberOptionsOnOk(bool) {
    for (Option which : {one, two_unbond, two_bond, OptTiedYes, OptWidenedYes}) {
        rememberOption(which);
    }
}

} // namespace korvanex
