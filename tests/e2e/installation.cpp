#include "installation.h"

#include <cstdio>
#include <filesystem>

namespace lexo::e2e {

Installation::Installation() {
    std::filesystem::create_directories(Home());
    // Naming the (one) component keeps the player's install_manifest.txt in the build folder.
    const std::string command = "DESTDIR='" + dir_.File("root") + "' '" LEXO_CMAKE "' --install '" +
                                LEXO_BUILD_DIR "' --prefix /usr --component Unspecified 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return;
    char buffer[4096];
    size_t got = 0;
    while ((got = fread(buffer, 1, sizeof buffer, pipe)) > 0) output_.append(buffer, got);
    installed_ = pclose(pipe) == 0;
}

}  // namespace lexo::e2e
