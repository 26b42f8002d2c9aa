// No data (a resource the loader did not find) is refused without a second report. Only checked natively:
// on Windows the catcher can show that no box came only by waiting out its time.
#include <gtest/gtest.h>
#include "graphics/KW_Pic.h"
#include "graphics/KW_Vid.h"
#include "support/ReportCatcher.h"

using Picture = KW_Pic<KW_Pix_A32>;

TEST(Picture, MapOfNoDataIsRefusedWithoutAnotherReport) {
    Picture pic;
    ReportCatcher catcher;
    EXPECT_FALSE(pic.map(nullptr, 0));
    EXPECT_EQ("", catcher.text());
    EXPECT_EQ(nullptr, pic.pixels);
}

TEST(Strip, MapOfNoDataLeavesTheStripUnusable) {
    KW_Vid vid;
    ReportCatcher catcher;
    EXPECT_FALSE(vid.map(nullptr, 0));
    EXPECT_EQ("", catcher.text());
    EXPECT_EQ(0, vid.frameCount);
    Picture dest;
    ASSERT_TRUE(dest.resize(4, 4));
    EXPECT_FALSE(vid.drawFrame(0, dest, 0, 0, {0, 0, 4, 4}));
}
