#include <exception>
#include <iostream>

#include "app_icon.h"
#include "art_files.h"

// Draws every picture of the game and the monster catalogue into the game folder given first
// (it must already have its data folder); with an icon folder, also the application's icons
// into that folder's hicolor theme.
int main(int argc, char** argv) {
    if (argc != 2 && argc != 3) {
        std::cerr << "usage: lexo_art <game folder> [<icon folder>]\n";
        return 2;
    }
    try {
        lexo::WriteArt(argv[1]);
        if (argc == 3) lexo::WriteAppIcons(argv[2], LEXO_APP_ID);
    } catch (const std::exception& e) {
        std::cerr << "lexo_art: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
