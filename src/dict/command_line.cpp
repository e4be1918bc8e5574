#include "dict/command_line.h"

namespace lexo::dict {

std::optional<std::string> Arguments::Value(const std::string& name) const {
    const auto found = values.find(name);
    if (found == values.end()) return std::nullopt;
    return found->second;
}

std::optional<Arguments> ParseArguments(const std::vector<std::string>& args,
                                        const std::set<std::string>& withValue,
                                        const std::set<std::string>& flags, std::string& problem) {
    Arguments parsed;
    bool optionsEnded = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || !arg.starts_with("--")) {
            parsed.positional.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        const size_t equals = arg.find('=');
        const std::string name = arg.substr(0, equals);
        if (withValue.contains(name)) {
            if (equals != std::string::npos) {
                parsed.values[name] = arg.substr(equals + 1);
            } else if (i + 1 < args.size()) {
                parsed.values[name] = args[++i];
            } else {
                problem = name + " needs a value";
                return std::nullopt;
            }
        } else if ((flags.contains(arg) || arg == "--help")) {
            parsed.flags.insert(arg);
        } else {
            problem = "unknown option " + arg;
            return std::nullopt;
        }
    }
    return parsed;
}

}  // namespace lexo::dict
