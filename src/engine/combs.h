// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "case/analysis_case.h"
#include "engine/analysis_results.h"

#include <functional>

namespace korvanex {

// The fitted models of one wheel location as the composition calls them. Each takes the ratio fields
// it reads, may clamp them in place, and returns its factor.
struct LocationModels {
    using PairModel = std::function<float(float&, float&)>;
    PairModel dual, tandem, tridem, tied, widen;
    std::function<float(float&, float&, float&)> size;
    std::function<float(AnalysisResults&)> sizeWithLossOfSupport, curl;
};

// The second step of a computation: multiplies the Westergaard stress of the wheel location by the
// factors of that location's fitted models and adds the curling contribution. The models clamp the
// ratio fields in place, in the order of the calls. Throws FloatingPointFault when a product overflows.
void combs(const AnalysisCase& record, AnalysisResults& results);
// The same composition over the given models in place of the location's own.
void combs(const AnalysisCase& record, const LocationModels& models, AnalysisResults& results);

} // namespace korvanex
