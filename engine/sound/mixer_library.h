#pragma once

#include <SDL_mixer.h>

#include <memory>
#include <string>

namespace lexo {

// The SDL2_mixer entries the engine uses, one list for the table and its lookup.
#define LEXO_MIXER_ENTRIES(X) \
    X(Mix_OpenAudio)          \
    X(Mix_CloseAudio)         \
    X(Mix_AllocateChannels)   \
    X(Mix_LoadWAV_RW)         \
    X(Mix_FreeChunk)          \
    X(Mix_VolumeChunk)        \
    X(Mix_PlayChannelTimed)   \
    X(Mix_HaltChannel)        \
    X(Mix_ReserveChannels)    \
    X(Mix_LoadMUSType_RW)     \
    X(Mix_PlayMusic)          \
    X(Mix_HaltMusic)          \
    X(Mix_FreeMusic)

// SDL2_mixer opened at run time instead of linked: it brings a few dozen codec libraries
// (FLAC, Opus, Vorbis, MP3, MIDI with glib, JACK, ...) whose loading would otherwise hold up
// the engine's start. An opened library stays loaded for the rest of the process, since the
// codecs it brought may keep threads and exit handlers of their own.
struct MixerLibrary {
    // The installed library's soname, so that no development package is needed to run.
    static constexpr const char* kSoname = "libSDL2_mixer-2.0.so.0";

    // Opens the library `name` and finds every entry; null when it cannot be opened or lacks
    // an entry.
    static std::shared_ptr<const MixerLibrary> Open(const std::string& name);

#define LEXO_MIXER_MEMBER(entry) decltype(&::entry) entry = nullptr;
    LEXO_MIXER_ENTRIES(LEXO_MIXER_MEMBER)
#undef LEXO_MIXER_MEMBER
};

}  // namespace lexo
