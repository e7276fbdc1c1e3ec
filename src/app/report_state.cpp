// SPDX-License-Identifier: Apache-2.0
#include "app/report_state.h"

namespace korvanex {

void ReportState::computed(const AnalysisCase& record) {
    computed_ = record;
    state_ = State::Current;
}

ReportState::State ReportState::follow(const AnalysisCase& record) {
    if (computed_) {
        state_ = *computed_ == record ? State::Current : State::OutOfDate;
    }
    return state_;
}

} // namespace korvanex
