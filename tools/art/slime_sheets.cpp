#include <algorithm>
#include <cmath>
#include <iterator>

#include "effects.h"
#include "monster_kind.h"

namespace lexo {

namespace {

constexpr int kWidth = 56;
constexpr int kHeight = 36;
constexpr int kWalkFrames = 8;
constexpr float kGround = 33.0f;

enum class SlimeFace { Happy, Hurt, Dead };

// One pose of the slime, facing right, resting on y = kGround.
struct SlimePose {
    float centre = 28.0f;  // x of the middle of the blob
    float width = 20.0f;   // half-width at the ground
    float height = 25.0f;  // from the ground to the top
    float lean = 0;        // how far the top leans forward, pixels
    SlimeFace face = SlimeFace::Happy;
    float flash = 0;
    float dim = 0;
};

// A dome standing on the ground: a wide, flat base under a rounder, leaning top.
Shape Blob(const SlimePose& pose) {
    const float base = std::max(2.5f, pose.height * 0.35f);
    const float top = std::min(pose.width * 0.55f, pose.height * 0.5f);
    return Union({Ellipse({pose.centre, kGround - base}, pose.width, base),
                  Ellipse({pose.centre + pose.lean * 0.5f, kGround - pose.height * 0.5f},
                          pose.width * 0.8f, pose.height * 0.5f),
                  Circle({pose.centre + pose.lean, kGround - pose.height + top}, top)});
}

void DrawFace(SpriteCanvas& canvas, const SlimePose& pose) {
    const Rgb ink = Toned({84, 20, 44}, pose.flash, pose.dim);
    const float eyeY = kGround - pose.height * 0.62f;
    const float x = pose.centre + pose.lean * 0.8f + pose.width * 0.25f;
    const Vec2 eyes[] = {{x - 4.0f, eyeY}, {x + 4.0f, eyeY}};
    for (const Vec2& eye : eyes) {
        if (pose.face == SlimeFace::Dead) {
            canvas.Fill(Capsule({eye.x - 1.8f, eye.y - 1.8f}, {eye.x + 1.8f, eye.y + 1.8f}, 0.7f),
                        Flat(ink));
            canvas.Fill(Capsule({eye.x - 1.8f, eye.y + 1.8f}, {eye.x + 1.8f, eye.y - 1.8f}, 0.7f),
                        Flat(ink));
            continue;
        }
        const float r = pose.face == SlimeFace::Hurt ? 3.5f : 3.1f;
        canvas.Fill(Circle(eye, r),
                    Paint{Toned({252, 255, 244}, pose.flash, pose.dim), ink, 0.8f, 0});
        canvas.Fill(
            Circle({eye.x + 0.9f, eye.y + 0.3f}, pose.face == SlimeFace::Hurt ? 0.8f : 1.4f),
            Flat(ink));
    }
    const Vec2 mouth{x, eyeY + 5.0f};
    if (pose.face == SlimeFace::Happy) {
        canvas.Fill(
            Union({Capsule({mouth.x - 3.0f, mouth.y - 0.8f}, {mouth.x, mouth.y + 0.8f}, 0.7f),
                   Capsule({mouth.x, mouth.y + 0.8f}, {mouth.x + 3.0f, mouth.y - 0.8f}, 0.7f)}),
            Flat(ink));
    } else {
        canvas.Fill(Ellipse(mouth, 1.8f, pose.face == SlimeFace::Hurt ? 2.0f : 0.8f), Flat(ink));
    }
}

void DrawSlime(SpriteCanvas& canvas, const SlimePose& pose) {
    const Rgb jelly = Toned({238, 112, 158}, pose.flash, pose.dim);
    canvas.Fill(Blob(pose), Body(jelly, 7.0f));
    // Bubbles inside and a wet shine on top.
    const Rgb bubble = Mix(jelly, Rgb{255, 236, 244}, 0.5f);
    canvas.Fill(Circle({pose.centre - pose.width * 0.45f, kGround - pose.height * 0.28f}, 1.6f),
                Flat(bubble));
    canvas.Fill(Circle({pose.centre - pose.width * 0.2f, kGround - pose.height * 0.45f}, 1.1f),
                Flat(bubble));
    canvas.Fill(Circle({pose.centre + pose.width * 0.15f, kGround - pose.height * 0.18f}, 1.3f),
                Flat(bubble));
    canvas.Fill(
        Ellipse({pose.centre + pose.lean * 0.7f - pose.width * 0.3f, kGround - pose.height * 0.82f},
                pose.width * 0.28f, 1.6f, -30.0f),
        Flat(Mix(jelly, Rgb{255, 255, 240}, 0.7f)));
    DrawFace(canvas, pose);
}

// A drop left behind on the ground, shrinking as the slime moves on.
void DrawTrail(SpriteCanvas& canvas, float x, float size, float dim) {
    if (size <= 0.5f) return;
    canvas.Fill(Ellipse({x, kGround - size * 0.6f}, size * 1.3f, size * 0.7f),
                Body(Toned({220, 96, 142}, 0, dim), 1.5f));
}

SlimePose OozePose(int frame) {
    const float p = 2.0f * kPi * static_cast<float>(frame) / kWalkFrames;
    SlimePose pose;
    // Squash wide and low, then stretch tall and narrow, leaning into the step.
    const float squash = std::sin(p);
    pose.width = 20.0f + 3.0f * squash;
    pose.height = 24.5f - 4.5f * squash;
    pose.lean = 2.0f - 2.5f * std::cos(p);
    pose.centre = 28.0f + 1.0f * std::cos(p);
    return pose;
}

Image OozeFrame(int frame) {
    SpriteCanvas canvas(kWidth, kHeight);
    const float p = static_cast<float>(frame) / kWalkFrames;
    DrawTrail(canvas, 6.0f, 3.0f * (1.0f - p), 0);
    DrawSlime(canvas, OozePose(frame));
    return canvas.Resolve();
}

struct SplatStep {
    float width;
    float height;
    float flash;
    SlimeFace face;
    float dim;
};

// Hit: a flash, a wobble up, then the blob slumps into a puddle.
constexpr SplatStep kSplatSteps[] = {
    {20.0f, 24.5f, 0.55f, SlimeFace::Hurt, 0.0f}, {16.5f, 29.0f, 0.1f, SlimeFace::Hurt, 0.0f},
    {22.5f, 16.0f, 0.0f, SlimeFace::Hurt, 0.0f},  {23.0f, 11.5f, 0.0f, SlimeFace::Hurt, 0.0f},
    {23.0f, 10.5f, 0.0f, SlimeFace::Dead, 0.15f}, {23.0f, 10.0f, 0.0f, SlimeFace::Dead, 0.3f},
};

Image SplatFrame(int index) {
    const SplatStep& step = kSplatSteps[index];
    SpriteCanvas canvas(kWidth, kHeight);
    SlimePose pose;
    pose.width = step.width;
    pose.height = step.height;
    pose.lean = 0;
    pose.face = step.face;
    pose.flash = step.flash;
    pose.dim = step.dim;
    if (index >= 2) {
        // Splashed drops around the puddle.
        const float spread = index == 2 ? 20.0f : 22.0f;
        DrawTrail(canvas, 28.0f - spread, 2.2f, step.dim);
        DrawTrail(canvas, 28.0f + spread, 1.8f, step.dim);
    }
    DrawSlime(canvas, pose);
    if (index == 0) {
        DrawImpact(canvas, {31.0f, 20.0f}, 12.0f, 5.0f);
    } else if (index == 4) {
        DrawDazeStars(canvas, {32.0f, 16.0f}, 7.0f, 10.0f);
    }
    return canvas.Resolve();
}

}  // namespace

MonsterKind MakeSlime() {
    constexpr int kSplatFrames = static_cast<int>(std::size(kSplatSteps));
    return DrawMonsterKind("slime", {"slime_ooze.bmp", kWidth, kHeight, 4, 2, kWalkFrames},
                           OozeFrame, {"slime_die.bmp", kWidth, kHeight, 3, 2, kSplatFrames},
                           SplatFrame);
}

}  // namespace lexo
