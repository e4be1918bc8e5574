#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "history/fsrs.h"

namespace lexo {

// The learner's own parameters, as the last fit left them, with how many reviews it counted.
struct FittedParameters {
    FsrsParameters w = kDefaultFsrsParameters;
    size_t reviews = 0;
};

// memory-parameters.txt beside the history file.
std::string MemoryParametersPath(const std::string& historyPath);

// The fitted parameters kept at `path`; nothing when the file is absent or broken (the defaults
// hold then). Values out of range are brought into it, as fsrs-rs does.
std::optional<FittedParameters> ReadFittedParameters(const std::string& path);

// Writes them whole or not at all (a file beside, renamed over); the error text when it could
// not.
std::optional<std::string> WriteFittedParameters(const std::string& path,
                                                 const FittedParameters& fitted);

}  // namespace lexo
