// SPDX-License-Identifier: Apache-2.0
#include "studies/truck_traffic.h"

#include <cmath>

namespace korvanex {

namespace {

bool positive(double value) {
    return value > 0;
}

bool growthRate(double percent) {
    return percent >= 0 && percent <= 100;
}

bool designLife(double years) {
    return years >= 1 && years <= 100 && std::trunc(years) == years;
}

bool share(double percent) {
    return percent > 0 && percent <= 100;
}

constexpr std::string_view ShareRequirement = "a number greater than 0 and at most 100";

const TrafficInput inputTable[] = {
    {&TrafficSettings::adtt, "a number greater than 0", positive},
    {&TrafficSettings::growthPercent, "a number from 0 to 100", growthRate},
    {&TrafficSettings::designLifeYears, "a whole number from 1 to 100", designLife},
    {&TrafficSettings::directionalPercent, ShareRequirement, share},
    {&TrafficSettings::lanePercent, ShareRequirement, share},
};

} // namespace

std::span<const TrafficInput> trafficInputs() {
    return inputTable;
}

// The growth factor of the total traffic over an analysis period of Y years whose first year carries
// the current traffic and each later year g more than the one before (AASHTO Guide for Design of
// Pavement Structures, 1993, Appendix D, "Traffic Growth Factors": ((1 + g)^n - 1) / g, equal to the
// analysis period when g is zero). (1 + g)^Y - 1 is formed as expm1(Y log1p(g)), so that a small
// growth does not lose its digits to the subtraction.
double growthFactor(const TrafficSettings& traffic) {
    const double growth = traffic.growthPercent / 100;
    if (growth == 0) {
        return traffic.designLifeYears;
    }
    return std::expm1(traffic.designLifeYears * std::log1p(growth)) / growth;
}

// The axle groups of a row over the design life in the design lane, as the PCA thickness design
// method counts them (Portland Cement Association, "Thickness Design for Concrete Highway and Street
// Pavements", 1984: axles per 1,000 trucks times the trucks of the design period in the design
// direction and lane), with the total traffic of the period grown by G. The thousand and the two
// percentages divide once, at the end, so that round figures give a round count (866.875, not
// 866.8749999999999, for 0.19 per 1,000 trucks of 1,000 a day over 25 years without growth).
double designRepetitions(double perThousandTrucks, const TrafficSettings& traffic) {
    return perThousandTrucks * traffic.adtt * 365 * growthFactor(traffic) * traffic.directionalPercent *
           traffic.lanePercent / 1e7;
}

} // namespace korvanex
