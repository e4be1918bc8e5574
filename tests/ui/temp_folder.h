#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace lexo::testing {

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempFolder {
  public:
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "lexo-ui-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) ADD_FAILURE() << "mkdtemp failed";
        path_ = pattern;
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return path_; }
    std::string operator/(const std::string& relative) const { return path_ + "/" + relative; }

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
    std::string path_;
};

}  // namespace lexo::testing
