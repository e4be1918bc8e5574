#include <exception>
#include <iostream>

#include "sound_files.h"

// Synthesises the game's sounds: fire.wav and die.wav into the data folder given first, and
// the music loop as a WAV to the path given second, for an MP3 encoder to take on.
int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: lexo_sound <data folder> <music.wav>\n";
        return 2;
    }
    try {
        lexo::WriteSoundEffects(argv[1]);
        lexo::WriteMusicWav(argv[2]);
    } catch (const std::exception& e) {
        std::cerr << "lexo_sound: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
