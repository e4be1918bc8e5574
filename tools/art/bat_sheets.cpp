#include <cmath>
#include <iterator>

#include "effects.h"
#include "monster_kind.h"

namespace lexo {

namespace {

constexpr int kWidth = 56;
constexpr int kHeight = 40;
constexpr int kWalkFrames = 6;
constexpr float kMiddle = 28.0f;

enum class BatFace { Keen, Hurt, Dead };

// The bat seen from the front with its face turned right, wings spread to both sides.
struct BatPose {
    float bob = 0;   // body height change, pixels (negative is up)
    float flap = 0;  // -1 wings down … 1 wings up
    float fold = 0;  // 0 spread … 1 wrapped around the body
    BatFace face = BatFace::Keen;
    float flash = 0;
    float dim = 0;
};

// One wing, `side` -1 for the left and 1 for the right: a membrane between the arm and two
// fingers, scalloped between the finger tips, with the bones drawn over it.
void DrawWing(SpriteCanvas& canvas, const BatPose& pose, float side, Rgb membrane, Rgb bone) {
    const float b = pose.bob;
    const float reach = 1.0f - 0.55f * pose.fold;
    const Vec2 shoulder{kMiddle + side * 5.0f, 19.0f + b};
    const Vec2 hip{kMiddle + side * 4.0f, 27.0f + b};
    const Vec2 wrist{kMiddle + side * 14.0f * reach, 13.0f + b - pose.flap * 6.0f};
    const Vec2 tip{kMiddle + side * 25.0f * reach, 15.0f + b - pose.flap * 10.0f};
    const Vec2 finger1{wrist.x + side * 7.0f * reach, wrist.y + 12.0f - pose.flap * 3.0f};
    const Vec2 finger2{wrist.x - side * 2.0f * reach, wrist.y + 14.0f - pose.flap * 2.0f};
    const Vec2 notch1 = Lerp(tip, finger1, 0.5f) + Vec2{-side * 1.5f, -2.0f};
    const Vec2 notch2 = Lerp(finger1, finger2, 0.5f) + Vec2{0, -2.5f};
    const Vec2 notch3 = Lerp(finger2, hip, 0.5f) + Vec2{0, -2.0f};
    canvas.Fill(Polygon({shoulder, wrist, tip, notch1, finger1, notch2, finger2, notch3, hip}),
                Body(membrane, 2.5f));
    canvas.Fill(Union({Capsule(shoulder, wrist, 1.3f, 1.0f), Capsule(wrist, tip, 0.8f, 0.5f),
                       Capsule(wrist, finger1, 0.7f, 0.5f), Capsule(wrist, finger2, 0.7f, 0.5f)}),
                Flat(bone));
    canvas.Fill(Polygon({{wrist.x - 1.0f, wrist.y},
                         {wrist.x + side * 1.0f, wrist.y - 3.5f},
                         {wrist.x + 1.0f, wrist.y}}),
                Body(bone, 0));
}

void DrawFace(SpriteCanvas& canvas, Vec2 head, const BatPose& pose) {
    const Rgb ink = Toned({30, 18, 26}, pose.flash, pose.dim);
    const Vec2 eyes[] = {{head.x + 0.5f, head.y - 0.5f}, {head.x + 5.0f, head.y - 0.5f}};
    for (const Vec2& eye : eyes) {
        if (pose.face == BatFace::Dead) {
            // Pale crosses: dark ones would vanish in the fur.
            const Paint cross = Flat({226, 214, 200});
            canvas.Fill(Capsule({eye.x - 1.5f, eye.y - 1.5f}, {eye.x + 1.5f, eye.y + 1.5f}, 0.6f),
                        cross);
            canvas.Fill(Capsule({eye.x - 1.5f, eye.y + 1.5f}, {eye.x + 1.5f, eye.y - 1.5f}, 0.6f),
                        cross);
            continue;
        }
        const float r = pose.face == BatFace::Hurt ? 2.6f : 2.2f;
        canvas.Fill(Circle(eye, r),
                    Paint{Toned({255, 226, 80}, pose.flash, pose.dim), ink, 0.7f, 0});
        canvas.Fill(Circle({eye.x + 0.8f, eye.y + 0.2f}, pose.face == BatFace::Hurt ? 0.7f : 1.1f),
                    Flat(ink));
    }
    canvas.Fill(Ellipse({head.x + 3.5f, head.y + 3.0f}, 1.6f, 1.1f),
                Flat(Toned({196, 110, 130}, pose.flash, pose.dim)));
    // A small grin with two fangs.
    const Vec2 mouth{head.x + 3.0f, head.y + 5.2f};
    canvas.Fill(Capsule({mouth.x - 2.2f, mouth.y - 0.5f}, {mouth.x + 2.2f, mouth.y - 0.5f}, 0.55f),
                Flat(ink));
    const Rgb fang = Toned({250, 248, 236}, pose.flash, pose.dim);
    for (float x : {mouth.x - 1.4f, mouth.x + 1.4f}) {
        canvas.Fill(Polygon({{x - 0.7f, mouth.y}, {x + 0.7f, mouth.y}, {x, mouth.y + 1.8f}}),
                    Flat(fang));
    }
}

void DrawBat(SpriteCanvas& canvas, const BatPose& pose) {
    const float b = pose.bob;
    const Rgb fur = Toned({104, 76, 104}, pose.flash, pose.dim);
    const Rgb membrane = Toned({156, 98, 136}, pose.flash, pose.dim);
    const Rgb bone = Toned({70, 46, 70}, pose.flash, pose.dim);
    DrawWing(canvas, pose, -1.0f, Scale(membrane, 0.85f), bone);
    DrawWing(canvas, pose, 1.0f, membrane, bone);

    // Little feet tucked under the body.
    for (float x : {kMiddle - 2.5f, kMiddle + 2.5f}) {
        canvas.Fill(Capsule({x, 27.0f + b}, {x, 31.0f + b}, 1.0f), Flat(bone));
    }
    canvas.Fill(Ellipse({kMiddle, 23.0f + b}, 7.0f, 8.0f), Body(fur, 5.0f));
    canvas.Fill(Ellipse({kMiddle + 1.0f, 25.0f + b}, 4.0f, 5.0f),
                Body(Mix(fur, Rgb{214, 170, 150}, 0.45f), 3.0f));

    const Vec2 head{kMiddle, 13.0f + b};
    const Rgb inner = Toned({222, 140, 160}, pose.flash, pose.dim);
    for (float side : {-1.0f, 1.0f}) {
        const Vec2 base{head.x + side * 3.5f + 1.0f, head.y - 3.0f};
        const Vec2 top{head.x + side * 6.0f + 1.5f, head.y - 11.0f};
        canvas.Fill(Polygon({{base.x - 3.0f, base.y}, top, {base.x + 3.0f, base.y}}),
                    Body(fur, 1.5f));
        canvas.Fill(Polygon({{base.x - 1.5f, base.y - 0.5f},
                             Lerp(top, base, 0.25f),
                             {base.x + 1.5f, base.y - 0.5f}}),
                    Flat(inner));
    }
    canvas.Fill(Ellipse({head.x + 1.5f, head.y + 1.0f}, 7.0f, 6.0f), Body(fur, 4.0f));
    DrawFace(canvas, head, pose);
}

BatPose FlyPose(int frame) {
    const float p = 2.0f * kPi * static_cast<float>(frame) / kWalkFrames;
    BatPose pose;
    pose.flap = std::cos(p);
    // The body rises a little after each downstroke.
    pose.bob = 1.5f * std::cos(p) + 0.5f;
    return pose;
}

Image FlyFrame(int frame) {
    SpriteCanvas canvas(kWidth, kHeight);
    DrawBat(canvas, FlyPose(frame));
    return canvas.Resolve();
}

struct FallStep {
    float spin;  // degrees, around the middle of the body
    Vec2 drop;   // where the body has fallen to
    float fold;
    float flash;
    BatFace face;
    float dim;
};

// Hit in the air: a flash, the wings crumple, a tumble, then spread flat on the ground.
constexpr FallStep kFallSteps[] = {
    {0.0f, {0.0f, 0.0f}, 0.0f, 0.55f, BatFace::Hurt, 0.0f},
    {35.0f, {2.0f, 4.0f}, 0.6f, 0.1f, BatFace::Hurt, 0.0f},
    {75.0f, {1.0f, 8.0f}, 1.0f, 0.0f, BatFace::Hurt, 0.0f},
    {0.0f, {0.0f, 4.0f}, 0.1f, 0.0f, BatFace::Hurt, 0.0f},
    {0.0f, {0.0f, 4.0f}, 0.0f, 0.0f, BatFace::Dead, 0.3f},
};

Image FallFrame(int index) {
    const FallStep& step = kFallSteps[index];
    SpriteCanvas canvas(kWidth, kHeight);
    const Vec2 centre{kMiddle, 20.0f};
    canvas.SetTransform(
        Transform::Translation(step.drop).After(Transform::Rotation(centre, step.spin)));
    BatPose pose;
    pose.flap = index == 0 ? 0.6f : index >= 3 ? -1.0f : -0.3f;
    pose.fold = step.fold;
    pose.flash = step.flash;
    pose.face = step.face;
    pose.dim = step.dim;
    DrawBat(canvas, pose);
    canvas.ResetTransform();
    if (index == 0) {
        DrawImpact(canvas, {kMiddle + 2.0f, 20.0f}, 11.0f, 15.0f);
    } else if (index == 3) {
        DrawDust(canvas, {kMiddle, 38.0f}, 22.0f, 3.5f);
        DrawDazeStars(canvas, {kMiddle + 2.0f, 7.0f}, 7.0f, 40.0f);
    }
    return canvas.Resolve();
}

}  // namespace

MonsterKind MakeBat() {
    constexpr int kFallFrames = static_cast<int>(std::size(kFallSteps));
    return DrawMonsterKind("bat", {"bat_fly.bmp", kWidth, kHeight, 3, 2, kWalkFrames}, FlyFrame,
                           {"bat_die.bmp", kWidth, kHeight, 5, 1, kFallFrames}, FallFrame);
}

}  // namespace lexo
