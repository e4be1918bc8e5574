#include "sound.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cstring>
#include <memory>

#include "file_bytes.h"

namespace lexo {
namespace {

constexpr size_t kMaxSoundFileBytes = 64u << 20;
constexpr int kFrequency = 44100;
// 1024 frames, 23 ms: a shot is heard at once without the device waking too often.
constexpr int kBufferFrames = 1024;
constexpr int kFirstChannelCount = 16;
// Enough for every overlapping shot a player can fire; beyond it a play waits its turn.
constexpr int kMaxChannelCount = 256;

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
    if (chunk != nullptr) Mix_FreeChunk(chunk);
}

Sound::~Sound() { Shutdown(); }

void Sound::Init() {
    if (initTried_) return;
    initTried_ = true;
    // SDL would otherwise take SIGINT and SIGTERM for itself, and the game could no longer be
    // stopped by them.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return;
    if (Mix_OpenAudio(kFrequency, MIX_DEFAULT_FORMAT, 2, kBufferFrames) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return;
    }
    deviceOpen_ = true;
    channels_ = Mix_AllocateChannels(kFirstChannelCount);
}

uint32_t Sound::LoadSample(const char* path) {
    std::optional<std::vector<uint8_t>> bytes = ReadFileBytes(path, kMaxSoundFileBytes);
    if (!bytes || !IsWav(*bytes)) return 0;
    auto sample = std::make_unique<Sample>();
    if (deviceOpen_) {
        sample->chunk = Mix_LoadWAV_RW(ReadFrom(*bytes), 1);
        if (sample->chunk == nullptr) return 0;
    } else {
        // No device to convert for: decode only to tell a valid file from a broken one.
        SDL_AudioSpec format;
        Uint8* data = nullptr;
        Uint32 length = 0;
        if (SDL_LoadWAV_RW(ReadFrom(*bytes), 1, &format, &data, &length) == nullptr) return 0;
        SDL_FreeWAV(data);
    }
    return samples_.Add(std::move(sample));
}

void Sound::SetSampleVolume(uint32_t sample, int32_t percent) {
    Sample* found = samples_.Find(sample);
    if (found == nullptr || found->chunk == nullptr) return;
    int32_t clamped = std::clamp(percent, 0, 100);
    Mix_VolumeChunk(found->chunk, (clamped * MIX_MAX_VOLUME + 50) / 100);
}

void Sound::PlaySample(uint32_t sample) {
    Sample* found = samples_.Find(sample);
    if (found == nullptr || found->chunk == nullptr) return;
    while (Mix_PlayChannel(-1, found->chunk, 0) < 0) {
        if (channels_ >= kMaxChannelCount) return;
        channels_ = Mix_AllocateChannels(std::min(channels_ * 2, kMaxChannelCount));
    }
}

void Sound::FreeSample(uint32_t sample) { samples_.Remove(sample); }

void Sound::PlayMusic(const char* path, int32_t loop) {
    StopMusic();
    if (!deviceOpen_) return;
    std::optional<std::vector<uint8_t>> bytes = ReadFileBytes(path, kMaxSoundFileBytes);
    if (!bytes || !LooksLikeMp3(*bytes)) return;
    musicBytes_ = std::move(*bytes);
    music_ = Mix_LoadMUSType_RW(ReadFrom(musicBytes_), MUS_MP3, 1);
    if (music_ == nullptr || Mix_PlayMusic(music_, loop != 0 ? -1 : 0) != 0) StopMusic();
}

void Sound::StopMusic() {
    if (music_ != nullptr) {
        Mix_HaltMusic();
        Mix_FreeMusic(music_);
        music_ = nullptr;
    }
    musicBytes_.clear();
    musicBytes_.shrink_to_fit();
}

void Sound::Shutdown() {
    if (deviceOpen_) Mix_HaltChannel(-1);
    StopMusic();
    samples_.RemoveAll();
    if (deviceOpen_) {
        Mix_CloseAudio();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    deviceOpen_ = false;
    initTried_ = false;
    channels_ = 0;
}

}  // namespace lexo
