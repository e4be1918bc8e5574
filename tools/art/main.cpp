#include <exception>
#include <iostream>

#include "art_files.h"

// Draws every picture of the game and the monster catalogue into the game folder given as the
// only argument (it must already have its data folder).
int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: lexo_art <game folder>\n";
        return 2;
    }
    try {
        lexo::WriteArt(argv[1]);
    } catch (const std::exception& e) {
        std::cerr << "lexo_art: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
