#include "dict/command_line.h"

#include <charconv>

#include "dict/commands.h"

namespace lexo::dict {

std::optional<std::string> Arguments::Value(const std::string& name) const {
    const auto found = values.find(name);
    if (found == values.end()) return std::nullopt;
    return found->second;
}

namespace {

const std::set<std::string> kNamesAFile = {"--out", "--html", "--history", "--game"};

// Reads args against the options a subcommand knows: those in `withValue` take the next
// argument (or "--name=value"), those in `flags` stand alone; "--help" is always a flag. Nothing,
// with `problem` set, for an unknown option or a missing value.
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
            if (kNamesAFile.contains(name) && parsed.values[name].empty()) {
                problem = name + " needs a file or folder name, not an empty one";
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

}  // namespace

std::optional<size_t> CountOption(const std::string& text) {
    size_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value == 0) return std::nullopt;
    return value;
}

std::string NoPositionalArguments(const Arguments& parsed) {
    return parsed.positional.empty() ? "" : "unexpected " + parsed.positional[0];
}

Outcome<Arguments> ReadCommandLine(const CommandOptions& command,
                                   const std::vector<std::string>& args,
                                   const ArgumentCheck& check) {
    std::string problem;
    std::optional<Arguments> parsed =
        ParseArguments(args, command.withValue, command.flags, problem);
    if (parsed && parsed->Flag("--help")) return std::unexpected(EarlyEnd{kSuccess, command.usage});
    if (parsed) problem = check(*parsed);
    if (problem.empty()) return std::move(*parsed);
    return std::unexpected(EarlyEnd{kUsageOrFiles, "lexodrome-dict " + std::string(command.name) +
                                                       ": " + problem + "\n" + command.usage});
}

}  // namespace lexo::dict
