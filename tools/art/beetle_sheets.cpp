#include <cmath>
#include <iterator>

#include "beetle_art.h"
#include "effects.h"
#include "monster_kind.h"

namespace lexo {

namespace {

constexpr int kWalkFrames = 6;
constexpr float kGround = 46.0f;
constexpr float kStride = 4.5f;

// Where each foot rests in the middle of its stride.
constexpr float kFootX[] = {46.0f, 32.0f, 16.0f, 43.0f, 28.0f, 12.0f};

// A tripod gait: near front, far middle and near back legs step together, then the others.
constexpr bool kSecondTripod[] = {false, true, false, true, false, true};

BeetlePose WalkPose(int frame) {
    BeetlePose pose;
    const float cycle = static_cast<float>(frame) / kWalkFrames;
    pose.bob = -0.6f * std::cos(4.0f * kPi * cycle);
    pose.antennaSwing = 8.0f * std::sin(2.0f * kPi * cycle);
    for (int leg = 0; leg < 6; ++leg) {
        float t = cycle + (kSecondTripod[leg] ? 0.5f : 0.0f);
        t -= std::floor(t);
        // On the ground the foot slides back under the body; in the air it swings forward.
        const bool planted = t < 0.5f;
        const float u = planted ? 1.0f - 4.0f * t : -1.0f + 4.0f * (t - 0.5f);
        const float lift = planted ? 0.0f : 3.5f * std::sin(2.0f * kPi * (t - 0.5f));
        const float ground = leg >= 3 ? kGround - 1.5f : kGround;
        pose.feet[leg] = {kFootX[leg] + u * kStride, ground - lift};
    }
    return pose;
}

Image WalkFrame(int frame) {
    SpriteCanvas canvas(64, 48);
    DrawBeetle(canvas, WalkPose(frame));
    return canvas.Resolve();
}

// Feet of a beetle on its back, given in the upright drawing's coordinates (below the body),
// `reach` 1 for legs stretched out, 0 for legs folded against the belly.
std::array<Vec2, 6> BackFeet(float reach, float wave) {
    std::array<Vec2, 6> feet{};
    for (int leg = 0; leg < 6; ++leg) {
        const Vec2 hip = BeetleHip(leg, 0);
        const float swing = (leg % 2 == 0 ? 1.0f : -1.0f) * wave;
        const float spread = (static_cast<float>(leg % 3) - 1.0f) * -5.0f * reach;
        feet[leg] = {hip.x + spread + swing, hip.y + 4.0f + 11.0f * reach};
    }
    return feet;
}

Image DeathFrame(int index) {
    SpriteCanvas canvas(64, 48);
    BeetlePose pose;
    if (index == 0) {
        pose = WalkPose(0);
        pose.flash = 0.55f;
        pose.face = BeetleFace::Hurt;
        DrawBeetle(canvas, pose);
        DrawImpact(canvas, {34.0f, 22.0f}, 12.0f, 0.0f);
        return canvas.Resolve();
    }
    if (index == 1) {
        // Knocked back: the front rears up, the legs scrabble at the air.
        pose.face = BeetleFace::Hurt;
        pose.feet = BackFeet(0.6f, 3.0f);
        pose.antennaSwing = 75.0f;
        canvas.SetTransform(Transform::Translation({7.0f, 2.0f})
                                .After(Transform::Rotation({12.0f, 44.0f}, -22.0f)));
        DrawBeetle(canvas, pose);
        return canvas.Resolve();
    }
    // On its back: the shell on the ground, the legs kicking, curling, then still.
    const float reach[] = {0.9f, 0.45f, 0.2f};
    const float wave[] = {4.0f, -2.0f, 0.0f};
    pose.feet = BackFeet(reach[index - 2], wave[index - 2]);
    pose.face = index == 4 ? BeetleFace::Dead : BeetleFace::Hurt;
    pose.dim = index == 4 ? 0.3f : 0.0f;
    pose.antennaSwing = index == 4 ? -10.0f : 15.0f;
    canvas.SetTransform(Transform::MirrorY(27.5f));
    DrawBeetle(canvas, pose);
    canvas.ResetTransform();
    if (index == 2) {
        DrawDust(canvas, {30.0f, 46.0f}, 22.0f, 4.0f);
    }
    return canvas.Resolve();
}

}  // namespace

MonsterKind MakeBeetle() {
    constexpr int kDeathFrames = 5;
    return DrawMonsterKind("beetle", {"beetle_walk.bmp", 64, 48, kWalkFrames, 1, kWalkFrames},
                           WalkFrame, {"beetle_die.bmp", 64, 48, 3, 2, kDeathFrames}, DeathFrame);
}

}  // namespace lexo
