// Laying premultiplied pixels over the frame: every channel rounds as p + d * (255 - A) / 255
// does, and the wide row versions lay exactly what the plain one lays, only where asked.

#include "blend.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace lexo {
namespace {

uint32_t Channel(Pixel p, int shift) { return p >> shift & 0xFF; }

TEST(Blend, EveryChannelRoundsToTheNearestValue) {
    for (uint32_t a = 0; a <= 255; ++a) {
        // The largest colour a premultiplied pixel of this alpha can carry, in every channel.
        const Pixel p = a << 24 | a << 16 | (a / 2) << 8 | 0;
        for (uint32_t d = 0; d <= 255; ++d) {
            const Pixel frame = kOpaque | d << 16 | d << 8 | d;
            const Pixel laid = BlendPremultiplied(p, frame);
            const uint32_t kept = (d * (255 - a) + 127) / 255;
            ASSERT_EQ(laid >> 24, 0xFFu) << a << " over " << d;
            ASSERT_EQ(Channel(laid, 16), a + kept) << a << " over " << d;
            ASSERT_EQ(Channel(laid, 8), a / 2 + kept) << a << " over " << d;
            ASSERT_EQ(Channel(laid, 0), kept) << a << " over " << d;
        }
    }
}

TEST(Blend, OverComposesTranslucentLayers) {
    EXPECT_EQ(Over(0, 0x80402010), 0x80402010u);
    EXPECT_EQ(Over(0xFF123456, 0x80402010), 0xFF123456u);
    // Half-covered red over half-covered green: alpha 128 + 127 * 128 / 255.
    EXPECT_EQ(Over(Premultiplied(0xFF0000, 128), Premultiplied(0x00FF00, 128)), 0xC0804000u);
    EXPECT_EQ(Premultiplied(0xFFFFFF, 0), 0u);
    EXPECT_EQ(Premultiplied(0x80FF40, 255), 0xFF80FF40u);
}

TEST(Blend, WideRowsLayWhatThePlainOneLaysAndNothingBeyond) {
    std::mt19937 random(7);
    auto premultiplied = [&] {
        const uint32_t a = random() % 4 == 0 ? 0 : random() % 4 == 0 ? 255 : random() % 256;
        return Premultiplied(random(), a);
    };
    constexpr size_t kGuard = 9;
    constexpr Pixel kUntouched = 0x12345678;
    for (size_t count = 0; count <= 70; ++count) {
        for (size_t offset = 0; offset < 3; ++offset) {
            std::vector<Pixel> src(offset + count);
            for (Pixel& p : src) p = premultiplied();
            std::vector<Pixel> wide(kGuard + count + kGuard, kUntouched);
            for (size_t i = 0; i < count; ++i) wide[kGuard + i] = kOpaque | random();
            std::vector<Pixel> plain = wide;
            BlendRow(plain.data() + kGuard, src.data() + offset, count, BlendPath::Plain);
            for (BlendPath path : {BlendPath::Best, BlendPath::Portable}) {
                std::vector<Pixel> laid = wide;
                BlendRow(laid.data() + kGuard, src.data() + offset, count, path);
                ASSERT_EQ(laid, plain) << count << " pixels, path " << static_cast<int>(path);
            }
            for (size_t i = 0; i < kGuard; ++i) {
                ASSERT_EQ(plain[i], kUntouched) << count << " pixels";
                ASSERT_EQ(plain[kGuard + count + i], kUntouched) << count << " pixels";
            }
        }
    }
}

}  // namespace
}  // namespace lexo
