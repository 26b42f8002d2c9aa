// The options every widget has: placement, attaching, visibility, enabling, deleting; and the class table.
#include <cstring>
#include "Command.h"
#include "widgets/KW_Wid.h"
#include "widgets/KW_Wid_Pic.h"
#include "windows/Recorder.h"
#include "windows/Rects.h"

namespace {

TEST(Wid, PlacementIsConvertedAndOnlyStored) {
    struct Case {
        const char* command;
        int32_t KW_Wid::*field;
        int32_t expected;
    };
    const Case cases[] = {
        {"KW_Wid %o -l 10.7", &KW_Wid::left, 10},  {"KW_Wid %o -l -3.9", &KW_Wid::left, -3},
        {"KW_Wid %o -t 5", &KW_Wid::top, 5},       {"KW_Wid %o -w 1e3", &KW_Wid::width, 1000},
        {"KW_Wid %o -h -2", &KW_Wid::height, -2},  {"KW_Wid %o -w text", &KW_Wid::width, 7},
    };
    for (const Case& c : cases) {
        auto* w = make<KW_Wid_Pic>("KW_Wid_Pic -w 7");
        Recorder win(64, 64);
        KW_command("KW_Wid %o -win %o", w, &win);
        win.forget();
        KW_command(c.command, w);
        EXPECT_EQ(w->*c.field, c.expected) << c.command;
        EXPECT_TRUE(win.asked.empty()) << c.command;
        KW_command("%o -delete", w);
    }
    auto* w = make<KW_Wid_Pic>("KW_Wid_Pic -l 12 -t 34 -w 56 -h 78");
    EXPECT_EQ(12, ask<int32_t>("KW_Wid %o -l", w));
    EXPECT_EQ(34, ask<int32_t>("KW_Wid %o -t", w));
    EXPECT_EQ(56, ask<int32_t>("KW_Wid %o -w", w));
    EXPECT_EQ(78, ask<int32_t>("KW_Wid %o -h", w));
    KW_command("%o -delete", w);
}

TEST(Wid, VisibleAndEnabledTakeTheRawValueAndRepaintAtOnce) {
    Recorder win(128, 128);
    auto* w = make<KW_Wid_Pic>("KW_Wid_Pic -l 70 -t 5 -w 20 -h 30");
    KW_command("KW_Wid %o -win %o", w, &win);
    KW_command("KW_Wid %o -vis 0", w);
    EXPECT_EQ(0, w->visible);
    EXPECT_EQ(win.asked, (std::vector<KW_Rect>{{70, 5, 90, 35}}));
    KW_command("KW_Wid %o -enabled 0x100", w);
    EXPECT_EQ(0x100, w->enabled);
    EXPECT_EQ(win.asked.size(), 2u);
    EXPECT_EQ(0x100, ask<int32_t>("KW_Wid %o -enabled", w));
    EXPECT_EQ(0, ask<int32_t>("KW_Wid %o -vis", w));
    EXPECT_EQ(win.asked.size(), 2u);  // a query repaints nothing
    KW_command("%o -delete", w);
}

TEST(Wid, WinAttachesAndZeroDetaches) {
    Recorder win(128, 128);
    auto* w = make<KW_Wid_Pic>("KW_Wid_Pic -l 10 -t 10 -w 100 -h 10");
    EXPECT_EQ(nullptr, ask<KW_Win*>("KW_Wid %o -win 0", w));  // detached already: nothing happens
    EXPECT_EQ(&win, ask<KW_Win*>("KW_Wid %o -win %o -win", w, &win));
    EXPECT_EQ(win.widgets.count, 1);
    EXPECT_EQ(win.tiles[1].count, 1);
    // Anything that is no window changes nothing: another widget, a made-up address, a text.
    auto* other = make<KW_Wid_Pic>("KW_Wid_Pic");
    KW_command("KW_Wid %o -win %o", w, other);
    KW_command("KW_Wid %o -win 0x10", w);
    KW_command("KW_Wid %o -win none", w);
    EXPECT_EQ(w->window, &win);
    KW_command("KW_Wid %o -win 0", w);
    EXPECT_EQ(w->window, nullptr);
    EXPECT_EQ(win.widgets.count, 0);
    EXPECT_EQ(win.tiles[1].count, 0);
    EXPECT_TRUE(win.asked.empty());
    KW_command("%o -delete", w);
    KW_command("%o -delete", other);
}

TEST(Wid, DeletingAnAttachedWidgetUnlinksItWithoutRepainting) {
    Recorder win(128, 128);
    auto* w = make<KW_Wid_Pic>("KW_Wid_Pic -w 100 -h 100");
    KW_command("KW_Wid %o -win %o", w, &win);
    win.hovered = win.captured = w;
    EXPECT_EQ(KW_OK, KW_command("%o -delete", w));
    EXPECT_FALSE(KW_Object::live(w));
    EXPECT_EQ(win.widgets.count, 0);
    for (int t = 0; t < 4; ++t) EXPECT_EQ(win.tiles[t].count, 0);
    EXPECT_EQ(win.hovered, nullptr);
    EXPECT_EQ(win.captured, nullptr);
    EXPECT_TRUE(win.asked.empty());
}

TEST(Wid, ClassTableListsTheWidgetsInOrderUnderTheBaseClass) {
    const char* names[] = {"KW_Wid", "KW_Wid_Pic", "KW_Wid_Butt", "KW_Wid_Knob", "KW_Wid_Text"};
    int last = -1;
    for (const char* name : names) {
        int row = 0;
        while (_KW[row].name && std::strcmp(_KW[row].name, name)) ++row;
        ASSERT_NE(_KW[row].name, nullptr) << name;
        EXPECT_GT(row, last) << name;
        last = row;
        const KW_Option* t = _KW[row].table;
        int n = 1;
        while (t[n].name) ++n;
        EXPECT_EQ(t[n].parent, std::strcmp(name, "KW_Wid") ? KW_Wid::options : KW_Object::options) << name;
        EXPECT_EQ(t[0].factory == nullptr, !std::strcmp(name, "KW_Wid")) << name;
    }
    EXPECT_EQ(KW_ERROR_PARAM_REQUIRED, KW_command("KW_Wid -l 5"));
}

}  // namespace
