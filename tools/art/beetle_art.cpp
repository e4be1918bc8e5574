#include "beetle_art.h"

#include <algorithm>
#include <cmath>

namespace lexo {

namespace {

constexpr float kFemur = 8.0f;
constexpr float kTibia = 9.0f;

Rgb Tone(Rgb colour, const BeetlePose& pose) {
    const Rgb dull = Mix(colour, Rgb{120, 112, 100}, pose.dim * 0.5f);
    return Mix(Scale(dull, 1.0f - pose.dim * 0.2f), Rgb{255, 250, 235}, pose.flash);
}

// The knee of a two-part leg from hip to foot, on the side of `bend`: insect knees point up
// and away from the middle of the body.
Vec2 Knee(Vec2 hip, Vec2 foot, Vec2 bend) {
    const Vec2 span = foot - hip;
    const float reach = std::clamp(Length(span), 1.0f, kFemur + kTibia - 0.01f);
    const float cosA = (kFemur * kFemur + reach * reach - kTibia * kTibia) / (2 * kFemur * reach);
    const float a = std::acos(std::clamp(cosA, -1.0f, 1.0f));
    const Vec2 dir = span * (1.0f / std::max(Length(span), 1e-3f));
    const Vec2 left{dir.x * std::cos(a) - dir.y * std::sin(a),
                    dir.x * std::sin(a) + dir.y * std::cos(a)};
    const Vec2 right{dir.x * std::cos(a) + dir.y * std::sin(a),
                     -dir.x * std::sin(a) + dir.y * std::cos(a)};
    const Vec2 k1 = hip + left * kFemur;
    const Vec2 k2 = hip + right * kFemur;
    return Dot(k1 - hip, bend) > Dot(k2 - hip, bend) ? k1 : k2;
}

void DrawLeg(SpriteCanvas& canvas, int leg, Vec2 hip, Vec2 foot, Rgb colour) {
    const Vec2 bends[] = {{1.0f, -1.0f}, {0.0f, -1.0f}, {-1.0f, -1.0f}};
    const Vec2 knee = Knee(hip, foot, bends[leg % 3]);
    canvas.Fill(Union({Capsule(hip, knee, 2.2f, 1.8f), Capsule(knee, foot, 1.8f, 1.2f)}),
                Body(colour, 1.5f));
}

void DrawHead(SpriteCanvas& canvas, const BeetlePose& pose) {
    const float b = pose.bob;
    const Rgb chitin = Tone({74, 52, 46}, pose);
    const Vec2 base{51.0f, 22.0f + b};
    const Vec2 tip = Limb(base, 12.0f, 165.0f - pose.antennaSwing);
    const Vec2 mid = Lerp(base, tip, 0.5f) + Vec2{1.5f, 0};
    canvas.Fill(Union({Capsule(base, mid, 1.1f), Capsule(mid, tip, 1.1f), Circle(tip, 2.0f)}),
                Body(chitin, 1.0f));

    canvas.Fill(Ellipse({58.0f, 33.0f + b}, 3.8f, 1.8f, 25.0f),
                Body(Tone({120, 80, 50}, pose), 1.0f));
    canvas.Fill(Ellipse({51.0f, 29.0f + b}, 8.0f, 7.5f), Body(chitin, 4.0f));

    const Vec2 eye{53.5f, 26.5f + b};
    const Rgb ink = Tone({24, 18, 16}, pose);
    if (pose.face == BeetleFace::Dead) {
        canvas.Fill(Capsule({eye.x - 2.0f, eye.y - 2.0f}, {eye.x + 2.0f, eye.y + 2.0f}, 0.7f),
                    Flat({230, 220, 200}));
        canvas.Fill(Capsule({eye.x - 2.0f, eye.y + 2.0f}, {eye.x + 2.0f, eye.y - 2.0f}, 0.7f),
                    Flat({230, 220, 200}));
        return;
    }
    const float r = pose.face == BeetleFace::Hurt ? 3.8f : 3.3f;
    canvas.Fill(Circle(eye, r), Paint{Tone({250, 246, 228}, pose), ink, 0.8f, 0});
    const float pupil = pose.face == BeetleFace::Hurt ? 0.9f : 1.5f;
    canvas.Fill(Circle({eye.x + 1.1f, eye.y + 0.3f}, pupil), Flat(ink));
}

void DrawShell(SpriteCanvas& canvas, const BeetlePose& pose) {
    const float b = pose.bob;
    canvas.Fill(Ellipse({31.0f, 33.0f + b}, 18.0f, 6.5f), Body(Tone({70, 50, 44}, pose), 3.0f));
    const Rgb shell = Tone({200, 70, 42}, pose);
    canvas.Fill(Ellipse({27.0f, 24.0f + b}, 21.0f, 14.5f, -4.0f), Body(shell, 10.0f));
    // The seam between the wing cases and the rim of the shell.
    canvas.Fill(Capsule({10.0f, 25.0f + b}, {45.0f, 25.0f + b}, 0.6f), Flat(Scale(shell, 0.55f)));
    const Rgb spot = Tone({245, 196, 82}, pose);
    canvas.Fill(Circle({20.0f, 17.0f + b}, 3.2f), Body(spot, 1.5f));
    canvas.Fill(Circle({33.0f, 14.0f + b}, 2.8f), Body(spot, 1.5f));
    canvas.Fill(Circle({13.0f, 28.0f + b}, 2.2f), Body(spot, 1.0f));
    canvas.Fill(Ellipse({21.0f, 13.0f + b}, 6.0f, 2.0f, -18.0f),
                Flat(Mix(shell, {255, 240, 220}, 0.55f)));
}

}  // namespace

Vec2 BeetleHip(int leg, float bob) {
    const float x[] = {38.0f, 29.0f, 20.0f};
    const float farShift = -3.0f;
    return {x[leg % 3] + (leg >= 3 ? farShift : 0.0f), 34.0f + bob - (leg >= 3 ? 1.5f : 0.0f)};
}

void DrawBeetle(SpriteCanvas& canvas, const BeetlePose& pose) {
    const Rgb farLeg = Tone({44, 32, 30}, pose);
    const Rgb nearLeg = Tone({66, 48, 42}, pose);
    for (int leg = 3; leg < 6; ++leg) {
        DrawLeg(canvas, leg, BeetleHip(leg, pose.bob), pose.feet[leg], farLeg);
    }
    DrawHead(canvas, pose);
    DrawShell(canvas, pose);
    for (int leg = 0; leg < 3; ++leg) {
        DrawLeg(canvas, leg, BeetleHip(leg, pose.bob), pose.feet[leg], nearLeg);
    }
}

}  // namespace lexo
