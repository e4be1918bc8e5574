#include "history/memory_parameters.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "text/file_reader.h"

namespace lexo {

// The file: "parameters: " and the 21 numbers, then "reviews: " and the count.
constexpr size_t kParametersFileLimit = 4096;

std::string MemoryParametersPath(const std::string& historyPath) {
    return (std::filesystem::path(historyPath).parent_path() / "memory-parameters.txt").string();
}

std::optional<FittedParameters> ReadFittedParameters(const std::string& path) {
    // Read at every look of the game's dialog: through the one reader, so that a pipe or a
    // huge file in its place costs nothing.
    const std::expected<std::string, FileError> bytes =
        ReadFile(path, {.limit = kParametersFileLimit});
    if (!bytes) return std::nullopt;
    std::istringstream file(*bytes);
    std::string label;
    FittedParameters fitted;
    if (!(file >> label) || label != "parameters:") return std::nullopt;
    for (double& value : fitted.w) {
        if (!(file >> value) || !std::isfinite(value)) return std::nullopt;
    }
    if (!(file >> label >> fitted.reviews) || label != "reviews:") return std::nullopt;
    fitted.w = ClampedParameters(fitted.w);
    return fitted;
}

std::optional<std::string> WriteFittedParameters(const std::string& path,
                                                 const FittedParameters& fitted) {
    std::ostringstream text;
    text.precision(17);
    text << "parameters:";
    for (const double value : fitted.w) text << ' ' << value;
    text << "\nreviews: " << fitted.reviews << '\n';
    const std::string written = path + ".new";
    {
        std::ofstream file(written, std::ios::trunc);
        file << text.str();
        file.close();
        if (!file) return "cannot write " + written;
    }
    std::error_code error;
    std::filesystem::rename(written, path, error);
    if (error) return error.message();
    return std::nullopt;
}

}  // namespace lexo
