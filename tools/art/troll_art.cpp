#include "troll_art.h"

namespace lexo {

namespace {

struct TrollColours {
    Rgb skin;
    Rgb skinFar;
    Rgb belly;
    Rgb cloth;
    Rgb wood;
    Rgb eye;
    Rgb tusk;
    Rgb mouth;
};

Rgb Tone(Rgb colour, const TrollPose& pose) {
    const Rgb dull = Mix(colour, Rgb{120, 120, 105}, pose.dim * 0.45f);
    return Mix(Scale(dull, 1.0f - pose.dim * 0.2f), Rgb{255, 250, 235}, pose.flash);
}

TrollColours ColoursFor(const TrollPose& pose) {
    return {Tone({112, 150, 78}, pose),  Tone({84, 116, 60}, pose),  Tone({168, 186, 112}, pose),
            Tone({128, 84, 46}, pose),   Tone({150, 104, 58}, pose), Tone({250, 214, 70}, pose),
            Tone({240, 232, 206}, pose), Tone({70, 36, 30}, pose)};
}

void DrawLeg(SpriteCanvas& canvas, Vec2 hip, float thigh, float knee, Rgb skin) {
    const Vec2 kneeAt = Limb(hip, 10.0f, thigh);
    const Vec2 ankle = Limb(kneeAt, 9.0f, thigh - knee);
    canvas.Fill(Union({Capsule(hip, kneeAt, 5.0f, 4.3f), Capsule(kneeAt, ankle, 4.3f, 3.6f)}),
                Body(skin, 3.5f));
    canvas.Fill(Ellipse({ankle.x + 3.0f, ankle.y + 1.2f}, 6.2f, 3.0f),
                Body(Scale(skin, 0.85f), 2.0f));
}

void DrawFace(SpriteCanvas& canvas, Vec2 head, const TrollColours& c, TrollFace face) {
    // Jaw and tusk below the muzzle, then the big nose over both.
    canvas.Fill(Ellipse({head.x + 3.0f, head.y + 7.5f}, 8.5f, 5.0f), Body(c.skin, 3.0f));
    if (face == TrollFace::Dead) {
        canvas.Fill(Ellipse({head.x + 7.0f, head.y + 9.0f}, 3.0f, 1.6f), Flat(c.mouth));
        canvas.Fill(Ellipse({head.x + 8.5f, head.y + 10.5f}, 2.0f, 2.4f),
                    Body(Rgb{200, 90, 90}, 1.5f));
    } else {
        canvas.Fill(Polygon({{head.x + 3.0f, head.y + 8.5f},
                             {head.x + 11.0f, head.y + 8.0f},
                             {head.x + 10.0f, head.y + 10.0f},
                             {head.x + 4.0f, head.y + 10.3f}}),
                    Flat(c.mouth));
        canvas.Fill(Polygon({{head.x + 8.0f, head.y + 8.6f},
                             {head.x + 9.6f, head.y + 3.8f},
                             {head.x + 10.6f, head.y + 8.4f}}),
                    Body(c.tusk, 0));
    }
    canvas.Fill(Ellipse({head.x + 10.5f, head.y + 2.0f}, 4.6f, 3.6f), Body(c.skin, 3.0f));
    canvas.Fill(Ellipse({head.x - 7.0f, head.y - 1.0f}, 3.0f, 4.2f, -20.0f), Body(c.skinFar, 2.0f));

    const Vec2 eye{head.x + 4.5f, head.y - 3.0f};
    if (face == TrollFace::Dead) {
        canvas.Fill(Capsule({eye.x - 2.0f, eye.y - 2.0f}, {eye.x + 2.0f, eye.y + 2.0f}, 0.7f),
                    Flat(c.mouth));
        canvas.Fill(Capsule({eye.x - 2.0f, eye.y + 2.0f}, {eye.x + 2.0f, eye.y - 2.0f}, 0.7f),
                    Flat(c.mouth));
        return;
    }
    const float open = face == TrollFace::Hurt ? 3.0f : 2.4f;
    canvas.Fill(Ellipse(eye, open, open), Body(c.eye, 0));
    canvas.Fill(Circle({eye.x + 0.8f, eye.y + 0.2f}, 1.1f), Flat(Rgb{30, 20, 15}));
    // The brow: a frown when walking, raised when hit.
    const float lift = face == TrollFace::Hurt ? -2.0f : 0.0f;
    canvas.Fill(Capsule({eye.x - 3.5f, eye.y - 3.5f + lift},
                        {eye.x + 3.0f, eye.y - 2.0f + lift * 0.5f}, 1.3f),
                Flat(Scale(c.skin, 0.45f)));
}

}  // namespace

void DrawTrollClub(SpriteCanvas& canvas, Vec2 grip, Vec2 head, float dim) {
    const Rgb wood = Mix(Rgb{150, 104, 58}, Rgb{120, 120, 105}, dim * 0.45f);
    canvas.Fill(Capsule(grip, head, 2.2f, 5.6f), Body(wood, 3.0f));
    const Vec2 knot = Lerp(grip, head, 0.8f);
    canvas.Fill(Circle({knot.x + 1.5f, knot.y + 0.5f}, 1.3f), Flat(Scale(wood, 0.55f)));
    canvas.Fill(Circle({head.x - 1.0f, head.y + 1.5f}, 1.1f), Flat(Scale(wood, 0.55f)));
}

void DrawTroll(SpriteCanvas& canvas, const TrollPose& pose) {
    const TrollColours c = ColoursFor(pose);
    const float b = pose.bob;

    // The far arm swings behind the body.
    const Vec2 farShoulder{27.0f, 29.0f + b};
    const Vec2 farElbow = Limb(farShoulder, 11.0f, pose.farArm);
    const Vec2 farHand = Limb(farElbow, 10.0f, pose.farArm + 12.0f);
    canvas.Fill(Union({Capsule(farShoulder, farElbow, 4.6f, 3.8f),
                       Capsule(farElbow, farHand, 3.8f, 3.4f), Circle(farHand, 4.4f)}),
                Body(c.skinFar, 3.0f));

    DrawLeg(canvas, {26.0f, 48.5f + b}, pose.farThigh, pose.farKnee, c.skinFar);

    canvas.Fill(Ellipse({30.0f, 36.0f + b}, 15.5f, 16.0f, 12.0f), Body(c.skin, 9.0f));
    canvas.Fill(Ellipse({36.0f, 40.0f + b}, 8.5f, 10.5f, 10.0f), Body(c.belly, 5.0f));
    canvas.Fill(Polygon({{17.0f, 45.0f + b},
                         {42.0f, 45.0f + b},
                         {40.0f, 55.0f + b},
                         {33.0f, 52.0f + b},
                         {27.0f, 56.0f + b},
                         {19.0f, 53.0f + b}}),
                Body(c.cloth, 3.0f));

    DrawLeg(canvas, {32.0f, 48.5f + b}, pose.nearThigh, pose.nearKnee, c.skin);

    const Vec2 head{44.0f, 18.0f + b};
    canvas.Fill(Ellipse(head, 10.0f, 9.5f), Body(c.skin, 6.0f));
    DrawFace(canvas, head, c, pose.face);

    // The club rests on the near shoulder, its heavy end behind the back.
    const Vec2 hand{41.0f, 32.0f + b};
    if (pose.holdsClub) {
        DrawTrollClub(canvas, {hand.x + 2.0f, hand.y + 1.0f}, {13.0f, 9.0f + b}, pose.dim);
    }
    const Vec2 shoulder{33.0f, 29.0f + b};
    const Vec2 elbow{37.0f, 41.0f + b};
    const Vec2 fist = pose.holdsClub ? hand : Vec2{44.0f, 45.0f + b};
    canvas.Fill(Union({Capsule(shoulder, elbow, 5.0f, 4.2f), Capsule(elbow, fist, 4.2f, 3.6f),
                       Circle(fist, 4.4f)}),
                Body(c.skin, 3.5f));
}

}  // namespace lexo
