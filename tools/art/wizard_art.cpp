#include "wizard_art.h"

#include <cmath>

namespace lexo {

namespace {

constexpr Rgb kRobe{170, 44, 58};
constexpr Rgb kHat{150, 38, 52};
constexpr Rgb kGold{232, 184, 66};
constexpr Rgb kSkin{242, 196, 160};
constexpr Rgb kBeard{238, 236, 228};
constexpr Rgb kBoot{92, 58, 40};
constexpr Rgb kWood{146, 98, 56};
constexpr Rgb kInk{40, 26, 24};

Rgb Tone(Rgb colour, float flash) { return Mix(colour, Rgb{255, 250, 240}, flash); }

void DrawFace(SpriteCanvas& canvas, Vec2 head, const WizardPose& pose) {
    const Rgb ink = Tone(kInk, pose.flash);
    const Vec2 eye{head.x - 4.5f, head.y - 1.5f};
    switch (pose.face) {
        case WizardFace::Calm:
        case WizardFace::Shout: canvas.Fill(Ellipse(eye, 1.1f, 1.6f), Flat(ink)); break;
        case WizardFace::Hurt:
            canvas.Fill(Capsule({eye.x - 1.5f, eye.y - 1.2f}, {eye.x + 1.0f, eye.y}, 0.6f),
                        Flat(ink));
            canvas.Fill(Capsule({eye.x - 1.5f, eye.y + 1.2f}, {eye.x + 1.0f, eye.y}, 0.6f),
                        Flat(ink));
            break;
        case WizardFace::Out:
            canvas.Fill(Capsule({eye.x - 1.5f, eye.y - 1.5f}, {eye.x + 1.5f, eye.y + 1.5f}, 0.6f),
                        Flat(ink));
            canvas.Fill(Capsule({eye.x - 1.5f, eye.y + 1.5f}, {eye.x + 1.5f, eye.y - 1.5f}, 0.6f),
                        Flat(ink));
            break;
    }
    canvas.Fill(Capsule({eye.x - 2.2f, eye.y - 3.2f}, {eye.x + 1.8f, eye.y - 2.8f}, 0.8f),
                Flat(Tone(kBeard, pose.flash)));
    canvas.Fill(Ellipse({head.x - 7.8f, head.y + 1.0f}, 2.2f, 1.8f),
                Body(Tone({232, 160, 130}, pose.flash), 1.0f));
}

void DrawBeard(SpriteCanvas& canvas, Vec2 head, const WizardPose& pose) {
    const Paint beard = Body(Tone(kBeard, pose.flash), 3.0f);
    canvas.Fill(Polygon({{head.x - 7.0f, head.y + 2.0f},
                         {head.x + 3.0f, head.y + 3.0f},
                         {head.x + 2.0f, head.y + 12.0f},
                         {head.x - 3.0f, head.y + 19.0f},
                         {head.x - 6.5f, head.y + 11.0f}}),
                beard);
    if (pose.face == WizardFace::Shout || pose.face == WizardFace::Hurt) {
        canvas.Fill(Ellipse({head.x - 5.0f, head.y + 4.5f}, 1.8f, 1.6f),
                    Flat(Tone({110, 34, 40}, pose.flash)));
    }
}

void DrawRobe(SpriteCanvas& canvas, const WizardPose& pose) {
    const Rgb robe = Tone(kRobe, pose.flash);
    const Rgb gold = Tone(kGold, pose.flash);
    canvas.Fill(Ellipse({34.0f, 79.0f}, 6.5f, 3.5f), Body(Tone(kBoot, pose.flash), 2.0f));
    canvas.Fill(Ellipse({45.0f, 79.5f}, 6.0f, 3.2f), Body(Tone(kBoot, pose.flash), 2.0f));
    canvas.Fill(Polygon({{31.0f, 36.0f},
                         {47.0f, 36.0f},
                         {52.0f, 58.0f},
                         {56.0f, 78.0f},
                         {22.0f, 78.0f},
                         {26.0f, 58.0f}}),
                Body(robe, 10.0f));
    canvas.Fill(Polygon({{23.0f, 73.0f}, {55.0f, 73.0f}, {56.0f, 78.0f}, {22.0f, 78.0f}}),
                Body(gold, 1.5f));
    canvas.Fill(Polygon({{27.0f, 53.0f}, {51.0f, 53.0f}, {51.5f, 56.0f}, {26.5f, 56.0f}}),
                Body(gold, 1.0f));
    canvas.Fill(Star({39.0f, 65.0f}, 3.2f, 1.4f, 5, 0), Flat(gold));
}

}  // namespace

void DrawWizardHat(SpriteCanvas& canvas, Vec2 brim, float degrees, float flash) {
    const Rgb hat = Tone(kHat, flash);
    const Transform rotate = Transform::Rotation(brim, degrees);
    auto at = [&](float dx, float dy) { return rotate.Apply({brim.x + dx, brim.y + dy}); };
    canvas.Fill(Polygon({at(-9.0f, 0.0f), at(-4.0f, -10.0f), at(3.0f, -17.0f), at(13.0f, -20.0f),
                         at(7.0f, -12.0f), at(9.0f, 0.0f)}),
                Body(hat, 5.0f));
    canvas.Fill(Polygon({at(-9.0f, 0.0f), at(-7.5f, -3.5f), at(8.5f, -3.5f), at(9.0f, 0.0f)}),
                Body(Tone(kGold, flash), 1.0f));
    canvas.Fill(Ellipse(at(0.0f, 0.8f), 14.0f, 3.0f, degrees), Body(hat, 2.0f));
    canvas.Fill(Star(at(2.0f, -9.0f), 2.8f, 1.2f, 5, degrees), Flat(Tone(kGold, flash)));
}

void DrawWizardStaff(SpriteCanvas& canvas, Vec2 foot, Vec2 head, StaffGlow glow) {
    canvas.Fill(Capsule(foot, head, 1.7f), Body(kWood, 1.5f));
    const Vec2 along = (head - foot) * (1.0f / Length(head - foot));
    const Vec2 gem = head + along * 3.0f;
    canvas.Fill(Capsule(head - along * 2.0f, head + along * 1.0f, 3.0f, 2.0f), Body(kGold, 1.5f));
    if (glow == StaffGlow::Flash) {
        canvas.Fill(Star(gem, 10.5f, 4.0f, 8, 0), Paint{{255, 226, 110}, {246, 150, 50}, 1.0f, 0});
        canvas.Fill(Star(gem, 7.0f, 3.0f, 8, 22.5f), Flat({255, 246, 190}));
        canvas.Fill(Circle(gem, 3.6f), Flat({255, 255, 244}));
    } else if (glow == StaffGlow::Sparkle) {
        canvas.Fill(Star(gem, 6.5f, 2.2f, 4, 45.0f),
                    Paint{{255, 236, 140}, {246, 170, 60}, 0.8f, 0});
        canvas.Fill(Circle(gem, 2.8f), Flat({255, 250, 210}));
        canvas.Fill(Star(gem + Vec2{-4.0f, 9.0f}, 2.6f, 1.0f, 4, 0), Flat({255, 230, 120}));
        canvas.Fill(Star(gem + Vec2{6.0f, -6.0f}, 2.2f, 0.9f, 4, 0), Flat({255, 230, 120}));
    } else {
        canvas.Fill(Circle(gem, 3.0f), Body({255, 172, 48}, 2.0f));
        canvas.Fill(Circle(gem + Vec2{-0.9f, -0.9f}, 0.9f), Flat({255, 240, 200}));
    }
}

void DrawWizard(SpriteCanvas& canvas, const WizardPose& pose) {
    const Rgb robe = Tone(kRobe, pose.flash);
    const Rgb skin = Tone(kSkin, pose.flash);
    const float lean = pose.reach * 2.0f;

    // The back arm hangs behind the robe.
    canvas.Fill(Union({Capsule({45.0f, 40.0f}, {50.0f, 56.0f}, 4.0f, 3.4f)}),
                Body(Scale(robe, 0.8f), 3.0f));
    canvas.Fill(Circle({50.5f, 58.0f}, 2.8f), Body(skin, 1.5f));

    DrawRobe(canvas, pose);

    const Vec2 head{38.0f - lean, 28.0f};
    canvas.Fill(Ellipse({head.x + 5.0f, head.y + 1.0f}, 5.5f, 6.5f),
                Body(Tone(kBeard, pose.flash), 3.0f));
    canvas.Fill(Circle(head, 8.0f), Body(skin, 5.0f));
    DrawFace(canvas, head, pose);
    DrawBeard(canvas, head, pose);
    if (pose.hatOn) {
        DrawWizardHat(canvas, {head.x + 1.0f, head.y - 6.0f}, 0, pose.flash);
    }

    // The staff arm: the staff upright at his side, or thrust forward and up.
    const Vec2 shoulder{33.0f - lean, 41.0f};
    const Vec2 foot = Lerp({22.0f, 80.0f}, {29.0f, 60.0f}, pose.reach);
    const Vec2 top = Lerp({23.0f, 15.0f}, {13.5f, 23.0f}, pose.reach);
    // The hand grips the staff a little below its middle, higher when thrusting.
    const Vec2 hand =
        pose.holdsStaff ? Lerp(foot, top, 0.4f + 0.14f * pose.reach) : Vec2{26.0f, 55.0f};
    const Vec2 elbow = Lerp(shoulder, hand, 0.5f) + Vec2{2.5f, 3.0f - 2.0f * pose.reach};
    if (pose.holdsStaff) {
        DrawWizardStaff(canvas, foot, top, pose.glow);
    }
    canvas.Fill(Union({Capsule(shoulder, elbow, 4.4f, 3.8f), Capsule(elbow, hand, 3.8f, 3.6f)}),
                Body(robe, 3.0f));
    canvas.Fill(Circle(hand, 3.0f), Body(skin, 1.5f));
}

}  // namespace lexo
