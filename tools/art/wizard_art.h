#pragma once

#include "geometry.h"
#include "sprite_canvas.h"

namespace lexo {

enum class WizardFace { Calm, Shout, Hurt, Out };
enum class StaffGlow { None, Flash, Sparkle };

// One pose of the player's wizard, drawn facing left with his feet on y = 82 of a 78 x 84
// box. The staff and hat are drawn by their own functions when they leave his hands.
struct WizardPose {
    float reach = 0;  // 0: staff held upright at his side, 1: staff thrust forward
    WizardFace face = WizardFace::Calm;
    bool hatOn = true;
    bool holdsStaff = true;
    StaffGlow glow = StaffGlow::None;
    float flash = 0;  // 0 … 1 toward white, when he is hit
};

void DrawWizard(SpriteCanvas& canvas, const WizardPose& pose);

// The hat alone, its brim centred on `brim`, tilted by `degrees`.
void DrawWizardHat(SpriteCanvas& canvas, Vec2 brim, float degrees, float flash);

// The staff alone, from its foot to its head, where the gem sits.
void DrawWizardStaff(SpriteCanvas& canvas, Vec2 foot, Vec2 head, StaffGlow glow);

}  // namespace lexo
