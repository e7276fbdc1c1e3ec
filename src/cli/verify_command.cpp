#include "cli/verify_command.h"

#include "studies/verification.h"

#include <string>
#include <vector>

namespace korvanex::cli {

int verifyCommand(std::ostream& out) {
    const std::vector<ExampleCheck> checks = checkExamples(workedExamples());
    for (const std::string& line : verificationTable(checks)) {
        out << line << '\n';
    }
    out.flush();
    return allPass(checks) ? 0 : 1;
}

} // namespace korvanex::cli
