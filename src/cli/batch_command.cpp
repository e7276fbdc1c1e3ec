// SPDX-License-Identifier: Apache-2.0
#include "cli/batch_command.h"

#include "cli/command_output.h"
#include "formats/batch_lines.h"
#include "io/file_access.h"
#include "studies/batch.h"

#include <fstream>

namespace korvanex::cli {

int batchCommand(const CliOptions& options) {
    const std::string& path = *options.csvPath;
    std::ifstream in;
    if (std::string error = openInputFile(path, in); !error.empty()) {
        return fail(error);
    }
    return writeCommandOutput(options, [&](std::ostream& out) {
        const std::string error = runBatch(in, out, BatchLines(), options.jobs.value_or(machineCores()));
        return error.empty() ? error : path + ": " + error;
    });
}

} // namespace korvanex::cli
