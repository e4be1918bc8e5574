#pragma once

#include <string>
#include <vector>

namespace lexo {

// Writes fire.wav and die.wav into dataDir; returns their file names.
std::vector<std::string> WriteSoundEffects(const std::string& dataDir);

// Writes the music loop as a stereo WAV, for an MP3 encoder to take on.
void WriteMusicWav(const std::string& path);

}  // namespace lexo
