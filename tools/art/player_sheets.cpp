#include "player_sheets.h"

#include <iterator>

#include "effects.h"
#include "wizard_art.h"

namespace lexo {

namespace {

constexpr int kWidth = 78;
constexpr int kHeight = 84;
constexpr Vec2 kFeet{39.0f, 82.0f};

Image PlayerFrame(const WizardPose& pose) {
    SpriteCanvas canvas(kWidth, kHeight);
    DrawWizard(canvas, pose);
    return canvas.Resolve();
}

struct FallStep {
    float lean;  // degrees; positive tips him backward, to the right
    Vec2 slide;  // how far his feet have moved
    WizardFace face;
    float flash;
};

// Struck, he staggers back, loses hat and staff, falls and lies still.
constexpr FallStep kFall[] = {
    {8.0f, {0.0f, -1.5f}, WizardFace::Hurt, 0.5f},
    {22.0f, {-4.0f, -4.0f}, WizardFace::Hurt, 0.0f},
    {45.0f, {-12.0f, -9.0f}, WizardFace::Hurt, 0.0f},
    {72.0f, {-24.0f, -14.0f}, WizardFace::Hurt, 0.0f},
    {94.0f, {-34.0f, -21.0f}, WizardFace::Out, 0.0f},
    {90.0f, {-34.0f, -19.0f}, WizardFace::Out, 0.0f},
    {90.0f, {-34.0f, -19.0f}, WizardFace::Out, 0.0f},
};

void DrawDroppedThings(SpriteCanvas& canvas, int index) {
    // The hat flies off backward and lands on his chest; the staff falls forward.
    const Vec2 hatAt[] = {{0, 0},         {48.0f, 17.0f}, {53.0f, 20.0f}, {54.0f, 24.0f},
                          {46.0f, 34.0f}, {38.0f, 58.0f}, {38.0f, 58.0f}};
    const float hatTilt[] = {0, 20.0f, 45.0f, 80.0f, 160.0f, -8.0f, -8.0f};
    if (index >= 1) {
        DrawWizardHat(canvas, hatAt[index], hatTilt[index], 0);
    }
    if (index == 1) {
        DrawWizardStaff(canvas, {22.0f, 80.0f}, {16.0f, 18.0f}, StaffGlow::None);
    } else if (index == 2) {
        DrawWizardStaff(canvas, {22.0f, 80.0f}, {8.0f, 33.0f}, StaffGlow::None);
    }
}

Image FallFrame(int index) {
    const FallStep& step = kFall[index];
    SpriteCanvas canvas(kWidth, kHeight);
    if (index >= 3) {
        DrawWizardStaff(canvas, {58.0f, 79.5f}, {10.0f, 77.0f}, StaffGlow::None);
    }
    canvas.SetTransform(
        Transform::Translation(step.slide).After(Transform::Rotation(kFeet, step.lean)));
    WizardPose pose;
    pose.face = step.face;
    pose.flash = step.flash;
    pose.hatOn = index == 0;
    pose.holdsStaff = index == 0;
    DrawWizard(canvas, pose);
    canvas.ResetTransform();
    DrawDroppedThings(canvas, index);
    if (index == 0) {
        DrawImpact(canvas, {28.0f, 48.0f}, 11.0f, 0);
    } else if (index == 4) {
        DrawDust(canvas, {40.0f, 81.0f}, 24.0f, 4.5f);
    } else if (index == 5) {
        DrawDazeStars(canvas, {62.0f, 60.0f}, 8.0f, 40.0f);
    }
    return canvas.Resolve();
}

}  // namespace

std::vector<Image> MakePlayerFrames() {
    WizardPose stand;
    WizardPose cast;
    cast.reach = 1.0f;
    cast.face = WizardFace::Shout;
    cast.glow = StaffGlow::Flash;
    WizardPose after = cast;
    after.glow = StaffGlow::Sparkle;
    after.face = WizardFace::Calm;
    return {PlayerFrame(stand), PlayerFrame(cast), PlayerFrame(after)};
}

std::vector<Image> MakeDeadPlayerFrames() {
    std::vector<Image> frames;
    for (int i = 0; i < static_cast<int>(std::size(kFall)); ++i) {
        frames.push_back(FallFrame(i));
    }
    return frames;
}

}  // namespace lexo
