#include "dialogs/pavement_dialog.h"

#include "dialogs/busy_cursor.h"
#include "dialogs/input_dialog_parts.h"
#include "dialogs/option_buttons.h"
#include "dialogs/prompted_input_check.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace korvanex {

frmPvmtStrs::frmPvmtStrs(AnalysisCase& record, UserPrompt& prompt, QWidget* parent)
    : QDialog(parent), record_(initialisedPart(record, RecordPart::Pavement)), prompt_(prompt),
      fields_(record,
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
              this),
      r2_(record, Field::r2, QStringLiteral("gr2"), this),
      mu2_(record, Field::mu2, QStringLiteral("mu2"), this) {
    setObjectName(QStringLiteral("frmPvmtStrs"));
    setWindowTitle(QStringLiteral("Pavement Data"));
    createOptions();
    layOut();
    selectInitialOptions();
    r2_.setShown(false);
    mu2_.setShown(false);
    rememberValues();
}

// The option buttons are put into their frames when the dialog is laid out; only from then on is
// each frame a group of mutually exclusive options.
void frmPvmtStrs::createOptions() {
    const auto create = [this](Option which, const char* name, const QString& caption) {
        options_[which] = new QRadioButton(caption);
        options_[which]->setObjectName(QString::fromLatin1(name));
        connect(options_[which], &QRadioButton::toggled, this, [this] { writeOptionsToRecord(); });
        connect(options_[which], &QRadioButton::clicked, this,
                [this, which] { optionSelected(which, true); });
    };
    create(one, "one", QStringLiteral("One Layer"));
    create(two_bond, "two_bond", QStringLiteral("Two Layer Bonded"));
    create(two_unbond, "two_unbond", QStringLiteral("Two Layer Unbonded"));
    create(OptTiedYes, "OptTiedYes", QStringLiteral("Yes"));
    create(OptTiedNo, "OptTiedNo", QStringLiteral("No"));
    create(OptWidenedYes, "OptWidenedYes", QStringLiteral("Yes"));
    create(OptWidenedNo, "OptWidenedNo", QStringLiteral("No"));
}

