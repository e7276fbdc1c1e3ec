// SPDX-License-Identifier: Apache-2.0
// The case-file reader: a file that loads writes back to the same record, and a file that does not
// load leaves the record as it was.

#include "case/analysis_case.h"
#include "fuzz_property.h"
#include "io/case_file.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace korvanex::fuzz {
namespace {

bool sameRecord(const AnalysisCase& a, const AnalysisCase& b) {
    for (std::size_t index = 0; index < FieldCount; ++index) {
        const auto field = static_cast<Field>(index);
        if (a.text(field) != b.text(field) || a.caption(field) != b.caption(field)) {
            return false;
        }
    }
    return a.units == b.units && a.location == b.location && a.gear == b.gear && a.layer == b.layer &&
           a.tiedShoulder == b.tiedShoulder && a.widenedLane == b.widenedLane;
}

// The record as it stands after an earlier read in its unit system: a file without a unit marker
// then keeps the captions that a rewritten file, which always has one, sets again.
AnalysisCase recordBeforeRead(UnitSystem units, LayerType layer) {
    AnalysisCase record = AnalysisCase::defaults(units);
    setFileCaptions(record, units);
    record.layer = layer;
    record.tiedShoulder = true;
    return record;
}

void checkRead(std::string_view bytes, const AnalysisCase& before) {
    AnalysisCase record = before;
    const CaseFileReadResult result = parseCaseFile(bytes, record);
    if (result.status != CaseFileReadResult::Status::Loaded) {
        require(sameRecord(record, before), "a file that does not load leaves the record unchanged");
        require(!result.message.empty(), "a file that does not load says why");
        return;
    }
    if (result.oneLayerFile) {
        require(*result.oneLayerFile == (record.layer == LayerType::OneLayer),
                "the layer attribute follows the layer read");
    }
    for (std::size_t index = 0; index < FieldCount; ++index) {
        require(record.text(static_cast<Field>(index)).find_first_of("\r\n") == std::string::npos,
                "a field text read from a line holds no line end");
    }

    const std::string written = caseFileText(record);
    AnalysisCase reread = before;
    const CaseFileReadResult again = parseCaseFile(written, reread);
    require(again.status == CaseFileReadResult::Status::Loaded, "a written file loads");
    require(again.oneLayerFile == (record.layer == LayerType::OneLayer), "a written file names its layer");
    require(sameRecord(reread, record), "a loaded record writes back to the same record");
}

} // namespace
} // namespace korvanex::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace korvanex;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    fuzz::checkRead(bytes, fuzz::recordBeforeRead(UnitSystem::English, LayerType::TwoLayerBonded));
    fuzz::checkRead(bytes, fuzz::recordBeforeRead(UnitSystem::Metric, LayerType::OneLayer));
    return 0;
}
