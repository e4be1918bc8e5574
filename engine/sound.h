#pragma once

#include <cstdint>
#include <future>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "handle_table.h"
#include "mixer_library.h"

namespace lexo {

// Samples and music through SDL2_mixer. Without an audio device, or without SDL2_mixer,
// everything still answers as usual and plays silence; nothing here ever reports an error.
//
// The mixer library is opened and the device started on a thread of their own, so that Init
// returns at once: loads and plays wait for that thread only where they need the mixer. A
// sample loaded meanwhile is checked at once and decoded once the mixer is there.
class Sound {
  public:
    explicit Sound(std::string mixerLibrary = MixerLibrary::kSoname);
    ~Sound();
    Sound(const Sound&) = delete;
    Sound& operator=(const Sound&) = delete;

    // Asks for the audio device, once; later calls do nothing until Shutdown. It is opened when
    // StartOpening is called or a play first needs it, whichever comes first.
    void Init();
    // Starts opening the device asked for, on its own thread. The engine calls it once its
    // first frame is shown: loading the mixer and starting SDL's audio would otherwise compete
    // with the first frame for the processor and for SDL.
    void StartOpening();

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

    // Waits for the device to be opened, stops everything, frees every sample and the music,
    // closes the device.
    void Shutdown();

  private:
    // What the opening thread hands over: the mixer, when it could be opened, and the device.
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

    static Device OpenDevice(const std::string& mixerLibrary, std::mutex& sdl);

    // Takes over what the opening thread opened, waiting for it or only when it is done;
    // true when taken now.
    bool TakeDevice(bool wait);
    void DecodeWaitingSamples();
    // The device, waited for, with every sample loaded meanwhile decoded for it.
    void EnsureDevice();
    bool IsPlayableWav(const std::vector<uint8_t>& bytes);
    void Decode(Sample& sample, const std::vector<uint8_t>& bytes);
    void StopMusic();

    const std::string mixerLibrary_;
    // SDL is shared with the opening thread, which starts its audio: every call into SDL made
    // while that thread may run holds this.
    std::mutex sdl_;
    std::future<Device> opening_;
    bool initTried_ = false;
    bool waitingToOpen_ = false;  // asked for, not yet being opened
    Device device_;  // this thread's only, taken over from opening_
    HandleTable<Sample> samples_;
    _Mix_Music* music_ = nullptr;
    std::vector<uint8_t> musicBytes_;  // the music decoder reads from these while playing
};

}  // namespace lexo
