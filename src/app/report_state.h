// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "case/analysis_case.h"

#include <optional>

namespace korvanex {

// Whether the report on screen belongs to the case as it stands: there is none before the first
// Compute; it is current right after one, and out of date while the case differs from the case it
// was computed from.
class ReportState {
  public:
    enum class State { None, Current, OutOfDate };

    // A Compute wrote the report of the case.
    void computed(const AnalysisCase& record);
    // The case may have changed; the state it leaves the report in.
    State follow(const AnalysisCase& record);

    State state() const { return state_; }

  private:
    std::optional<AnalysisCase> computed_;
    State state_ = State::None;
};

} // namespace korvanex
