#pragma once

#include <map>
#include <string>
#include <vector>

namespace tarnholt {

/// One option a command accepts: "--name" alone, or "--name VALUE" / "--name=VALUE".
struct OptionSpec {
    std::string name; // without the leading "--"
    bool takesValue = false;
};

/// The arguments of one command split into file arguments and options.
struct CommandLine {
    std::vector<std::string> arguments;
    std::map<std::string, std::string> options; // a flag maps to ""
    bool help = false;

    bool has(const std::string& name) const { return options.count(name) != 0; }
    std::string value(const std::string& name, const std::string& fallback = {}) const
    {
        auto found = options.find(name);
        return found == options.end() ? fallback : found->second;
    }
};

/// Splits `args` (the words after the command name). "--help" or "-h" anywhere before "--" asks for
/// help and wins over every other fault. Returns "" on success, else a one-line description of the
/// fault: an unknown option, a missing or unwanted value, an option given twice, or not exactly
/// `argumentCount` file arguments. After "--" every word is a file argument.
std::string parseCommandLine(const std::vector<std::string>& args, const std::vector<OptionSpec>& specs,
                             std::size_t argumentCount, CommandLine& parsed);

} // namespace tarnholt
