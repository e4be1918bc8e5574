// Laying premultiplied pixels over the frame: every channel rounds as p + d * (255 - A) / 255
// does.

#include "blend.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "scale_rows.h"

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

TEST(Blend, KeyedRowsCopyOpaquePixelsAndLeaveTheRest) {
    const std::vector<Pixel> cell = {0xFF102030, 0,          0, 0xFF405060, 0xFF708090,
                                     0,          0xFFA0B0C0, 0, 0,          0xFFFFFFFF};
    std::vector<Pixel> frame(cell.size(), kOpaqueBlack | 0x010203);
    LayKeyedRow(frame.data(), cell.data(), cell.size());
    for (size_t i = 0; i < cell.size(); ++i) {
        EXPECT_EQ(frame[i], cell[i] != 0 ? cell[i] : 0xFF010203u) << i;
    }
}

TEST(ScaleRows, TheWidePassAcrossInterpolatesAsThePlainOneDoes) {
    std::mt19937 random(7);
    std::vector<Pixel> source(300);
    for (Pixel& p : source) p = random();
    // Enlarging (neighbours close together), shrinking (spread wide), and lengths off the vector.
    for (double step : {0.37, 0.5, 1.0, 2.6}) {
        for (size_t count : {size_t{7}, size_t{8}, size_t{101}}) {
            std::vector<int32_t> index(count), next(count);
            std::vector<uint16_t> weight(count);
            for (size_t i = 0; i < count; ++i) {
                index[i] = static_cast<int32_t>(i * step);
                next[i] = index[i] + 1;
                weight[i] = static_cast<uint16_t>(1 + random() % 127);
            }
            std::vector<Pixel> wide(count), plain(count);
            ScaleAcross(wide.data(), source.data(), source.size(), index.data(), next.data(),
                        weight.data(), count, ScalePath::Best);
            ScaleAcross(plain.data(), source.data(), source.size(), index.data(), next.data(),
                        weight.data(), count, ScalePath::Plain);
            EXPECT_EQ(wide, plain) << step << " " << count;
        }
    }
}

TEST(ScaleRows, LerpWeighsEveryChannel) {
    // Halfway between black and white on every channel; a pixel with itself is itself.
    EXPECT_EQ(Lerp(0x00000000, 0xFFFFFFFF, 64), 0x7F7F7F7Fu);
    EXPECT_EQ(Lerp(0x12345678, 0x12345678, 64), 0x12345678u);
}

}  // namespace
}  // namespace lexo
