#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace tarnholt {

/// Exit statuses of the command-line tool.
enum ExitStatus : int {
    ExitOk = 0,       // done, nothing to report
    ExitWarnings = 1, // done, with warnings (generate) or a dropped record (import)
    ExitFailed = 2,   // refused, failed, or called wrongly
};

/// Runs the command-line tool on its arguments (the words after the program name): the commands
/// generate, import, convert and info. Normal output goes to `out`, messages, questions and errors
/// to `err`. Returns the exit status; never throws.
int runCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace tarnholt
