#include "dialogs/axle_dialog.h"

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

#include <algorithm>
#include <utility>

namespace korvanex {

frmWheel::frmWheel(AnalysisCase& record, UserPrompt& prompt, QWidget* parent)
    : QDialog(parent), record_(initialisedPart(record, RecordPart::Axle)), prompt_(prompt),
      fields_(record,
              {
                  {Field::P, QStringLiteral("P")},
                  {Field::tp, QStringLiteral("tp")},
                  {Field::S, QStringLiteral("S")},
                  {Field::t, QStringLiteral("t")},
                  {Field::d, QStringLiteral("d")},
              },
              this) {
    setObjectName(QStringLiteral("frmWheel"));
    setWindowTitle(QStringLiteral("Axle Load Characteristics"));
    createOptions();
    layOut();
    showRecord();
    rememberValues();
}

// The option buttons are put into their frames when the dialog is laid out; only from then on is
// each frame a group of mutually exclusive options.
void frmWheel::createOptions() {
    const auto create = [this](Option which, const char* name, const QString& caption) {
        options_[which] = new QRadioButton(caption);
        options_[which]->setObjectName(QString::fromLatin1(name));
        connect(options_[which], &QRadioButton::toggled, this, [this] { writeOptionsToRecord(); });
    };
    create(interior_loc, "interior_loc", QStringLiteral("Interior"));
    create(edge_loc, "edge_loc", QStringLiteral("Edge"));
    create(corner_loc, "corner_loc", QStringLiteral("Corner"));
    create(one_one, "one_one", QStringLiteral("Single-Single"));
    create(one_two, "one_two", QStringLiteral("Single-Tandem"));
    create(one_three, "one_three", QStringLiteral("Single-Tridem"));
    create(two_one, "two_one", QStringLiteral("Dual-Single"));
    create(two_two, "two_two", QStringLiteral("Dual-Tandem"));
    create(two_three, "two_three", QStringLiteral("Dual-Tridem"));
    for (Option gear : {one_one, one_two, one_three, two_one, two_two, two_three}) {
        connect(options_[gear], &QRadioButton::clicked, this, [this, gear] { gearSelected(gear); });
    }
}

void frmWheel::layOut() {
    auto* values = new QGridLayout;
    const int rows = static_cast<int>(fields_.size());
    for (int which = 0; which < rows; ++which) {
        fields_[which].addToGrid(*values, which);
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

    QHBoxLayout* buttons = okCancelRow(
        this, [this] { ok(); }, [this] { cancel(); });

    auto* columns = new QHBoxLayout;
    columns->addLayout(values);
    columns->addLayout(frames);
    auto* page = new QVBoxLayout(this);
    page->addLayout(columns);
    page->addLayout(buttons);
    page->setSizeConstraint(QLayout::SetFixedSize);
}

void frmWheel::showRecord() {
    // Every option selected writes all options back into the record: take both before selecting.
    const WheelLocation location = record_.location;
    const GearConfiguration gear = record_.gear;
    fields_.showRecord();
    switch (location) {
    case WheelLocation::Interior:
        option(interior_loc)->setChecked(true);
        break;
    case WheelLocation::Edge:
        option(edge_loc)->setChecked(true);
        break;
    case WheelLocation::Corner:
        option(corner_loc)->setChecked(true);
        break;
    }
    switch (gear) {
    case GearConfiguration::SingleSingle:
        selectOption(one_one);
        break;
    case GearConfiguration::SingleTandem:
        selectOption(one_two);
        break;
    case GearConfiguration::SingleTridem:
        selectOption(one_three);
        break;
    case GearConfiguration::DualSingle:
        selectOption(two_one);
        break;
    case GearConfiguration::DualTandem:
        selectOption(two_two);
        break;
    case GearConfiguration::DualTridem:
        selectOption(two_three);
        break;
    }
}

bool frmWheel::event(QEvent* event) {
    if (activation_.isUserActivation(event, this)) {
        rememberValues();
    }
    return QDialog::event(event);
}

// Selects an option as a click would; the location options have no handler of their own.
void frmWheel::selectOption(Option which) {
    option(which)->setChecked(true);
    if (which != edge_loc && which != corner_loc && which != interior_loc) {
        gearSelected(which);
    }
}

// The dual gears use the spacing in dual wheels, the tandem and tridem gears the longitudinal spacing.
void frmWheel::gearSelected(Option which) {
    const bool dual = which == two_one || which == two_two || which == two_three;
    const bool longitudinal =
        which == one_two || which == one_three || which == two_two || which == two_three;
    fields_[S].setShown(dual);
    fields_[t].setShown(longitudinal);
}

// The file writer and the analysis take the options in this order.
void frmWheel::writeOptionsToRecord() {
    if (option(edge_loc)->isChecked()) {
        record_.location = WheelLocation::Edge;
    } else if (option(corner_loc)->isChecked()) {
        record_.location = WheelLocation::Corner;
    } else {
        record_.location = WheelLocation::Interior;
    }
    const std::array<std::pair<Option, GearConfiguration>, 5> gears = {{
        {one_one, GearConfiguration::SingleSingle},
        {one_two, GearConfiguration::SingleTandem},
        {one_three, GearConfiguration::SingleTridem},
        {two_one, GearConfiguration::DualSingle},
        {two_two, GearConfiguration::DualTandem},
    }};
    const auto chosen = std::find_if(gears.begin(), gears.end(),
                                     [this](const auto& gear) { return option(gear.first)->isChecked(); });
    record_.gear = chosen == gears.end() ? GearConfiguration::DualTridem : chosen->second;
}

void frmWheel::rememberValues() {
    fields_.remember();
    for (int which = 0; which < OptionCount; ++which) {
        rememberedSelections_[which] = options_[which]->isChecked();
    }
}

// Only the fields the gear shows are checked; a hidden spacing keeps its text as it is.
void frmWheel::ok() {
    BusyCursor busy;
    PromptedInputCheck ask(prompt_, this);
    if (!fields_.checkShownFields(ask)) {
        fields_.restore();
        return;
    }
    rememberValues();
    hide();
}

void frmWheel::cancel() {
    BusyCursor busy;
    hide();
    for (int which = 0; which < OptionCount; ++which) {
        const Option remembered = static_cast<Option>(which);
        if (rememberedSelections_[which]) {
            selectOption(remembered);
        } else {
            clearOption(option(remembered));
        }
    }
    fields_.restore();
}

} // namespace korvanex
