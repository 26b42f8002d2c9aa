// The picture widget: a resource repeated from the widget's corner, and its size taken from the picture.
#include "Art.h"
#include "Command.h"
#include "support/ReportCatcher.h"
#include "widgets/KW_Wid_Pic.h"

namespace {

// What the widget shows at (u, v) when drawn onto a transparent picture.
KW_Pix_A32 shownOnClear(KW_Pix_A32 s) {
    KW_Pix_A32 d;
    d.blend(s);
    return d;
}

TEST(Pic, RepeatsThePictureFromItsCorner) {
    auto* w = make<KW_Wid_Pic>("KW_Wid_Pic -w 200 -h 130 -res solid");
    ASSERT_EQ(200, w->width);
    KW_Pic<KW_Pix_A32> whole, quarter;
    whole.resize(200, 130);
    quarter.resize(100, 65);
    w->draw(whole, 0, 0, {0, 0, 200, 130});
    w->draw(quarter, 0, 0, {100, 65, 200, 130});
    for (int v = 0; v < 130; v += 7)
        for (int u = 0; u < 200; u += 3) {
            ASSERT_EQ(shownOnClear(art::solid(u % 63, v % 63)).word(), whole.row(v)[u].word()) << u << "," << v;
            if (u >= 100 && v >= 65) {
                ASSERT_EQ(whole.row(v)[u].word(), quarter.row(v - 65)[u - 100].word());
            }
        }
    KW_command("%o -delete", w);
}

TEST(Pic, TakesOnlyTheSizeItWasNotGiven) {
    struct Case {
        const char* command;
        int32_t w, h;
    };
    for (const Case& c : {Case{"KW_Wid_Pic -l 20 -t 8 -res logo", 160, 30}, Case{"KW_Wid_Pic -w 140 -h 10 -res LOGO", 140, 10},
                          Case{"KW_Wid_Pic -h 5 -res logo", 160, 5}, Case{"KW_Wid_Pic -res logo -w 7", 7, 30}}) {
        auto* w = make<KW_Wid_Pic>(c.command);
        EXPECT_EQ(c.w, w->width) << c.command;
        EXPECT_EQ(c.h, w->height) << c.command;
        EXPECT_STRCASEEQ("logo", w->resourceName.get()) << c.command;
        KW_command("%o -delete", w);
    }
}

TEST(Pic, AResourceThatIsNoPictureOrMissingChangesNothing) {
    auto* w = make<KW_Wid_Pic>("KW_Wid_Pic -res faint");
    const KW_Pix_A32* pixels = w->picture.pixels;
    struct Case {
        const char* name;
        const char* report;
    };
    for (const Case& c : {Case{"notpic", "Error: Invalid KWIF header"}, Case{"nothing", "Error: nothing"}}) {
        ReportCatcher catcher;
        KW_command("KW_Wid_Pic %o -res %s", w, c.name);
        EXPECT_EQ(0u, catcher.text().rfind(c.report, 0)) << c.name;
        EXPECT_EQ(pixels, w->picture.pixels);
        EXPECT_EQ(10, w->width);
        EXPECT_EQ(10, w->picture.height);
        EXPECT_STREQ("faint", w->resourceName.get());
    }
    KW_command("%o -delete", w);
}

}  // namespace
