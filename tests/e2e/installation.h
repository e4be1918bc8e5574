#pragma once

#include <string>

#include "temp_dir.h"

namespace lexo::e2e {

// The build installed by `cmake --install` with prefix /usr into a temporary folder through
// DESTDIR, as a package installs it, and a fresh home folder for a player beside it.
class Installation {
  public:
    Installation();
    Installation(const Installation&) = delete;
    Installation& operator=(const Installation&) = delete;

    bool Installed() const { return installed_; }
    // What cmake printed, for a failed installation.
    const std::string& Output() const { return output_; }
    // A path under the prefix, such as "bin/lexodrome".
    std::string Path(const std::string& relative) const {
        return dir_.File("root/usr/" + relative);
    }
    std::string Home() const { return dir_.File("home"); }
    std::string GameFolder() const { return Home() + "/.local/share/lexodrome"; }

  private:
    test::TempDir dir_;
    std::string output_;
    bool installed_ = false;
};

}  // namespace lexo::e2e
