#pragma once

#include <string>

namespace lexo::test {

// Makes a folder the process's working directory for the scope, as the game's is its folder;
// the previous one returns at the end.
class ScopedWorkingDirectory {
  public:
    explicit ScopedWorkingDirectory(const std::string& path);
    ~ScopedWorkingDirectory();
    ScopedWorkingDirectory(const ScopedWorkingDirectory&) = delete;
    ScopedWorkingDirectory& operator=(const ScopedWorkingDirectory&) = delete;

  private:
    std::string previous_;
};

}  // namespace lexo::test
