// Mode descriptions as the host's mode menu shows them.
#include <gtest/gtest.h>
#include <string>
#include "audio/KW_Rts.h"

namespace {

struct Case {
    int32_t rate, bits, frames, channels;
    const char* description;
};

class Description : public testing::TestWithParam<Case> {};

TEST_P(Description, IsBuiltFromThePiecesGiven) {
    const Case& c = GetParam();
    KW_Rts::Mode m(c.rate, c.bits, c.frames, c.channels);
    EXPECT_STREQ(m.description, c.description);
    EXPECT_EQ(m.rate, c.rate);
    EXPECT_EQ(m.bits, c.bits);
    EXPECT_EQ(m.frames, c.frames);
    EXPECT_EQ(m.channels, c.channels);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, Description,
    testing::Values(Case{48000, 32, 480, 2, " 48.0 kHz, 32 bit, stereo"},
                    Case{44100, 16, 441, 4, " 44.1 kHz, 16 bit, quadro"},
                    Case{96000, 32, 512, 8, " 96.0 kHz, 32 bit, 8 ch"},
                    Case{192000, 24, 1920, 1, "192.0 kHz, 24 bit, mono"},
                    Case{48000, 32, 256, 3, " 48.0 kHz, 32 bit, trio"},
                    Case{48000, 32, 256, 5, " 48.0 kHz, 32 bit, 5 ch"},
                    Case{44100, 0, 441, 2, " 44.1 kHz, stereo"},
                    Case{0, 16, 441, 16, "16 bit, 16 ch"},
                    Case{0, 0, 441, 2, "stereo"},
                    Case{48000, 32, 0, 2, " 48.0 kHz, 32 bit"},    // no block length: no channels
                    Case{48000, 32, 480, 0, " 48.0 kHz, 32 bit, "},  // no channels: no word
                    Case{48000, 32, 480, -3, " 48.0 kHz, 32 bit, "},
                    Case{0, 0, 0, 0, ""}));

TEST(Description, ExtremeValuesStayWithinTheText) {
    KW_Rts::Mode m(INT32_MIN, INT32_MIN, 1, INT32_MAX);
    EXPECT_EQ(std::string(m.description), "-2147483.6 kHz, -2147483648 bit, 2147483647 ch");
}

}  // namespace
