#pragma once

#include <string>
#include <string_view>

namespace lexo::test {

// A fresh directory of the test's own under $TMPDIR (or /tmp), removed with everything in it
// by the destructor, so tests running in parallel never share files. Other users may enter it.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& Path() const { return path_; }
    // Path() + "/" + name.
    std::string File(std::string_view name) const;

  private:
    std::string path_;
};

}  // namespace lexo::test
