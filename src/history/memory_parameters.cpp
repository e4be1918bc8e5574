#include "history/memory_parameters.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace lexo {

// The file: "parameters: " and the 21 numbers, then "reviews: " and the count.

std::string MemoryParametersPath(const std::string& historyPath) {
    return (std::filesystem::path(historyPath).parent_path() / "memory-parameters.txt").string();
}

std::optional<FittedParameters> ReadFittedParameters(const std::string& path) {
    std::ifstream file(path);
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
