#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "handle_table.h"
#include "mixer_library.h"

namespace lexo {

// Samples and music through SDL2_mixer. Without an audio device, or without SDL2_mixer,
// everything still answers as usual and plays silence; nothing here ever reports an error.
//
// The mixer library is opened and the device started only once the engine's first frame is
// shown (or a play needs them), so that neither delays it. A sample loaded before is checked
// at once and decoded once the mixer is there.
class Sound {
  public:
    // The format the device is asked for, and what the mixer plays.
    static constexpr int kFrequency = 44100;
    static constexpr int kChannels = 2;

    explicit Sound(std::string mixerLibrary = MixerLibrary::kSoname);
    ~Sound();
    Sound(const Sound&) = delete;
    Sound& operator=(const Sound&) = delete;

    // Asks for the audio device, once; later calls do nothing until Shutdown. It is opened when
    // StartOpening is called or a play first needs it, whichever comes first.
    void Init();
    // Opens the device asked for. The engine calls it once its first frame is shown: loading the
    // mixer and starting SDL's audio (which starts a D-Bus session too) take longer than the
    // first frame itself. It runs on the caller's thread: SDL starts the D-Bus session by
    // forking, which from a thread of its own could catch another thread's locks (the child
    // then hung, and with it the opening and the game).
    void StartOpening();

    // Loads a WAV file: a handle from 1, or 0 when the file is missing or not a WAV. Without an
    // audio device a valid file still gets a handle, which plays nothing.
    uint32_t LoadSample(const char* path);
    void SetSampleVolume(uint32_t sample, int32_t percent);  // 0 ... 100, clamped
    // Plays on a free channel; plays overlap and mix.
    void PlaySample(uint32_t sample);
    void FreeSample(uint32_t sample);

    // Plays a WAV file held in memory on the speech channel, cutting what it was playing.
    void PlaySpeech(const std::vector<uint8_t>& wav);
    void HaltSpeech();

    // Stops the music playing and starts the MP3 file from its beginning, looping when `loop`
    // is nonzero. A missing or malformed file leaves no music playing.
    void PlayMusic(const char* path, int32_t loop);

    // Waits for the device to be opened, stops everything, frees every sample and the music,
    // closes the device.
    void Shutdown();

  private:
    // What opening gives: the mixer, when it could be opened, and the device.
    struct Device {
        std::shared_ptr<const MixerLibrary> mixer;
        bool open = false;
        int channels = 0;
    };

    struct Sample {
        std::shared_ptr<const MixerLibrary> mixer;  // set with the chunk
        Mix_Chunk* chunk = nullptr;  // null: not decoded yet, or no device to play it on
        std::vector<uint8_t> wav;    // the file, kept until the mixer is there to decode it
        int volume = MIX_MAX_VOLUME;
        ~Sample();
    };

    static Device OpenDevice(const std::string& mixerLibrary);

    void DecodeWaitingSamples();
    bool IsPlayableWav(const std::vector<uint8_t>& bytes);
    void Decode(Sample& sample, const std::vector<uint8_t>& bytes);
    void StopMusic();

    const std::string mixerLibrary_;
    bool initTried_ = false;
    bool waitingToOpen_ = false;  // asked for, not yet opened
    Device device_;
    HandleTable<Sample> samples_;
    Mix_Chunk* speech_ = nullptr;  // on the channel kept for speech
    _Mix_Music* music_ = nullptr;
    std::vector<uint8_t> musicBytes_;  // the music decoder reads from these while playing
};

}  // namespace lexo
