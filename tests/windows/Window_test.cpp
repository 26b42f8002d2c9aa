// Tiles, registration and the hit test of the window, without a platform.
#include <gtest/gtest.h>
#include "Scene.h"

namespace {

struct Grid {
    int32_t w, h, cols, rows;
};

TEST(Window, TileGridCoversTheWindow) {
    for (Grid g : {Grid{1, 1, 1, 1}, Grid{160, 130, 3, 3}, Grid{128, 128, 2, 2}, Grid{0, 0, 1, 1}, Grid{65, 64, 2, 1},
                   Grid{200, 236, 4, 4}, Grid{-70, -1, 1, 1}}) {
        KW_Win win(g.w, g.h);
        EXPECT_EQ(win.tileCols, g.cols) << g.w << " x " << g.h;
        EXPECT_EQ(win.tileRows, g.rows) << g.w << " x " << g.h;
        EXPECT_EQ(win.tilePicture.width, 64);
        EXPECT_EQ(win.scratchPicture.height, 64);
    }
}

// Which tiles (column, row) a widget is registered in, in registration order.
std::vector<std::pair<int, int>> tilesOf(const KW_Win& win, const KW_Wid& w) {
    std::vector<std::pair<int, int>> found;
    for (int32_t k = 0; k < w.tileItemCount; ++k) {
        const int32_t t = int32_t(static_cast<KW_Chain*>(w.tileItems[k].list) - win.tiles);
        found.push_back({t % win.tileCols, t / win.tileCols});
    }
    return found;
}

struct Placement {
    int32_t l, t, w, h;
    std::vector<std::pair<int, int>> tiles;
};

TEST(Window, RegistersInTheTilesOfTheGridItsRectangleTouches) {
    const std::vector<Placement> cases = {
        {60, 10, 10, 60, {{0, 0}, {1, 0}, {0, 1}, {1, 1}}},
        {0, 0, 64, 64, {{0, 0}}},                          // ends exactly on a tile edge
        {64, 70, 1, 1, {{1, 1}}},
        {-30, -30, 100, 300, {{0, 0}, {1, 0}, {0, 1}, {1, 1}}},  // reaches outside: only tiles of the grid
        {500, 10, 10, 10, {}},                             // beside the grid
        {-80, 10, 10, 10, {}},
        {10, 10, 0, 10, {}},                               // empty
    };
    for (const Placement& p : cases) {
        KW_Win win(128, 128);
        Solid w(p.l, p.t, p.w, p.h, {});
        KW_Win::setWindow(w, &win);
        EXPECT_EQ(tilesOf(win, w), p.tiles) << p.l << "," << p.t << " " << p.w << " x " << p.h;
        EXPECT_EQ(w.window, &win);
        EXPECT_EQ(win.widgets.count, 1);
    }
}

TEST(Window, AttachingTwiceToOneWindowRegistersOnce) {
    KW_Win win(128, 128);
    Solid w(10, 10, 100, 10, {});
    KW_Win::setWindow(w, &win);
    w.width = 10;  // attaching again takes the rectangle as it is now
    KW_Win::setWindow(w, &win);
    EXPECT_EQ(win.widgets.count, 1);
    EXPECT_EQ(win.tiles[0].count, 1);
    EXPECT_EQ(win.tiles[1].count, 0);
    EXPECT_EQ(w.tileItemCount, 1);
}

TEST(Window, LaterWidgetsLieAboveInEveryTile) {
    KW_Win win(128, 128);
    Solid low(0, 0, 128, 128, {}), high(50, 50, 30, 30, {});
    KW_Win::setWindow(low, &win);
    KW_Win::setWindow(high, &win);
    for (int t = 0; t < 4; ++t) {
        ASSERT_EQ(win.tiles[t].count, 2);
        EXPECT_EQ(win.tiles[t].first()->data, &low);
        EXPECT_EQ(win.tiles[t].first()->next->data, &high);
    }
}

TEST(Window, MovingToAnotherWindowLeavesTheFirst) {
    KW_Win a(128, 128), b(64, 64);
    Solid w(10, 10, 100, 100, {});
    KW_Win::setWindow(w, &a);
    KW_Win::setWindow(w, &b);
    EXPECT_EQ(a.widgets.count, 0);
    for (int t = 0; t < 4; ++t) EXPECT_EQ(a.tiles[t].count, 0);
    EXPECT_EQ(b.tiles[0].count, 1);
    EXPECT_EQ(w.window, &b);
    KW_Win::setWindow(w, nullptr);
    EXPECT_EQ(b.widgets.count, 0);
    EXPECT_EQ(b.tiles[0].count, 0);
    EXPECT_EQ(w.window, nullptr);
    EXPECT_EQ(w.tileItems, nullptr);
    EXPECT_EQ(w.tileItemCount, 0);
}

TEST(Window, ALeavingOrDestroyedWidgetIsNeitherHoveredNorCaptured) {
    Scene s;
    s.win.hovered = s.win.captured = &s.button;
    KW_Win::setWindow(s.button, nullptr);
    EXPECT_EQ(s.win.hovered, nullptr);
    EXPECT_EQ(s.win.captured, nullptr);

    auto* knob = new KW_Wid_Knob;
    Scene::place(*knob, 0, 0, 64, 64, "big");
    KW_Win::setWindow(*knob, &s.win);
    s.win.hovered = s.win.captured = knob;
    delete knob;
    EXPECT_EQ(s.win.hovered, nullptr);
    EXPECT_EQ(s.win.captured, nullptr);
    EXPECT_EQ(s.win.tiles[0].count, 1);  // the background remains
}

TEST(Window, DestroyingTheWindowDetachesItsWidgets) {
    Solid w(10, 10, 100, 100, {}), far(500, 500, 5, 5, {});
    {
        KW_Win win(128, 128);
        KW_Win::setWindow(w, &win);
        KW_Win::setWindow(far, &win);
    }
    for (Solid* s : {&w, &far}) {
        EXPECT_EQ(s->window, nullptr);
        EXPECT_EQ(s->tileItemCount, 0);
        EXPECT_EQ(s->windowItem.list, nullptr);
    }
}

TEST(Window, HitTestTakesTheTopmostVisibleWidgetThatTakesThePoint) {
    Scene s;
    KW_Wid_Butt over;
    Scene::place(over, 30, 10, 40, 24, "but");  // its columns 0..7 lie over the button's columns 20..27
    KW_Win::setWindow(over, &s.win);
    EXPECT_EQ(s.win.widgetAt(10 + 25, 20), &over);      // over's column 5: alpha 128
    EXPECT_EQ(s.win.widgetAt(10 + 22, 20), &s.button);  // over's column 2: alpha 127, the button's: 255
    EXPECT_EQ(s.win.widgetAt(10 + 1, 20), &s.background);  // the button's column 1: alpha 127
    EXPECT_EQ(s.win.widgetAt(10 + 5, 20), &s.button);
    EXPECT_EQ(s.win.widgetAt(100 + 2, 40 + 2), &s.background);  // the knob's transparent corner
    EXPECT_EQ(s.win.widgetAt(100 + 30, 40 + 30), &s.knob);
    over.visible = 0;
    EXPECT_EQ(s.win.widgetAt(10 + 25, 20), &s.button);
    s.button.enabled = 0;  // enabled plays no part
    EXPECT_EQ(s.win.widgetAt(10 + 25, 20), &s.button);
    EXPECT_EQ(s.win.widgetAt(-1, 5), nullptr);
    EXPECT_EQ(s.win.widgetAt(5, 128), nullptr);
}

}  // namespace
