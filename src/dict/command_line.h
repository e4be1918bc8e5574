#pragma once

#include <cstddef>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "dict/diagnostics/early_end.h"

namespace lexo::dict {

// A subcommand's arguments: positional ones in order, options by name ("--out").
struct Arguments {
    std::vector<std::string> positional;
    std::map<std::string, std::string> values;
    std::set<std::string> flags;

    std::optional<std::string> Value(const std::string& name) const;
    bool Flag(const std::string& name) const { return flags.contains(name); }
};

// What a subcommand takes: its name, its help text and its options.
struct CommandOptions {
    const char* name;
    const char* usage;
    std::set<std::string> withValue;
    std::set<std::string> flags;
};

// Gives a problem with arguments already read ("give one FOLDER"), or "" when there is none.
using ArgumentCheck = std::function<std::string(const Arguments&)>;

// The check of a subcommand that takes options only.
std::string NoPositionalArguments(const Arguments& parsed);

// An option's whole number above 0 (--max 60, --readings 3); nothing for any other text.
std::optional<size_t> CountOption(const std::string& text);

// A subcommand's arguments, or its end: the help (success), or the problem and the help (a
// usage error).
Outcome<Arguments> ReadCommandLine(const CommandOptions& command,
                                   const std::vector<std::string>& args,
                                   const ArgumentCheck& check);

}  // namespace lexo::dict
