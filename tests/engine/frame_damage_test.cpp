// The frame repaints only what changed between pictures; whatever changes, the result must be
// the picture a fresh frame paints from scratch.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "frame.h"

namespace lexo {
namespace {

constexpr int kWidth = 130;
constexpr int kHeight = 70;

Texture MakeTexture(int width, int height, uint32_t seed, bool keyed) {
    Image image;
    image.width = width;
    image.height = height;
    std::mt19937 random(seed);
    for (int i = 0; i < width * height; ++i) {
        image.pixels.push_back(keyed && random() % 3 == 0
                                   ? PixelFromColourRef(0xFF0000)
                                   : PixelFromRgb(random(), random(), random()));
    }
    Texture texture(std::move(image));
    if (keyed) texture.ApplyColourKey(0xFF0000);
    return texture;
}

// Glyphs 'a' ... 'd': boxes of varied coverage, with an outline plane.
DftFont MakeFont() {
    DftFont font;
    font.lineHeight = 8;
    font.ascent = 6;
    font.atlasWidth = 16;
    font.atlasHeight = 6;
    font.hasOutline = true;
    font.outlineColour = 0x00FFFF;
    std::mt19937 random(7);
    for (int i = 0; i < 16 * 6; ++i) {
        font.coverage.push_back(static_cast<uint8_t>(random() % 4 == 0 ? 0 : random() % 256));
        font.outline.push_back(static_cast<uint8_t>(random() % 2 ? 255 : random() % 256));
    }
    for (int c = 0; c < 4; ++c) {
        font.glyphs['a' + c] = {static_cast<uint16_t>(4 * c),
                                0,
                                4,
                                6,
                                static_cast<int16_t>(c - 1),
                                static_cast<int16_t>(c),
                                static_cast<int16_t>(3 + c)};
    }
    return font;
}

// One thing in the scene.
struct Item {
    int kind = 0;  // 0 background, 1 sprite, 2 stretched sprite, 3 text
    int x = 0, y = 0, frame = 1;
    bool mirrored = false;
    std::string text;
};

class FrameDamage : public ::testing::Test {
  protected:
    DrawList Commands(const std::vector<Item>& scene, const Rect& bounds) const {
        DrawList list;
        for (const Item& item : scene) {
            if (item.kind == 3) {
                GlyphRun glyphs = font_.ShownGlyphs(item.text.c_str(), TextEncoding::Cp1251, 1.0,
                                                    item.x, bounds.x1);
                list.push_back(DrawCommand::MakeText(font_, item.x, item.y, std::move(glyphs),
                                                     TextStyle{0x2040F0, 255, 1.0}, bounds));
                continue;
            }
            const Texture& texture = item.kind == 0 ? background_ : sheet_;
            CellRect cell{0, 0, texture.Picture().width, texture.Picture().height};
            if (item.kind != 0) cell = {(item.frame - 1) % 2 * 6, (item.frame - 1) / 2 * 6, 6, 6};
            int size = item.kind == 2 ? 9 : cell.width;
            Placement at{item.x, item.y, item.kind == 0 ? 44 : size, item.kind == 0 ? 30 : size,
                         item.mirrored};
            list.push_back(DrawCommand::MakeCell(texture, cell, at, bounds));
        }
        // The frame keeps no draw that lands wholly outside it.
        std::erase_if(list, [](const DrawCommand& command) { return command.bounds.Empty(); });
        return list;
    }

    static void Paint(Frame& frame, const DrawList& list) {
        frame.Begin();
        for (const DrawCommand& command : list) frame.Record(command);
        frame.End();
    }

    Texture background_ = MakeTexture(44, 30, 1, false);
    Texture sheet_ = MakeTexture(12, 12, 2, true);
    Font font_{MakeFont()};
};

TEST_F(FrameDamage, EveryPictureEqualsOnePaintedFromScratch) {
    std::mt19937 random(2024);
    auto position = [&](int range) { return static_cast<int>(random() % (range + 20)) - 10; };
    std::vector<Item> scene{{0, 3, 2, 1, false, ""}};
    Frame frame;
    ASSERT_TRUE(frame.Resize(kWidth, kHeight));
    DrawList previous;
    for (int step = 0; step < 400; ++step) {
        const int change = static_cast<int>(random() % 8);
        if (change == 0 || scene.size() < 3) {
            Item item{1 + static_cast<int>(random() % 3), position(kWidth),  position(kHeight),
                      1 + static_cast<int>(random() % 4), random() % 2 == 0, ""};
            for (int n = 1 + random() % 3; n > 0; --n)
                item.text += static_cast<char>('a' + random() % 5);
            scene.insert(scene.begin() + 1 + random() % scene.size(), item);
        } else if (change == 1) {
            scene.erase(scene.begin() + 1 + random() % (scene.size() - 1));
        } else if (change < 6) {
            Item& item = scene[1 + random() % (scene.size() - 1)];
            item.x += static_cast<int>(random() % 5) - 2;
            item.y += static_cast<int>(random() % 5) - 2;
            item.frame = change == 5 ? 1 + static_cast<int>(random() % 4) : item.frame;
        } else if (change == 6) {
            scene[0].x = static_cast<int>(random() % 9) - 2;  // the background moves too
        }
        DrawList list = Commands(scene, frame.Bounds());
        const Image before = frame.Completed();
        Paint(frame, list);
        Frame fresh;
        fresh.Resize(kWidth, kHeight);
        Paint(fresh, list);
        ASSERT_EQ(frame.Completed().pixels, fresh.Completed().pixels) << "step " << step;
        // What is presented is only what changed: every changed pixel lies in a changed part.
        const std::vector<Rect> changes = frame.TakeChanges();
        EXPECT_EQ(changes.empty(), list == previous) << "step " << step;
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth; ++x) {
                if (before.Row(y)[x] == frame.Completed().Row(y)[x]) continue;
                ASSERT_TRUE(std::ranges::any_of(
                    changes,
                    [&](const Rect& r) { return r.x0 <= x && x < r.x1 && r.y0 <= y && y < r.y1; }))
                    << "step " << step << " pixel " << x << ", " << y;
            }
        }
        previous = std::move(list);
    }
}

