#include "cli/CommandLine.h"

#include <algorithm>

namespace tarnholt {

namespace {

const OptionSpec* findSpec(const std::vector<OptionSpec>& specs, const std::string& name)
{
    auto found = std::find_if(specs.begin(), specs.end(), [&](const OptionSpec& spec) { return spec.name == name; });
    return found == specs.end() ? nullptr : &*found;
}

} // namespace

std::string parseCommandLine(const std::vector<std::string>& args, const std::vector<OptionSpec>& specs,
                             std::size_t argumentCount, CommandLine& parsed)
{
    parsed = CommandLine{};
    for (const std::string& arg : args) {
        if (arg == "--")
            break;
        if (arg == "--help" || arg == "-h") {
            parsed.help = true;
            return {};
        }
    }

    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg == "-" || arg.empty() || arg[0] != '-') {
            parsed.arguments.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        if (arg.rfind("--", 0) != 0)
            return "unknown option '" + arg + "'";

        const std::size_t equals = arg.find('=');
        const std::string name = arg.substr(2, equals == std::string::npos ? std::string::npos : equals - 2);
        const OptionSpec* spec = findSpec(specs, name);
        if (!spec)
            return "unknown option '--" + name + "'";
        if (parsed.has(name))
            return "option '--" + name + "' given twice";
        std::string value;
        if (spec->takesValue) {
            if (equals != std::string::npos) {
                value = arg.substr(equals + 1);
            } else if (i + 1 < args.size()) {
                value = args[++i];
            } else {
                return "option '--" + name + "' needs a value";
            }
        } else if (equals != std::string::npos) {
            return "option '--" + name + "' takes no value";
        }
        parsed.options[name] = value;
    }

    if (parsed.arguments.size() < argumentCount)
        return "missing argument (" + std::to_string(argumentCount) + " expected)";
    if (parsed.arguments.size() > argumentCount)
        return "unexpected argument '" + parsed.arguments[argumentCount] + "'";
    return {};
}

} // namespace tarnholt
