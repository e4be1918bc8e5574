#pragma once

#include "contract/engine_entries.h"

namespace lexo::fuzz {

// An engine entry table over the engine's own drawing code (frame, sheets, text), without SDL,
// X11 or files, so a fuzz target can drive the game logic into real draws. Whatever the path,
// a texture load gives handle 0 (failed), 1 (an opaque sheet of 4 x 2 cells) or 2 (the same
// sheet with a colour key), chosen by the path's length; a font load gives a small font; sound
// and music do nothing. The frame is the 800 x 512 field. One table per process.
const EngineEntries& CoreEngineEntries();

}  // namespace lexo::fuzz
