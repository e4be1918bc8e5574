#include <cmath>
#include <iterator>

#include "effects.h"
#include "monster_kind.h"

namespace lexo {

namespace {

constexpr int kWalkFrames = 8;
constexpr float kGround = 70.0f;
constexpr float kThigh = 11.0f;
constexpr float kShin = 10.0f;

// One pose of the skeleton, facing right with its feet on kGround of a 48-pixel-wide box.
struct SkeletonPose {
    float bob = 0;
    float nearThigh = 0;  // swing from hanging, degrees (positive is forward)
    float nearKnee = 0;   // knee bend, degrees
    float farThigh = 0;
    float farKnee = 0;
    float nearArm = 0;
    float farArm = 0;
    Vec2 skullShift{};  // the skull jolted off the neck
    bool eyesLit = true;
    float flash = 0;
    float dim = 0;
};

struct Bones {
    Rgb near;
    Rgb far;
    Rgb hollow;
    Rgb glow;
};

Bones BonesFor(float flash, float dim) {
    return {Toned({234, 228, 206}, flash, dim), Toned({190, 182, 160}, flash, dim),
            Toned({52, 40, 44}, flash, dim), Toned({255, 150, 50}, flash, dim)};
}

// A long bone: a shaft with a knob at each end.
Shape Bone(Vec2 a, Vec2 b, float shaft, float knob) {
    return Union({Capsule(a, b, shaft), Circle(a, knob), Circle(b, knob)});
}

void DrawLeg(SpriteCanvas& canvas, Vec2 hip, float thigh, float knee, Rgb bone) {
    const Vec2 kneeAt = Limb(hip, kThigh, thigh);
    const Vec2 ankle = Limb(kneeAt, kShin, thigh - knee);
    canvas.Fill(Union({Bone(hip, kneeAt, 1.5f, 2.2f), Bone(kneeAt, ankle, 1.4f, 2.0f),
                       Ellipse({ankle.x + 2.5f, ankle.y + 0.3f}, 4.0f, 1.8f)}),
                Body(bone, 1.5f));
}

void DrawArm(SpriteCanvas& canvas, Vec2 shoulder, float swing, Rgb bone) {
    const Vec2 elbow = Limb(shoulder, 9.0f, swing);
    const Vec2 hand = Limb(elbow, 8.0f, swing + 25.0f);
    canvas.Fill(Union({Bone(shoulder, elbow, 1.3f, 1.9f), Bone(elbow, hand, 1.2f, 1.7f),
                       Circle(hand, 2.3f)}),
                Body(bone, 1.5f));
}

// The ribcage: a round bony frame with dark gaps between the ribs, and the spine below it.
void DrawTorso(SpriteCanvas& canvas, Vec2 chest, const Bones& c) {
    canvas.Fill(
        Union({Capsule({chest.x - 3.0f, chest.y - 8.0f}, {chest.x - 4.0f, chest.y + 14.0f}, 1.6f),
               Ellipse({chest.x - 4.0f, chest.y + 16.0f}, 6.0f, 3.4f)}),
        Body(c.near, 1.5f));
    canvas.Fill(Ellipse(chest, 7.5f, 8.5f, 8.0f), Body(c.near, 3.0f));
    for (int rib = 0; rib < 3; ++rib) {
        const float y = chest.y - 4.0f + 4.0f * static_cast<float>(rib);
        canvas.Fill(Ellipse({chest.x + 1.0f, y}, 4.2f - 0.4f * rib, 0.9f, 8.0f), Flat(c.hollow));
    }
}

void DrawSkull(SpriteCanvas& canvas, Vec2 skull, const Bones& c, bool lit) {
    canvas.Fill(Union({Circle(skull, 8.0f), Ellipse({skull.x + 4.0f, skull.y + 6.0f}, 5.0f, 3.5f)}),
                Body(c.near, 4.0f));
    const Vec2 socket{skull.x + 3.5f, skull.y - 0.5f};
    canvas.Fill(Ellipse(socket, 2.8f, 3.0f), Flat(c.hollow));
    if (lit) {
        canvas.Fill(Circle({socket.x + 0.6f, socket.y + 0.3f}, 1.2f), Flat(c.glow));
    }
    canvas.Fill(Polygon({{skull.x + 7.0f, skull.y + 2.0f},
                         {skull.x + 8.5f, skull.y + 4.5f},
                         {skull.x + 6.5f, skull.y + 4.5f}}),
                Flat(c.hollow));
    // The grin: a row of teeth between two dark lines.
    canvas.Fill(Capsule({skull.x + 1.5f, skull.y + 6.5f}, {skull.x + 8.5f, skull.y + 6.5f}, 0.5f),
                Flat(c.hollow));
    for (float x = skull.x + 3.0f; x < skull.x + 8.5f; x += 2.0f) {
        canvas.Fill(Capsule({x, skull.y + 5.6f}, {x, skull.y + 7.4f}, 0.35f), Flat(c.hollow));
    }
}

void DrawSkeleton(SpriteCanvas& canvas, const SkeletonPose& pose) {
    const Bones c = BonesFor(pose.flash, pose.dim);
    const float b = pose.bob;
    DrawArm(canvas, {27.0f, 29.0f + b}, pose.farArm, c.far);
    DrawLeg(canvas, {22.0f, 47.5f + b}, pose.farThigh, pose.farKnee, c.far);
    DrawTorso(canvas, {28.0f, 34.0f + b}, c);
    DrawLeg(canvas, {25.0f, 47.5f + b}, pose.nearThigh, pose.nearKnee, c.near);
    canvas.Fill(Capsule({26.0f, 21.0f + b}, {25.0f, 27.0f + b}, 1.8f), Body(c.near, 1.0f));
    DrawSkull(canvas, Vec2{27.0f, 13.0f + b} + pose.skullShift, c, pose.eyesLit);
    DrawArm(canvas, {29.0f, 29.0f + b}, pose.nearArm, c.near);
}

SkeletonPose WalkPose(int frame) {
    const float p = 2.0f * kPi * static_cast<float>(frame) / kWalkFrames;
    SkeletonPose pose;
    pose.bob = -1.2f * std::cos(2.0f * p);
    pose.nearThigh = 24.0f * std::sin(p);
    pose.farThigh = -24.0f * std::sin(p);
    pose.nearKnee = 36.0f * std::max(0.0f, std::cos(p));
    pose.farKnee = 36.0f * std::max(0.0f, -std::cos(p));
    // Arms reach forward, swinging against the legs.
    pose.nearArm = 42.0f - 15.0f * std::sin(p);
    pose.farArm = 42.0f + 15.0f * std::sin(p);
    return pose;
}

Image WalkFrame(int frame) {
    SpriteCanvas canvas(48, 72);
    DrawSkeleton(canvas, WalkPose(frame));
    return canvas.Resolve();
}

// The skeleton in a heap on the ground: `spread` 0 freshly fallen, 1 settled.
void DrawHeap(SpriteCanvas& canvas, float spread, float skullTurn, const Bones& c, bool lit) {
    const float g = kGround - 2.0f;
    canvas.Fill(Bone({10.0f - 3.0f * spread, g}, {30.0f, g - 4.0f}, 1.5f, 2.2f), Body(c.far, 1.5f));
    canvas.Fill(Bone({20.0f, g - 1.0f}, {40.0f + 4.0f * spread, g - 6.0f}, 1.5f, 2.2f),
                Body(c.near, 1.5f));
    canvas.SetTransform(Transform::Rotation({28.0f, g - 8.0f}, 80.0f));
    DrawTorso(canvas, {28.0f, g - 8.0f}, c);
    canvas.ResetTransform();
    canvas.Fill(Bone({14.0f, g - 2.0f}, {30.0f + 6.0f * spread, g}, 1.3f, 1.9f),
                Body(c.near, 1.5f));
    canvas.SetTransform(Transform::Rotation({50.0f, g - 7.0f}, skullTurn));
    DrawSkull(canvas, {50.0f, g - 7.0f}, c, lit);
    canvas.ResetTransform();
}

Image DeathFrame(int index) {
    SpriteCanvas canvas(64, 72);
    if (index <= 2) {
        // Hit, the skull jolts off, the legs buckle and the bones start to fall.
        const float lean[] = {-6.0f, -14.0f, -30.0f};
        const Vec2 slide[] = {{2.0f, 0.0f}, {4.0f, -2.0f}, {8.0f, -3.5f}};
        SkeletonPose pose;
        pose.flash = index == 0 ? 0.55f : 0.0f;
        pose.skullShift = index == 0 ? Vec2{} : index == 1 ? Vec2{5.0f, -2.0f} : Vec2{14.0f, 4.0f};
        pose.nearKnee = index == 2 ? 50.0f : 10.0f;
        pose.farKnee = index == 2 ? 60.0f : 10.0f;
        pose.nearThigh = index == 2 ? 35.0f : 5.0f;
        pose.nearArm = index == 0 ? 40.0f : 120.0f;
        pose.farArm = index == 0 ? 50.0f : 140.0f;
        pose.eyesLit = index == 0;
        canvas.SetTransform(Transform::Translation(slide[index])
                                .After(Transform::Rotation({26.0f, kGround}, lean[index])));
        DrawSkeleton(canvas, pose);
        canvas.ResetTransform();
        if (index == 0) DrawImpact(canvas, {34.0f, 32.0f}, 12.0f, 0.0f);
        return canvas.Resolve();
    }
    const float dim[] = {0.0f, 0.15f, 0.3f};
    const Bones c = BonesFor(0, dim[index - 3]);
    DrawHeap(canvas, index == 3 ? 0.0f : 1.0f, index == 3 ? -40.0f : -15.0f, c, false);
    if (index == 3) {
        DrawDust(canvas, {30.0f, 70.0f}, 20.0f, 4.5f);
    }
    return canvas.Resolve();
}

}  // namespace

MonsterKind MakeSkeleton() {
    constexpr int kDeathFrames = 6;
    return DrawMonsterKind("skeleton", {"skeleton_walk.bmp", 48, 72, 4, 2, kWalkFrames}, WalkFrame,
                           {"skeleton_die.bmp", 64, 72, 3, 2, kDeathFrames}, DeathFrame);
}

}  // namespace lexo
