#include "case/analysis_case.h"
#include "engine/analysis_driver.h"

#include <gtest/gtest.h>

#include <cmath>
#include <utility>

using namespace korvanex;

// The load radius: half the 18000 lb axle shared among the tires of one side at 100 psi, a = sqrt(9000 /
// (100 n pi)); 5.35 in for one tire, 2.68 in for each of four.
TEST(AnalysisDriver, LoadRadiusSharesHalfTheAxleAmongTheTiresOfOneSide) {
    const std::pair<GearConfiguration, double> radii[] = {
        {GearConfiguration::SingleSingle, 5.35237}, {GearConfiguration::SingleTandem, 3.78470},
        {GearConfiguration::SingleTridem, 3.09019}, {GearConfiguration::DualSingle, 3.78470},
        {GearConfiguration::DualTandem, 2.67619},   {GearConfiguration::DualTridem, 2.18510},
    };
    for (const auto& [gear, radius] : radii) {
        AnalysisCase record = AnalysisCase::defaults(UnitSystem::English);
        record.location = WheelLocation::Interior;
        record.gear = gear;
        AnalysisResults results;
        AnalysisDriver(record, results);
        EXPECT_NEAR(results.a_l * results.l, radius, 0.000005) << gearName(gear);
    }
}
