#pragma once

#include "contract/engine_entries.h"

namespace lexo::bench {

// The peer a game author would pick instead of our engine: SDL2's own software renderer
// (SDL_CreateSoftwareRenderer on a frame of ARGB pixels), behind the game's entries. Textures
// are the same BMPs with the same colour key, sprite cells are SDL_RenderCopyEx of the cell
// (flipped when mirrored), text is one copy per glyph from the .dft atlas (outline first,
// colour-modulated coverage over it), and Begin2D clears to black. Handles count up from 1 per
// kind, as the engine's do, so the same game state draws the same scene through either.
class SdlPeer {
  public:
    SdlPeer(int width, int height);
    ~SdlPeer();
    SdlPeer(const SdlPeer&) = delete;
    SdlPeer& operator=(const SdlPeer&) = delete;

    bool Ready() const;
    // The game's entries drawing through SDL; sound and start-up entries do nothing.
    EngineEntries Entries() const;
};

}  // namespace lexo::bench
