#include "sound.h"

#include <SDL.h>

#include <algorithm>
#include <cstring>
#include <new>
#include <utility>

#include "file_bytes.h"

namespace lexo {
namespace {

constexpr size_t kMaxSoundFileBytes = 64u << 20;
// 1024 frames, 23 ms: a shot is heard at once without the device waking too often.
constexpr int kBufferFrames = 1024;
constexpr int kFirstChannelCount = 16;
// Enough for every overlapping shot a player can fire; beyond it a play waits its turn.
constexpr int kMaxChannelCount = 256;
// Kept from the plays of samples, so that a new word cuts the one being spoken.
constexpr int kSpeechChannel = 0;

bool IsWav(const std::vector<uint8_t>& bytes) {
    return bytes.size() >= 12 && std::memcmp(bytes.data(), "RIFF", 4) == 0 &&
           std::memcmp(bytes.data() + 8, "WAVE", 4) == 0;
}

// An MP3 file starts with an ID3 tag or with the sync bits of an MPEG audio frame header.
bool LooksLikeMp3(const std::vector<uint8_t>& bytes) {
    if (bytes.size() < 4) return false;
    if (std::memcmp(bytes.data(), "ID3", 3) == 0) return true;
    return bytes[0] == 0xFF && (bytes[1] & 0xE0) == 0xE0;
}

SDL_RWops* ReadFrom(const std::vector<uint8_t>& bytes) {
    return SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
}

}  // namespace

Sound::Sample::~Sample() {
    // Mix_FreeChunk halts every channel still playing the chunk first.
    if (chunk != nullptr) mixer->Mix_FreeChunk(chunk);
}

Sound::Sound(std::string mixerLibrary) : mixerLibrary_(std::move(mixerLibrary)) {}

Sound::~Sound() { Shutdown(); }

Sound::Device Sound::OpenDevice(const std::string& mixerLibrary) {
    Device device;
    try {
        device.mixer = MixerLibrary::Open(mixerLibrary);
    } catch (const std::bad_alloc&) {
        return device;
    }
    if (device.mixer == nullptr) return device;
    // SDL would otherwise take SIGINT and SIGTERM for itself, and the game could no longer be
    // stopped by them.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return device;
    if (device.mixer->Mix_OpenAudio(kFrequency, MIX_DEFAULT_FORMAT, kChannels, kBufferFrames) !=
        0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return device;
    }
    device.open = true;
    device.channels = device.mixer->Mix_AllocateChannels(kFirstChannelCount);
    device.mixer->Mix_ReserveChannels(kSpeechChannel + 1);
    return device;
}

void Sound::Init() {
    if (initTried_) return;
    initTried_ = true;
    waitingToOpen_ = true;
}

void Sound::StartOpening() {
    if (!waitingToOpen_) return;
    waitingToOpen_ = false;
    device_ = OpenDevice(mixerLibrary_);
    DecodeWaitingSamples();
}

void Sound::DecodeWaitingSamples() {
    samples_.ForEach([this](Sample& sample) {
        std::vector<uint8_t> wav = std::exchange(sample.wav, {});
        if (device_.open && !wav.empty()) Decode(sample, wav);
    });
}

bool Sound::IsPlayableWav(const std::vector<uint8_t>& bytes) {
    SDL_AudioSpec format;
    Uint8* data = nullptr;
    Uint32 length = 0;
    if (SDL_LoadWAV_RW(ReadFrom(bytes), 1, &format, &data, &length) == nullptr) return false;
    SDL_FreeWAV(data);
    // The mixer converts every sample to the device's format; one that cannot be converted
    // (too many channels, say) would never play.
    SDL_AudioCVT conversion;
    return SDL_BuildAudioCVT(&conversion, format.format, format.channels, format.freq,
                             MIX_DEFAULT_FORMAT, kChannels, kFrequency) >= 0;
}

void Sound::Decode(Sample& sample, const std::vector<uint8_t>& bytes) {
    sample.chunk = device_.mixer->Mix_LoadWAV_RW(ReadFrom(bytes), 1);
    if (sample.chunk == nullptr) return;
    sample.mixer = device_.mixer;
    sample.mixer->Mix_VolumeChunk(sample.chunk, sample.volume);
}

uint32_t Sound::LoadSample(const char* path) {
    std::optional<std::vector<uint8_t>> bytes = ReadFileBytes(path, kMaxSoundFileBytes);
    if (!bytes || !IsWav(*bytes)) return 0;
    auto sample = std::make_unique<Sample>();
    if (device_.open) {
        Decode(*sample, *bytes);
        if (sample->chunk == nullptr) return 0;
    } else {
        // No device to convert for, or not yet: decode only to tell a playable file from a
        // broken one, and keep the file while the device may still come.
        if (!IsPlayableWav(*bytes)) return 0;
        if (waitingToOpen_) sample->wav = std::move(*bytes);
    }
    return samples_.Add(std::move(sample));
}

void Sound::SetSampleVolume(uint32_t sample, int32_t percent) {
    Sample* found = samples_.Find(sample);
    if (found == nullptr) return;
    found->volume = (std::clamp(percent, 0, 100) * MIX_MAX_VOLUME + 50) / 100;
    if (found->chunk != nullptr) found->mixer->Mix_VolumeChunk(found->chunk, found->volume);
}

void Sound::PlaySample(uint32_t sample) {
    Sample* found = samples_.Find(sample);
    if (found == nullptr) return;
    if (!found->wav.empty()) StartOpening();
    if (found->chunk == nullptr) return;
    const MixerLibrary& mixer = *found->mixer;
    while (mixer.Mix_PlayChannelTimed(-1, found->chunk, 0, -1) < 0) {
        if (device_.channels >= kMaxChannelCount) return;
        const int wanted = std::clamp(device_.channels * 2, 1, kMaxChannelCount);
        const int allocated = mixer.Mix_AllocateChannels(wanted);
        // No more channels to be had: this play is dropped.
        if (allocated <= device_.channels) return;
        device_.channels = allocated;
    }
}

void Sound::FreeSample(uint32_t sample) { samples_.Remove(sample); }

void Sound::PlaySpeech(const std::vector<uint8_t>& wav) {
    HaltSpeech();
    StartOpening();
    if (!device_.open) return;
    speech_ = device_.mixer->Mix_LoadWAV_RW(ReadFrom(wav), 1);
    if (speech_ != nullptr) device_.mixer->Mix_PlayChannelTimed(kSpeechChannel, speech_, 0, -1);
}

void Sound::HaltSpeech() {
    // Mix_FreeChunk halts the channel playing the chunk first.
    if (speech_ != nullptr) device_.mixer->Mix_FreeChunk(speech_);
    speech_ = nullptr;
}

void Sound::PlayMusic(const char* path, int32_t loop) {
    StopMusic();
    StartOpening();
    if (!device_.open) return;
    std::optional<std::vector<uint8_t>> bytes = ReadFileBytes(path, kMaxSoundFileBytes);
    if (!bytes || !LooksLikeMp3(*bytes)) return;
    musicBytes_ = std::move(*bytes);
    music_ = device_.mixer->Mix_LoadMUSType_RW(ReadFrom(musicBytes_), MUS_MP3, 1);
    if (music_ == nullptr || device_.mixer->Mix_PlayMusic(music_, loop != 0 ? -1 : 0) != 0) {
        StopMusic();
    }
}

void Sound::StopMusic() {
    if (music_ != nullptr) {
        device_.mixer->Mix_HaltMusic();
        device_.mixer->Mix_FreeMusic(music_);
        music_ = nullptr;
    }
    musicBytes_.clear();
    musicBytes_.shrink_to_fit();
}

void Sound::Shutdown() {
    // A device asked for but never needed is not opened now.
    waitingToOpen_ = false;
    if (device_.open) device_.mixer->Mix_HaltChannel(-1);
    HaltSpeech();
    StopMusic();
    samples_.RemoveAll();
    if (device_.open) {
        device_.mixer->Mix_CloseAudio();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    device_ = Device{};
    initTried_ = false;
}

}  // namespace lexo
