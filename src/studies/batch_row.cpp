#include "studies/batch_row.h"

#include <utility>

namespace korvanex {

BatchRowCases::BatchRowCases(std::vector<const CaseColumn*> columns)
    : columns_(std::move(columns)), english_(AnalysisCase::defaults(UnitSystem::English)),
      metric_(AnalysisCase::defaults(UnitSystem::Metric)), englishNumbers_(readFieldNumbers(english_)),
      metricNumbers_(readFieldNumbers(metric_)) {}

std::string BatchRowCases::build(std::vector<std::string>& cells, AnalysisCase& record,
                                 FieldNumbers& numbers) const {
    if (cells.size() != columns_.size()) {
        std::string what =
            std::to_string(cells.size()) + " cells where the header has " + std::to_string(columns_.size());
        cells.resize(columns_.size());
        return what;
    }
    UnitSystem units = UnitSystem::English;
    if (std::string error = readRowUnits(columns_, cells, units); !error.empty()) {
        return error;
    }
    const bool metric = units == UnitSystem::Metric;
    // Assigning over the previous row's record reuses its storage.
    record = metric ? metric_ : english_;
    if (std::string error = applyCaseCells(columns_, cells, record); !error.empty()) {
        return error;
    }
    numbers = metric ? metricNumbers_ : englishNumbers_;
    for (std::size_t position = 0; position < columns_.size(); ++position) {
        const CaseColumn* column = columns_[position];
        if (column != nullptr && column->kind == CaseColumn::Kind::Number) {
            const Field field = column->field;
            numbers[static_cast<std::size_t>(field)] = readFieldNumber(record.text(field));
        }
    }
    return {};
}

} // namespace korvanex
