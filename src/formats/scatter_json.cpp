// SPDX-License-Identifier: Apache-2.0
#include "formats/scatter_json.h"

namespace korvanex {

Json scatterJson(const ReliabilitySettings& settings) {
    Json json = Json::object();
    for (const auto& [word, input] : ScatterInputWords) {
        const Scatter& scatter = settings.of(input);
        if (scatter.cov > 0) {
            json[std::string(word)] = {
                {"cov", scatter.cov},
                {"distribution", wordOf(ScatterDistributionWords, scatter.distribution)}};
        }
    }
    return json;
}

} // namespace korvanex
