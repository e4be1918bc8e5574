#include <cmath>
#include <iterator>

#include "effects.h"
#include "monster_kind.h"
#include "troll_art.h"

namespace lexo {

namespace {

constexpr int kWalkFrames = 8;

TrollPose WalkPose(int frame) {
    const float p = 2.0f * kPi * static_cast<float>(frame) / kWalkFrames;
    TrollPose pose;
    // Highest while the legs pass each other, lowest with both feet apart.
    pose.bob = -1.6f * std::cos(2.0f * p);
    pose.nearThigh = 26.0f * std::sin(p);
    pose.farThigh = -26.0f * std::sin(p);
    // A leg bends its knee while it swings forward.
    pose.nearKnee = 38.0f * std::max(0.0f, std::cos(p));
    pose.farKnee = 38.0f * std::max(0.0f, -std::cos(p));
    pose.farArm = -24.0f * std::sin(p);
    return pose;
}

Image WalkFrame(int frame) {
    SpriteCanvas canvas(64, 72);
    DrawTroll(canvas, WalkPose(frame));
    return canvas.Resolve();
}

struct DeathStep {
    float lean;  // degrees, negative falls backward
    Vec2 slide;  // where the feet have slid to
    float flash;
    TrollFace face;
    float dim;
};

// Knocked back by the shot: a flash, a stagger, the fall, a bounce in the dust, then still.
constexpr DeathStep kDeathSteps[] = {
    {-8.0f, {3.0f, -1.0f}, 0.55f, TrollFace::Hurt, 0.0f},
    {-30.0f, {8.0f, -3.0f}, 0.12f, TrollFace::Hurt, 0.0f},
    {-62.0f, {22.0f, -8.0f}, 0.0f, TrollFace::Hurt, 0.0f},
    {-92.0f, {39.0f, -25.0f}, 0.0f, TrollFace::Hurt, 0.0f},
    {-90.0f, {39.0f, -23.5f}, 0.0f, TrollFace::Dead, 0.15f},
    {-90.0f, {39.0f, -23.5f}, 0.0f, TrollFace::Dead, 0.3f},
};

Image DeathFrame(int index) {
    const DeathStep& step = kDeathSteps[index];
    SpriteCanvas canvas(72, 72);
    // The club drops from the hand and lands in front of the body.
    if (index >= 3) {
        DrawTrollClub(canvas, {38.0f, 64.0f}, {64.0f, 61.0f}, step.dim);
    }
    const Vec2 feet{30.0f, 70.0f};
    canvas.SetTransform(
        Transform::Translation(step.slide).After(Transform::Rotation(feet, step.lean)));
    TrollPose pose;
    pose.holdsClub = index == 0;
    pose.face = step.face;
    pose.flash = step.flash;
    pose.dim = step.dim;
    pose.farArm = index == 0 ? -20.0f : -60.0f;
    pose.nearThigh = index >= 1 && index <= 2 ? 20.0f : 6.0f;
    pose.nearKnee = index >= 1 && index <= 2 ? 25.0f : 0.0f;
    DrawTroll(canvas, pose);
    canvas.ResetTransform();
    if (index == 0) {
        DrawImpact(canvas, {46.0f, 36.0f}, 13.0f, 10.0f);
    } else if (index == 1) {
        DrawTrollClub(canvas, {52.0f, 44.0f}, {62.0f, 24.0f}, 0);
    } else if (index == 2) {
        DrawTrollClub(canvas, {44.0f, 62.0f}, {62.0f, 51.0f}, 0);
    } else if (index == 3) {
        DrawDust(canvas, {24.0f, 70.0f}, 16.0f, 5.0f);
    } else if (index == 4) {
        DrawDazeStars(canvas, {13.0f, 36.0f}, 7.0f, 20.0f);
    }
    return canvas.Resolve();
}

}  // namespace

MonsterKind MakeTroll() {
    constexpr int kDeathFrames = static_cast<int>(std::size(kDeathSteps));
    return DrawMonsterKind("troll", {"troll_walk.bmp", 64, 72, 4, 2, kWalkFrames}, WalkFrame,
                           {"troll_die.bmp", 72, 72, 3, 2, kDeathFrames}, DeathFrame);
}

}  // namespace lexo
