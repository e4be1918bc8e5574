#include <exception>
#include <iostream>
#include <string>

#include "music.h"
#include "sound_effects.h"
#include "synth.h"
#include "wav_writer.h"

// Synthesises the game's sounds: fire.wav and die.wav into the data folder given first, and
// the music loop as a WAV to the path given second, for an MP3 encoder to take on.
int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: lexo_sound <data folder> <music.wav>\n";
        return 2;
    }
    const std::string data = argv[1];
    try {
        // Peaks stay well below full scale, so nothing clips after encoding or mixing; the
        // music is the quietest, as it plays all the time.
        lexo::WriteWav(data + "/fire.wav", lexo::kSampleRate, 1, lexo::MakeFireSound(0.7f));
        lexo::WriteWav(data + "/die.wav", lexo::kSampleRate, 1, lexo::MakeDieSound(0.6f));
        lexo::WriteWav(argv[2], lexo::kSampleRate, 2, lexo::MakeMusic(0.5f));
    } catch (const std::exception& e) {
        std::cerr << "lexo_sound: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
