// Composition: which tiles a repaint touches, the layering of widgets, and the highlight of the hovered
// widget and the dimming of disabled ones.
#include <gtest/gtest.h>
#include "Rects.h"
#include "Scene.h"
#include "widgets/KW_Wid_Pic.h"

namespace {

struct Pixel {
    int r, g, b, a;
};
std::ostream& operator<<(std::ostream& o, const Pixel& p) { return o << p.r << "," << p.g << "," << p.b << "," << p.a; }
bool operator==(const Pixel& p, const KW_Pix_A32& q) { return p.r == q.r && p.g == q.g && p.b == q.b && p.a == q.a; }

TEST(Compose, RecomposesOnlyTheTilesARectangleTouchesLowestRowFirst) {
    Recorder win(200, 236);
    struct Case {
        KW_Rect asked;
        std::vector<KW_Rect> shown;
    };
    const std::vector<Case> cases = {
        {{70, 70, 80, 80}, {{70, 70, 80, 80}}},
        {{0, 0, 64, 10}, {{0, 0, 64, 10}}},  // ends on a tile edge: one column
        {{60, 60, 70, 70}, {{60, 64, 64, 70}, {64, 64, 70, 70}, {60, 60, 64, 64}, {64, 60, 70, 64}}},
        {{190, 230, 400, 400}, {{190, 230, 192, 236}, {192, 230, 200, 236}}},  // clipped to the window
        {{-50, -50, 10, 10}, {{0, 0, 10, 10}}},
        {{300, 0, 400, 10}, {}},
        {{20, 20, 20, 40}, {}},
    };
    for (const Case& c : cases) {
        win.forget();
        win.paintRect(c.asked);
        EXPECT_EQ(win.shown, c.shown) << c.asked;
    }
}

TEST(Compose, WidgetsAreDrawnInRegistrationOrderOnlyWhereTheyLie) {
    Recorder win(128, 64);
    Solid ground(0, 0, 128, 64, {30, 20, 10, 255});
    KW_Wid_Pic faint;
    faint.left = 20;
    faint.top = 5;
    faint.width = 15;
    faint.height = 10;
    faint.picture.mapResource("faint");
    KW_Win::setWindow(ground, &win);
    KW_Win::setWindow(faint, &win);
    win.paintRect({0, 0, 128, 64});
    EXPECT_EQ((Pixel{10 + (190 * 100 >> 8), 20 + (-20 * 100 >> 8), 30 + (-30 * 100 >> 8), 255 + (-155 * 100 >> 8)}),
              win.at(34, 14));
    EXPECT_EQ((Pixel{10, 20, 30, 255}), win.at(35, 14));
    EXPECT_EQ((Pixel{10, 20, 30, 255}), win.at(34, 15));
    // Each widget drew only the part inside the repainted tile.
    ground.parts.clear();
    win.paintRect({60, 0, 70, 64});
    ASSERT_EQ(ground.parts.size(), 2u);
    EXPECT_EQ(ground.parts[0], (KW_Rect{60, 0, 64, 64}));
    EXPECT_EQ(ground.parts[1], (KW_Rect{64, 0, 70, 64}));
}

TEST(Compose, PixelsNoWidgetCoversKeepWhatTheTileHeld) {
    Recorder win(128, 64);
    Solid red(0, 0, 64, 64, {0, 0, 255, 255});
    KW_Win::setWindow(red, &win);
    win.paintRect({0, 0, 64, 64});
    win.paintRect({64, 0, 128, 64});
    EXPECT_EQ((Pixel{255, 0, 0, 255}), win.at(100, 30));
}

TEST(Compose, AWidgetIsDrawnOnlyInTheTilesItWasRegisteredIn) {
    Recorder win(128, 64);
    Solid ground(0, 0, 128, 64, {30, 20, 10, 255}), red(0, 0, 10, 10, {0, 0, 255, 255});
    KW_Win::setWindow(ground, &win);
    KW_Win::setWindow(red, &win);
    red.width = 100;
    win.paintRect({0, 0, 128, 64});
    EXPECT_EQ(win.at(50, 5).r, 255);
    EXPECT_EQ(win.at(70, 5).r, 10);
}

TEST(Compose, InvisibleWidgetsAreLeftOutDimmedOrNot) {
    Scene s;
    for (int32_t enabled : {1, 0}) {
        s.button.visible = 0;
        s.button.enabled = enabled;
        s.win.paintRect({0, 0, 192, 128});
        EXPECT_EQ((Pixel{10, 20, 30, 255}), s.win.at(40, 20)) << enabled;
    }
}

// The button's pixels at column 30 (alpha 255) and 10 (alpha 100) over the background (10, 20, 30, 255),
// computed by hand from the blend and the highlight rule.
TEST(Compose, HoveredWidgetsAreHighlightedAndDisabledOnesDimmed) {
    struct Case {
        const char* what;
        bool hovered;
        int32_t enabled;
        uint8_t state;
        Pixel strong, faint;
    };
    const Case cases[] = {
        {"plain", false, 1, 0, {99, 49, 20, 255}, {45, 31, 26, 194}},
        // strong: drawn on clear (99, 49, 19, 254), brightened 1.5 times; faint: (39, 19, 7, 39), alpha 58
        {"hovered", true, 1, 0, {146, 72, 28, 254}, {16, 19, 24, 210}},
        // frame 1's red 200 becomes 199 on clear and is limited to 255 when brightened
        {"hovered on", true, 1, 1, {253, 72, 28, 254}, {25, 19, 24, 210}},
        // alpha 254 becomes 101, alpha 39 becomes 15: 40 % of the opacity
        {"disabled", false, 0, 0, {45, 31, 25, 194}, {11, 19, 28, 240}},
        {"hovered and disabled", true, 0, 0, {45, 31, 25, 194}, {11, 19, 28, 240}},
    };
    for (const Case& c : cases) {
        Scene s;
        s.button.state = c.state;
        s.button.enabled = c.enabled;
        s.win.hovered = c.hovered ? &s.button : nullptr;
        s.win.paintRect({0, 0, 64, 64});
        EXPECT_EQ(c.strong, s.win.at(10 + 30, 20)) << c.what;
        EXPECT_EQ(c.faint, s.win.at(10 + 10, 20)) << c.what;
        EXPECT_EQ((Pixel{10, 20, 30, 255}), s.win.at(5, 5)) << c.what;  // the background is not touched
    }
}

}  // namespace
