#pragma once

#include <cstdint>
#include <vector>

#include "handle_table.h"

struct Mix_Chunk;
struct _Mix_Music;

namespace lexo {

// Samples and music through SDL2_mixer. Without an audio device everything still answers as
// usual and plays silence; nothing here ever reports an error or waits.
class Sound {
  public:
    Sound() = default;
    ~Sound();
    Sound(const Sound&) = delete;
    Sound& operator=(const Sound&) = delete;

    // Opens the audio device once; later calls do nothing until Shutdown.
    void Init();

    // Loads a WAV file: a handle from 1, or 0 when the file is missing or not a WAV. Without an
    // audio device a valid file still gets a handle, which plays nothing.
    uint32_t LoadSample(const char* path);
    void SetSampleVolume(uint32_t sample, int32_t percent);  // 0 ... 100, clamped
    // Plays on a free channel; plays overlap and mix.
    void PlaySample(uint32_t sample);
    void FreeSample(uint32_t sample);

    // Stops the music playing and starts the MP3 file from its beginning, looping when `loop`
    // is nonzero. A missing or malformed file leaves no music playing.
    void PlayMusic(const char* path, int32_t loop);

    // Stops everything, frees every sample and the music, closes the device.
    void Shutdown();

  private:
    struct Sample {
        Mix_Chunk* chunk = nullptr;  // null: a sample loaded without a device
        ~Sample();
    };

    void StopMusic();

    bool initTried_ = false;
    bool deviceOpen_ = false;
    int channels_ = 0;
    HandleTable<Sample> samples_;
    _Mix_Music* music_ = nullptr;
    std::vector<uint8_t> musicBytes_;  // the music decoder reads from these while playing
};

}  // namespace lexo
