// SPDX-License-Identifier: Apache-2.0
#include "engine/tire_layout.h"

namespace korvanex {

std::vector<PlanPoint> tireCentres(const AnalysisCase& record, const ComputationInputs& in, double a) {
    const bool dual = isDual(record.gear);
    const int axles = axleCount(record.gear);
    const double groupWidth = dual ? in.S : 0.0;
    const double axleSpan = (axles - 1) * static_cast<double>(in.t);

    double outerGroupCentre = 0;
    double firstAxle = 0;
    if (record.location == WheelLocation::Interior) {
        outerGroupCentre = in.W / 2.0 + in.d / 2.0;
        firstAxle = in.L / 2.0 - axleSpan / 2;
    } else {
        const double offset = record.widenedLane ? in.d0 : 0.0;
        outerGroupCentre = in.W - offset - a - groupWidth / 2;
        firstAxle = record.location == WheelLocation::Corner ? a : in.L / 2.0 - axleSpan / 2;
    }

    std::vector<PlanPoint> centres;
    for (double groupCentre : {outerGroupCentre, outerGroupCentre - in.d}) {
        for (int axle = 0; axle < axles; ++axle) {
            const double x = firstAxle + axle * static_cast<double>(in.t);
            centres.push_back({x, groupCentre + groupWidth / 2});
            if (dual) {
                centres.push_back({x, groupCentre - groupWidth / 2});
            }
        }
    }
    return centres;
}

} // namespace korvanex