void frmPvmtStrs::selectInitialOptions() {
    switch (record_.layer) {
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
    fields_[h2].setShown(record_.layer != LayerType::OneLayer);
    fields_[E2].setShown(record_.layer != LayerType::OneLayer);
    fields_[AGG].setShown(false);
    fields_[d0].setShown(false);
}

void frmPvmtStrs::layOut() {
    auto* slab = new QGridLayout;
    for (CheckedField which : {h1, E1, r1, mu1, L, W, k}) {
        fields_[which].addToGrid(*slab, which);
    }
    const int rows = static_cast<int>(fields_.size());
    r2_.addToGrid(*slab, rows);
    mu2_.addToGrid(*slab, rows + 1);
    slab->setRowStretch(rows + 2, 1);

    auto* layer = new QGroupBox(QStringLiteral("Layer"), this);
    layer->setObjectName(QStringLiteral("Frame1"));
    auto* layerGrid = new QGridLayout(layer);
    layerGrid->addWidget(option(one), 0, 0, 1, 2);
    layerGrid->addWidget(option(two_bond), 1, 0, 1, 2);
    layerGrid->addWidget(option(two_unbond), 2, 0, 1, 2);
    fields_[h2].addToGrid(*layerGrid, 3);
    fields_[E2].addToGrid(*layerGrid, 4);

    auto* tied = new QGroupBox(QStringLiteral("Tied Concrete Shoulder"), this);
    tied->setObjectName(QStringLiteral("Frame2"));
    auto* tiedGrid = new QGridLayout(tied);
    tiedGrid->addWidget(option(OptTiedYes), 0, 0);
    tiedGrid->addWidget(option(OptTiedNo), 0, 1);
    fields_[AGG].addToGrid(*tiedGrid, 1);

    auto* widened = new QGroupBox(QStringLiteral("Widened Outer Lane"), this);
    widened->setObjectName(QStringLiteral("Frame3"));
    auto* widenedGrid = new QGridLayout(widened);
    widenedGrid->addWidget(option(OptWidenedYes), 0, 0);
    widenedGrid->addWidget(option(OptWidenedNo), 0, 1);
    fields_[d0].addToGrid(*widenedGrid, 1);

    auto* frames = new QVBoxLayout;
    frames->addWidget(layer);
    frames->addWidget(tied);
    frames->addWidget(widened);
    frames->addStretch();

    QHBoxLayout* buttons = okCancelRow(
        this, [this] { ok(); }, [this] { cancel(); });

    auto* columns = new QHBoxLayout;
    columns->addLayout(slab);
    columns->addLayout(frames);
    auto* page = new QVBoxLayout(this);
    page->addLayout(columns);
    page->addLayout(buttons);
    page->setSizeConstraint(QLayout::SetFixedSize);
}

void frmPvmtStrs::showRecord() {
    fields_.showRecord();
    r2_.showRecord();
    mu2_.showRecord();
}

void frmPvmtStrs::selectLayer(LayerType layer) {
    const Option which = layer == LayerType::OneLayer         ? one
                         : layer == LayerType::TwoLayerBonded ? two_bond
                                                              : two_unbond;
    option(which)->setChecked(true);
    optionSelected(which, true);
}

bool frmPvmtStrs::event(QEvent* event) {
    if (activation_.isUserActivation(event, this)) {
        rememberValues();
    }
    return QDialog::event(event);
}

// The fields an option governs follow it; an option selected while the dialog is closed (by the case
// file reader) opens the dialog, except while Cancel puts the remembered options back.
void frmPvmtStrs::optionSelected(Option which, bool opensDialog) {
    switch (which) {
    case one:
    case two_bond:
    case two_unbond:
        fields_[h2].setShown(which != one);
        fields_[E2].setShown(which != one);
        break;
    case OptTiedYes:
    case OptTiedNo:
        fields_[AGG].setShown(which == OptTiedYes);
        break;
    case OptWidenedYes:
    case OptWidenedNo:
        fields_[d0].setShown(which == OptWidenedYes);
        break;
    case OptionCount:
        break;
    }
    if (opensDialog && !isVisible()) {
        show();
    }
}

void frmPvmtStrs::putBackSelection(Option which) {
    if (rememberedSelections_[which]) {
        option(which)->setChecked(true);
        optionSelected(which, false);
    } else {
        clearOption(option(which));
    }
}

// The file writer and the analysis take the first selected layer in this order, and a shoulder or a
// lane counts only when its Yes is selected.
void frmPvmtStrs::writeOptionsToRecord() {
    if (option(one)->isChecked()) {
        record_.layer = LayerType::OneLayer;
    } else if (option(two_unbond)->isChecked()) {
        record_.layer = LayerType::TwoLayerUnbonded;
    } else {
        record_.layer = LayerType::TwoLayerBonded;
    }
    record_.tiedShoulder = option(OptTiedYes)->isChecked();
    record_.widenedLane = option(OptWidenedYes)->isChecked();
}

void frmPvmtStrs::rememberValues() {
    fields_.remember();
    for (int which = 0; which < OptionCount; ++which) {
        rememberedSelections_[which] = options_[which]->isChecked();
    }
}

// OK refreshes the remembered layer and the two Yes options, accepted or not, but never the No options.
void frmPvmtStrs::rememberLayerAndYesOptions() {
    for (Option which : {one, two_unbond, two_bond, OptTiedYes, OptWidenedYes}) {
        rememberedSelections_[which] = option(which)->isChecked();
    }
}

// Only the fields the options show are checked; a hidden field keeps its text as it is.
void frmPvmtStrs::ok() {
    BusyCursor busy;
    PromptedInputCheck ask(prompt_, this);
    if (fields_.checkShownFields(ask)) {
        fields_.remember();
        hide();
    } else {
        fields_.restore();
    }
    rememberLayerAndYesOptions();
}

void frmPvmtStrs::cancel() {
    BusyCursor busy;
    hide();
    for (Option which : {one, two_unbond, two_bond, OptTiedYes, OptTiedNo, OptWidenedYes, OptWidenedNo}) {
        putBackSelection(which);
    }
    fields_.restore();
}

} // namespace korvanex