TEST_F(FrameDamage, ALastingBeginningIsKeptPaintedAndFollowsItsChanges) {
    // A background, things lying on it that change now and then, things moving every frame:
    // the frame keeps the lasting beginning painted and must let no change of it slip by.
    std::mt19937 random(5);
    auto position = [&](int range) { return static_cast<int>(random() % (range + 20)) - 10; };
    std::vector<Item> lying;
    for (int i = 0; i < 8; ++i)
        lying.push_back({1, position(kWidth), position(kHeight), 4, false, ""});
    std::vector<Item> moving;
    for (int i = 0; i < 6; ++i) {
        moving.push_back({1, position(kWidth), position(kHeight), 1, i % 2 == 0, ""});
        moving.push_back({3, moving.back().x, moving.back().y - 7, 1, false, "abc"});
    }
    int backgroundX = 0;
    Frame frame;
    ASSERT_TRUE(frame.Resize(kWidth, kHeight));
    for (int step = 0; step < 300; ++step) {
        for (Item& item : moving) item.x += step % 3 == 0 ? -2 : 1;
        const int change = static_cast<int>(random() % 12);
        if (change == 0) lying.push_back({1, position(kWidth), position(kHeight), 4, false, ""});
        if (change == 1 && !lying.empty()) lying.erase(lying.begin() + random() % lying.size());
        if (change == 2 && !lying.empty()) lying[random() % lying.size()].x += 1;
        if (change == 3) backgroundX = backgroundX == 0 ? -3 : 0;
        std::vector<Item> scene;
        // Tiles of the background cover the frame; the first is an opaque draw like the game's.
        for (int y = 0; y < kHeight; y += 30) {
            for (int x = backgroundX; x < kWidth; x += 44) scene.push_back({0, x, y, 1, false, ""});
        }
        scene.insert(scene.end(), lying.begin(), lying.end());
        scene.insert(scene.end(), moving.begin(), moving.end());
        const DrawList list = Commands(scene, frame.Bounds());
        Paint(frame, list);
        Frame fresh;
        fresh.Resize(kWidth, kHeight);
        Paint(fresh, list);
        ASSERT_EQ(frame.Completed().pixels, fresh.Completed().pixels) << "step " << step;
    }
}

TEST_F(FrameDamage, ATallDrawIsLaidAgainOnlyInTheRowsThatChanged) {
    // A tall still sprite with a small one lying on it halfway down, and wide ones moving across
    // its top and its bottom: the middle rows never change, so the tall one must not be laid
    // there again over the small one.
    const CellRect cell{0, 0, 6, 6};
    auto scene = [&](int shift) {
        const Rect bounds = Rect{0, 0, kWidth, kHeight};
        return DrawList{
            DrawCommand::MakeCell(sheet_, cell, {20, 0, 12, 64, false}, bounds),
            DrawCommand::MakeCell(sheet_, cell, {21, 26, 9, 9, true}, bounds),
            DrawCommand::MakeCell(sheet_, cell, {10 + shift, 2, 30, 6, false}, bounds),
            DrawCommand::MakeCell(sheet_, cell, {12 - shift, 55, 30, 6, false}, bounds),
        };
    };
    Frame frame;
    ASSERT_TRUE(frame.Resize(kWidth, kHeight));
    for (int shift = 0; shift < 4; ++shift) {
        const DrawList list = scene(shift);
        Paint(frame, list);
        Frame fresh;
        fresh.Resize(kWidth, kHeight);
        Paint(fresh, list);
        ASSERT_EQ(frame.Completed().pixels, fresh.Completed().pixels) << "shift " << shift;
    }
}

TEST_F(FrameDamage, AResizeForgetsWhatThePicturesShowed) {
    Frame frame;
    frame.Resize(kWidth, kHeight);
    std::vector<Item> scene{{0, 0, 0, 1, false, ""}, {3, 5, 5, 1, false, "abc"}};
    Paint(frame, Commands(scene, frame.Bounds()));
    Paint(frame, Commands(scene, frame.Bounds()));
    frame.Resize(kWidth, kHeight);
    EXPECT_EQ(frame.Completed().pixels, std::vector<Pixel>(kWidth * kHeight, kOpaqueBlack));
    Paint(frame, Commands(scene, frame.Bounds()));
    Frame fresh;
    fresh.Resize(kWidth, kHeight);
    Paint(fresh, Commands(scene, fresh.Bounds()));
    EXPECT_EQ(frame.Completed().pixels, fresh.Completed().pixels);
}

}  // namespace
}  // namespace lexo
