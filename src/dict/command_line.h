#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace lexo::dict {

// A subcommand's arguments: positional ones in order, options by name ("--out").
struct Arguments {
    std::vector<std::string> positional;
    std::map<std::string, std::string> values;
    std::set<std::string> flags;

    std::optional<std::string> Value(const std::string& name) const;
    bool Flag(const std::string& name) const { return flags.contains(name); }
};

// Reads args against the options a subcommand knows: those in `withValue` take the next
// argument (or "--name=value"), those in `flags` stand alone; "--help" is always a flag. Nothing,
// with `problem` set, for an unknown option or a missing value.
std::optional<Arguments> ParseArguments(const std::vector<std::string>& args,
                                        const std::set<std::string>& withValue,
                                        const std::set<std::string>& flags, std::string& problem);

}  // namespace lexo::dict
