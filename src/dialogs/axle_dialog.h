// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "dialogs/input_dialog.h"

#include <array>
#include <utility>

namespace korvanex {

// The axle load dialog: load, tire pressure, wheel spacings, wheel location and gear configuration.
class frmWheel : public InputDialog {
    Q_OBJECT

  public:
    frmWheel(AnalysisCase& record, UserPrompt& prompt, QWidget* parent);

    // Captions, texts, location and gear as the record holds them after a case file replaced them.
    void showRecord() override;

  private:
    // The fields in the order OK checks them.
    enum CheckedField { P, tp, S, t, d };
    // The option buttons, in the order Cancel puts them back.
    enum Option {
        edge_loc,
        corner_loc,
        interior_loc,
        one_one,
        one_two,
        one_three,
        two_one,
        two_two,
        two_three
    };

    // Each location and gear beside its option.
    static constexpr std::array<std::pair<Option, WheelLocation>, 3> Locations = {{
        {edge_loc, WheelLocation::Edge},
        {corner_loc, WheelLocation::Corner},
        {interior_loc, WheelLocation::Interior},
    }};
    static constexpr std::array<std::pair<Option, GearConfiguration>, 6> Gears = {{
        {one_one, GearConfiguration::SingleSingle},
        {one_two, GearConfiguration::SingleTandem},
        {one_three, GearConfiguration::SingleTridem},
        {two_one, GearConfiguration::DualSingle},
        {two_two, GearConfiguration::DualTandem},
        {two_three, GearConfiguration::DualTridem},
    }};

    QLayout* layOutContent();
    void writeOptionsToRecord() override;
    void followOption(int which) override;
};

} // namespace korvanex
