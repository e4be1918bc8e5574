#pragma once

#include <filesystem>
#include <fstream>
#include <string>

#include "temp_dir.h"

namespace lexo::testing {

// A fresh temporary folder with helpers to fill it with files and dictionary folders.
class TempFolder {
  public:
    const std::string& Path() const { return dir_.Path(); }
    std::string operator/(const std::string& relative) const { return dir_.File(relative); }

    void MakeFolder(const std::string& relative) const {
        std::filesystem::create_directories(*this / relative);
    }
    void WriteFile(const std::string& relative, const std::string& bytes) const {
        std::ofstream(*this / relative, std::ios::binary) << bytes;
    }
    // A complete dictionary folder whose about.txt holds the given bytes.
    void MakeDictionary(const std::string& name, const std::string& about = "Title") const {
        MakeFolder(name);
        WriteFile(name + "/about.txt", about);
        WriteFile(name + "/names.txt", "cat\r\n");
        WriteFile(name + "/names2.txt", "\xea\xee\xf2\r\n");
    }

  private:
    test::TempDir dir_;
};

}  // namespace lexo::testing
