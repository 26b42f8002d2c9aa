#include <gtest/gtest.h>
#include <cmath>
#include <cstring>
#include "graphics/KW_Pix_A32.h"

namespace {

struct BlendCase {
    uint32_t destination, source, expected;
};

}  // namespace

TEST(Blend, KnownPixels) {
    const BlendCase cases[] = {
        {0x00000000, 0xFFFFFFFF, 0xFEFEFEFE},  // white over transparent black leaves a trace: 254
        {0xFEFEFEFE, 0xFFFFFFFF, 0xFEFEFEFE},  // and stays 254 however often it is repeated
        {0xFFFFFFFF, 0xFF000000, 0xFF000000},  // black over white: the floor reaches 0
        {0x80646464, 0x80C8C8C8, 0x80969696},  // alpha 128, 200 over 100: 150
        {0x12345678, 0x00FFFFFF, 0x12345678},  // alpha 0 leaves the destination
        {0xFF102030, 0x40FF0000, 0xCF4B1824},  // each byte on its own, alpha included
    };
    for (const BlendCase& c : cases) {
        KW_Pix_A32 d = KW_Pix_A32::of(c.destination);
        d.blend(KW_Pix_A32::of(c.source));
        EXPECT_EQ(c.expected, d.word()) << std::hex << c.destination << " under " << c.source;
    }
}

// Every destination byte, source byte and alpha against the rule written as real arithmetic: the destination
// moves by (s - d) * alpha / 256, rounded toward minus infinity.
TEST(Blend, EveryByteFollowsTheFlooredRule) {
    for (int alpha = 0; alpha < 256; ++alpha) {
        for (int s = 0; s < 256; ++s) {
            for (int d = 0; d < 256; ++d) {
                const int expected = d + static_cast<int>(std::floor((s - d) * alpha / 256.0));
                KW_Pix_A32 pixel{uint8_t(d), uint8_t(d), uint8_t(d), uint8_t(d)};
                pixel.blend({uint8_t(s), 0, uint8_t(255 - s), uint8_t(alpha)});
                ASSERT_EQ(expected, pixel.b) << d << " " << s << " " << alpha;
                ASSERT_EQ(d + static_cast<int>(std::floor((255 - s - d) * alpha / 256.0)), pixel.r);
                ASSERT_EQ(d + static_cast<int>(std::floor((alpha - d) * alpha / 256.0)), pixel.a);
            }
        }
    }
}

TEST(Blend, WordIsLittleEndianBlueFirst) {
    const KW_Pix_A32 p = KW_Pix_A32::of(0xAABBCCDD);
    EXPECT_EQ(0xDD, p.b);
    EXPECT_EQ(0xCC, p.g);
    EXPECT_EQ(0xBB, p.r);
    EXPECT_EQ(0xAA, p.a);
    unsigned char bytes[4];
    static_assert(sizeof bytes == sizeof p);
    std::memcpy(bytes, &p, sizeof p);
    EXPECT_EQ(0xDD, bytes[0]);
    EXPECT_EQ(0xAA, bytes[3]);
}
