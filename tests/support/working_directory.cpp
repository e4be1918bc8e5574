#include "working_directory.h"

#include <filesystem>

namespace lexo::test {

ScopedWorkingDirectory::ScopedWorkingDirectory(const std::string& path)
    : previous_(std::filesystem::current_path().string()) {
    std::filesystem::current_path(path);
}

ScopedWorkingDirectory::~ScopedWorkingDirectory() {
    std::error_code ignored;
    std::filesystem::current_path(previous_, ignored);
}

}  // namespace lexo::test
