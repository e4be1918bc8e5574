#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

#include "contract/engine_api.h"

namespace lexo {

// One sprite sheet of a monster kind, in the order the fields are kept.
struct SpriteSpec {
    EngineHandle Texture = 0;
    int32_t FrameWidth = 0;   // drawn width; of a walking sheet, also the collision width
    int32_t FrameHeight = 0;  // drawn height; of a walking sheet, also the collision height
    int32_t FrameCount = 0;   // frames of the animation, numbered from 1
    int32_t SheetColumns = 0;
    int32_t SheetRows = 0;

    bool operator==(const SpriteSpec&) const = default;
};

// Walking and dying sheets indexed by kind number. Entry 0 is all zero and never used; a
// catalogue of N kinds has N + 1 entries in each.
struct SpriteCatalogue {
    std::vector<SpriteSpec> AliveSprites = std::vector<SpriteSpec>(1);
    std::vector<SpriteSpec> DeadSprites = std::vector<SpriteSpec>(1);

    // Whether kind has sheets in the catalogue (1 ... N).
    bool HasKind(int32_t kind) const {
        return kind >= 1 && static_cast<size_t>(kind) < AliveSprites.size() &&
               static_cast<size_t>(kind) < DeadSprites.size();
    }

    // N, the number of kinds with sheets.
    int32_t KindCount() const {
        return static_cast<int32_t>(std::min(AliveSprites.size(), DeadSprites.size())) - 1;
    }

    // The sheets of a kind; an all-zero sheet for a kind outside the catalogue, which never
    // animates, collides or draws.
    const SpriteSpec& Alive(int32_t kind) const {
        return HasKind(kind) ? AliveSprites[kind] : kNone;
    }
    const SpriteSpec& Dead(int32_t kind) const { return HasKind(kind) ? DeadSprites[kind] : kNone; }

  private:
    static constexpr SpriteSpec kNone{};
};

}  // namespace lexo
