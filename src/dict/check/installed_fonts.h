#pragma once

#include <unicode/umachine.h>

#include <memory>

namespace lexo::dict {

// The characters the fonts installed on this system cover, as fontconfig lists them: the
// field draws the scripts its own font lacks with these fonts. Read once, when first asked.
class InstalledFonts {
  public:
    InstalledFonts();
    ~InstalledFonts();
    InstalledFonts(const InstalledFonts&) = delete;
    InstalledFonts& operator=(const InstalledFonts&) = delete;

    bool Cover(UChar32 c);

  private:
    struct Coverage;
    std::unique_ptr<Coverage> coverage_;
};

}  // namespace lexo::dict
