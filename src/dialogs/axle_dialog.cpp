// SPDX-License-Identifier: Apache-2.0
#include "dialogs/axle_dialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace korvanex {

namespace {

// The option beside a value in a table of options and values.
template <class Table, class Value> auto optionOf(const Table& table, Value value) {
    return std::find_if(table.begin(), table.end(),
                        [value](const auto& entry) { return entry.second == value; })
        ->first;
}

// The value of the first option of a table that is selected; with none selected, the last value.
template <class Table, class IsSelected> auto selectedValue(const Table& table, IsSelected isSelected) {
    const auto chosen = std::find_if(table.begin(), table.end(),
                                     [&isSelected](const auto& entry) { return isSelected(entry.first); });
    return chosen == table.end() ? table.back().second : chosen->second;
}

} // namespace

frmWheel::frmWheel(AnalysisCase& record, UserPrompt& prompt, QWidget* parent)
    : InputDialog(record, RecordPart::Axle, prompt,
                  {
                      {Field::P, QStringLiteral("P")},
                      {Field::tp, QStringLiteral("tp")},
                      {Field::S, QStringLiteral("S")},
                      {Field::t, QStringLiteral("t")},
                      {Field::d, QStringLiteral("d")},
                  },
                  {
                      {"edge_loc", QStringLiteral("Edge")},
                      {"corner_loc", QStringLiteral("Corner")},
                      {"interior_loc", QStringLiteral("Interior")},
                      {"one_one", QStringLiteral("Single-Single")},
                      {"one_two", QStringLiteral("Single-Tandem")},
                      {"one_three", QStringLiteral("Single-Tridem")},
                      {"two_one", QStringLiteral("Dual-Single")},
                      {"two_two", QStringLiteral("Dual-Tandem")},
                      {"two_three", QStringLiteral("Dual-Tridem")},
                  },
                  parent) {
    setObjectName(QStringLiteral("frmWheel"));
    setWindowTitle(QStringLiteral("Axle Load Characteristics"));
    layOut(layOutContent());
    showRecord();
    rememberValues();
}

QLayout* frmWheel::layOutContent() {
    auto* values = new QGridLayout;
    const int rows = static_cast<int>(fields().size());
    for (int which = 0; which < rows; ++which) {
        fields()[which].addToGrid(*values, which);
    }
    values->setRowStretch(rows, 1);

    auto* location = new QGroupBox(QStringLiteral("Location of Wheel Loads"), this);
    location->setObjectName(QStringLiteral("Frame1"));
    auto* locationColumn = new QVBoxLayout(location);
    for (Option which : {interior_loc, edge_loc, corner_loc}) {
        locationColumn->addWidget(option(which));
    }

    auto* gear = new QGroupBox(QStringLiteral("Gear Configuration (Wheel-Axle)"), this);
    gear->setObjectName(QStringLiteral("Frame2"));
    auto* gearGrid = new QGridLayout(gear);
    gearGrid->addWidget(option(one_one), 0, 0);
    gearGrid->addWidget(option(one_two), 1, 0);
    gearGrid->addWidget(option(one_three), 2, 0);
    gearGrid->addWidget(option(two_one), 0, 1);
    gearGrid->addWidget(option(two_two), 1, 1);
    gearGrid->addWidget(option(two_three), 2, 1);

    auto* frames = new QVBoxLayout;
    frames->addWidget(location);
    frames->addWidget(gear);
    frames->addStretch();

    auto* columns = new QHBoxLayout;
    columns->addLayout(values);
    columns->addLayout(frames);
    return columns;
}

void frmWheel::showRecord() {
    // Every option selected writes all options back into the record: take both before selecting.
    const WheelLocation location = record().location;
    const GearConfiguration gear = record().gear;
    InputDialog::showRecord();
    selectOption(optionOf(Locations, location));
    selectOption(optionOf(Gears, gear));
}

// The dual gears use the spacing in dual wheels, the tandem and tridem gears the longitudinal spacing;
// the location options govern no field.
void frmWheel::followOption(int which) {
    if (which == edge_loc || which == corner_loc || which == interior_loc) {
        return;
    }
    const bool dual = which == two_one || which == two_two || which == two_three;
    const bool longitudinal =
        which == one_two || which == one_three || which == two_two || which == two_three;
    fields()[S].setShown(dual);
    fields()[t].setShown(longitudinal);
}

// The file writer and the analysis take the first selected option of each frame in the order of the
// tables.
void frmWheel::writeOptionsToRecord() {
    const auto isSelected = [this](Option which) { return option(which)->isChecked(); };
    record().location = selectedValue(Locations, isSelected);
    record().gear = selectedValue(Gears, isSelected);
}

} // namespace korvanex
