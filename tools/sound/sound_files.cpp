#include "sound_files.h"

#include "music.h"
#include "sound_effects.h"
#include "synth.h"
#include "wav_writer.h"

namespace lexo {

// Peaks stay well below full scale, so nothing clips after encoding or mixing; the music is
// the quietest, as it plays all the time.
std::vector<std::string> WriteSoundEffects(const std::string& dataDir) {
    WriteWav(dataDir + "/fire.wav", kSampleRate, 1, MakeFireSound(0.7f));
    WriteWav(dataDir + "/die.wav", kSampleRate, 1, MakeDieSound(0.6f));
    return {"fire.wav", "die.wav"};
}

void WriteMusicWav(const std::string& path) { WriteWav(path, kSampleRate, 2, MakeMusic(0.5f)); }

}  // namespace lexo
