// The text label rendered by the platform's font engine (Tahoma on the bench): a cleared picture, a background
// that stays transparent, every touched pixel opaque, and the three alignments.
#include <gtest/gtest.h>
#include <algorithm>
#include "core/KW_command.h"
#include "widgets/KW_Wid_Text.h"
#include "windows/KW_Win_Win32.h"

namespace {

struct Ink {
    int left = 1 << 20, right = -1, top = 1 << 20, bottom = -1;  // bounds of the non-zero pixels
    int pixels = 0;
    bool allOpaque = true;
};

Ink inkOf(const KW_Wid_Text& t) {
    Ink ink;
    for (int y = 0; y < t.picture.height; ++y)
        for (int x = 0; x < t.picture.width; ++x) {
            const KW_Pix_A32 p = t.picture.row(y)[x];
            if (p.word() == 0) continue;
            ++ink.pixels;
            ink.allOpaque = ink.allOpaque && p.a == 255;
            ink.left = std::min(ink.left, x);
            ink.right = std::max(ink.right, x);
            ink.top = std::min(ink.top, y);
            ink.bottom = std::max(ink.bottom, y);
        }
    return ink;
}

struct LabelTest : testing::Test {
    KW_Win_Win32 win{200, 100};
    KW_Wid_Text* label = nullptr;

    void make(const char* options) {
        char command[256] = "KW_Wid_Text -l 0 -t 0 -w 80 -h 16 ";
        strcat_s(command, sizeof command, options);
        KW_command(command, &label);
        KW_command("KW_Wid %o -win %o", label, &win);
    }
    ~LabelTest() override { KW_command("%o -delete", label); }
};

TEST_F(LabelTest, AlignsLeftCentredOrRightAndCentresVertically) {
    make("-font Tahoma -size 12 -text Filter");
    for (int32_t horz : {-1, 0, 5}) {
        KW_command("KW_Wid_Text %o -horz %i", label, horz);
        label->prepare();
        const Ink ink = inkOf(*label);
        ASSERT_GT(ink.pixels, 20) << horz;
        EXPECT_TRUE(ink.allOpaque) << horz;
        EXPECT_LE(std::abs(ink.top - (15 - ink.bottom)), 3) << horz;
        if (horz < 0) {
            EXPECT_LE(ink.left, 2);
        } else if (horz > 0) {
            EXPECT_GE(ink.right, 77);
        } else {
            EXPECT_LE(std::abs(ink.left - (79 - ink.right)), 2);
        }
        EXPECT_LT(ink.right - ink.left, 60) << "one short word";
    }
}

TEST_F(LabelTest, GlyphsTakeTheColourAndTheBackgroundStaysTransparent) {
    make("-font Tahoma -size 12 -color 0x00A57BBD -text Filter");
    label->prepare();
    const KW_Pic<KW_Pix_A32>& p = label->picture;
    ASSERT_EQ(80, p.width);
    ASSERT_EQ(16, p.height);
    int full = 0;
    for (int k = 0; k < 80 * 16; ++k) {
        const KW_Pix_A32 q = p.pixels[k];
        if (q.word() == 0xFFBD7BA5) ++full;
        EXPECT_TRUE(q.word() == 0 || q.a == 255);
        EXPECT_LE(q.r, 0xBD);
        EXPECT_LE(q.g, 0x7B);
        EXPECT_LE(q.b, 0xA5);
    }
    EXPECT_GT(full, 0) << "fully covered pixels show the colour itself";
    EXPECT_EQ(0u, p.pixels[0].word());
}

TEST_F(LabelTest, BlackTextLeavesEveryPixelTransparent) {
    make("-font Tahoma -size 12 -color 0 -text Filter");
    label->prepare();
    EXPECT_EQ(0, inkOf(*label).pixels);
    EXPECT_EQ(80, label->picture.width);
}

TEST_F(LabelTest, RendersWithoutAFontAndAgainForANewTextAtTheNextDraw) {
    make("-text Filter");
    KW_Pic<KW_Pix_A32> target;
    target.resize(80, 16);
    label->draw(target, 0, 0, {0, 0, 80, 16});
    const int before = inkOf(*label).pixels;
    EXPECT_GT(before, 20) << "the surface's default font";
    KW_command("KW_Wid_Text %o -text %s", label, "Cutoff frequency");
    EXPECT_EQ(before, inkOf(*label).pixels) << "the option itself renders nothing";
    label->draw(target, 0, 0, {0, 0, 80, 16});
    EXPECT_GT(inkOf(*label).pixels, before);
    EXPECT_STREQ("Cutoff frequency", label->renderedText.get());
}

TEST_F(LabelTest, BoldAndSizeMakeTheFontWithTheirWeightAndHeight) {
    make("-font Tahoma -size 12");
    HFONT regular = label->fontHandle;
    ASSERT_NE(nullptr, regular);
    KW_command("KW_Wid_Text %o -size 12", label);
    EXPECT_EQ(regular, label->fontHandle);
    KW_command("KW_Wid_Text %o -bold 1", label);
    LOGFONTA f{};
    ASSERT_NE(0, GetObjectA(label->fontHandle, sizeof f, &f));
    EXPECT_EQ(700, f.lfWeight);
    EXPECT_EQ(-12, f.lfHeight);
    EXPECT_STREQ("Tahoma", f.lfFaceName);
}

TEST(Label, DetachedItRendersNothing) {
    KW_Wid_Text* label = nullptr;
    KW_command("KW_Wid_Text -w 80 -h 16 -text Filter", &label);
    label->prepare();
    EXPECT_EQ(nullptr, label->picture.pixels);
    EXPECT_FALSE(label->rendered);
    KW_command("%o -delete", label);
}

}  // namespace
