// The platform window on a real display: its class, painting under the lock, and the pointer's messages
// turned into hover, presses, drags and releases, checked on the pixels the window shows.
#include <gtest/gtest.h>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include "Editor_Win32.h"

namespace {

const COLORREF magenta = RGB(255, 0, 255);
const uint32_t magentaPixel = 0xFF00FF;

// Two compositions of the same widgets may differ by one step in a channel: an opaque picture blended with
// the weight alpha / 256 keeps a trace of what the tile picture held before.
bool same(uint32_t a, uint32_t b) {
    for (int shift = 0; shift < 24; shift += 8)
        if (std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)) > 1) return false;
    return true;
}

// True when the pixels inside the rectangle are those of `inside` and all others those of `outside`.
::testing::AssertionResult showsOnly(const std::vector<uint32_t>& s, const KW_Rect& r, const std::vector<uint32_t>& inside,
                                     const std::vector<uint32_t>& outside) {
    for (int32_t y = 0; y < Editor::H; ++y)
        for (int32_t x = 0; x < Editor::W; ++x) {
            const bool in = x >= r.left && x < r.right && y >= r.top && y < r.bottom;
            const uint32_t want = (in ? inside : outside)[y * Editor::W + x];
            if (!same(Editor::rgb(s, x, y), want))
                return ::testing::AssertionFailure() << "pixel " << x << "," << y << " is " << std::hex
                                                     << Editor::rgb(s, x, y) << ", not " << want;
        }
    return ::testing::AssertionSuccess();
}

std::vector<uint32_t> filled(uint32_t p) { return std::vector<uint32_t>(Editor::W * Editor::H, p); }

const KW_Rect knobRect{66, 126, 130, 190};
const KW_Rect buttonRect{21, 67, 61, 91};

TEST(PlatformWindow, IsAChildWindowOfItsClassShowingWhatItComposes) {
    Editor e;
    ASSERT_NE(nullptr, e.win.handle);
    char name[64] = {}, wanted[64];
    GetClassNameA(e.win.handle, name, sizeof name);
    std::snprintf(wanted, sizeof wanted, "KWFRAMEx%8.8X", unsigned(uintptr_t(GetModuleHandleA(nullptr))));
    EXPECT_STREQ(wanted, name);
    EXPECT_EQ(e.parent, GetParent(e.win.handle));
    RECT r;
    GetClientRect(e.win.handle, &r);
    EXPECT_EQ(Editor::W, r.right);
    EXPECT_EQ(Editor::H, r.bottom);
    const std::vector<uint32_t> s = e.screen();
    EXPECT_TRUE(showsOnly(s, {0, 0, Editor::W, Editor::H}, e.composed(), {}));
    EXPECT_NE(Editor::rgb(s, 98, 158), Editor::rgb(s, 5, 5)) << "the knob is there";
}

TEST(PlatformWindow, PaintMessagesRecomposeTheDamageAndErasingDoesNothing) {
    Editor e;
    e.cover(magenta);
    EXPECT_EQ(1, SendMessageA(e.win.handle, WM_ERASEBKGND, 0, 0));
    EXPECT_TRUE(showsOnly(e.screen(), {}, {}, filled(magentaPixel)));
    RECT damage{10, 20, 30, 40};
    InvalidateRect(e.win.handle, &damage, FALSE);
    e.pump();
    EXPECT_TRUE(showsOnly(e.screen(), {10, 20, 30, 40}, e.composed(), filled(magentaPixel)));
}

TEST(PlatformWindow, AWidgetChangeRepaintsOnlyItsRectangleAtOnce) {
    Editor e;
    e.cover(magenta);
    KW_command("KW_Wid_Knob %o -val %f", e.knob, 5010.0);  // no message handling needed
    ASSERT_EQ(132, e.knob->frame);
    EXPECT_TRUE(showsOnly(e.screen(), knobRect, e.composed(), filled(magentaPixel)));
}

TEST(PlatformWindow, HoverHighlightsTheKnobAndLeavingTheWindowEndsIt) {
    Editor e;
    const std::vector<uint32_t> plain = e.screen();
    e.pointer(WM_MOUSEMOVE, 98, 158);
    EXPECT_EQ(e.knob, e.win.hovered);
    EXPECT_TRUE(e.win.leaveArmed);
    const std::vector<uint32_t> lit = e.screen();
    EXPECT_TRUE(showsOnly(lit, knobRect, e.composed(), plain));
    EXPECT_NE(Editor::rgb(lit, 98, 158), Editor::rgb(plain, 98, 158));
    // The cursor goes away: the platform reports the leave, and the knob is shown plain again.
    SetCursorPos(600, 600);
    for (int k = 0; k < 100 && e.win.hovered; ++k) e.pump(20);
    EXPECT_EQ(nullptr, e.win.hovered);
    EXPECT_FALSE(e.win.leaveArmed);
    EXPECT_TRUE(showsOnly(e.screen(), {}, {}, plain));
}

TEST(PlatformWindow, DraggingTheKnobTurnsItOneFramePerPixel) {
    Editor e;
    KW_command("KW_Wid_Knob %o -val %f", e.knob, 5010.0);
    e.pointer(WM_MOUSEMOVE, 98, 158);
    e.pointer(WM_LBUTTONDOWN, 98, 158);
    EXPECT_EQ(e.knob, e.win.captured);
    EXPECT_EQ(e.win.handle, GetCapture());
    e.pointer(WM_MOUSEMOVE, 108, 153);
    EXPECT_EQ(132 + 10 + 5, e.knob->frame);
    e.pointer(WM_MOUSEMOVE, 10, 153);  // far outside the knob: still its drag
    EXPECT_EQ(132 - 88 + 5, e.knob->frame);
    EXPECT_TRUE(showsOnly(e.screen(), {0, 0, Editor::W, Editor::H}, e.composed(), {}));
    e.pointer(WM_LBUTTONUP, 10, 153);
    EXPECT_EQ(nullptr, e.win.captured);
    EXPECT_EQ(nullptr, GetCapture());
    e.pointer(WM_MOUSEMOVE, 98, 158);
    EXPECT_EQ(132 - 88 + 5, e.knob->frame);
}

TEST(PlatformWindow, PressingTheButtonTogglesItAndPicturesTakeNoPress) {
    Editor e;
    e.pointer(WM_MOUSEMOVE, 5, 5);
    e.pointer(WM_LBUTTONDOWN, 5, 5);
    EXPECT_EQ(nullptr, e.win.captured);
    EXPECT_EQ(e.win.handle, GetCapture());
    e.pointer(WM_LBUTTONUP, 5, 5);
    const std::vector<uint32_t> off = e.screen();
    e.pointer(WM_MOUSEMOVE, 41, 79);
    ASSERT_EQ(e.button, e.win.hovered);
    e.pointer(WM_LBUTTONDOWN, 41, 79);
    EXPECT_EQ(1, e.button->state);
    e.pointer(WM_LBUTTONUP, 41, 79);
    const std::vector<uint32_t> on = e.screen();
    EXPECT_TRUE(showsOnly(on, buttonRect, e.composed(), off));
    e.pointer(WM_LBUTTONDOWN, 41, 79);
    e.pointer(WM_LBUTTONUP, 41, 79);
    EXPECT_EQ(0, e.button->state);
}

TEST(PlatformWindow, ADisabledKnobIsDimmedAndIgnoresPresses) {
    Editor e;
    const std::vector<uint32_t> plain = e.screen();
    KW_command("KW_Wid %o -enabled 0", e.knob);
    const std::vector<uint32_t> dim = e.screen();
    EXPECT_TRUE(showsOnly(dim, knobRect, e.composed(), plain));
    EXPECT_NE(Editor::rgb(dim, 98, 158), Editor::rgb(plain, 98, 158));
    e.pointer(WM_MOUSEMOVE, 98, 158);
    EXPECT_EQ(e.knob, e.win.hovered);
    e.pointer(WM_LBUTTONDOWN, 98, 158);
    EXPECT_EQ(nullptr, e.win.captured);
    e.pointer(WM_MOUSEMOVE, 120, 158);
    EXPECT_EQ(0, e.knob->frame);
    e.pointer(WM_LBUTTONUP, 120, 158);
    EXPECT_TRUE(showsOnly(e.screen(), {}, {}, dim));  // hovered or not, a disabled widget is dimmed
}

TEST(PlatformWindow, APaintWaitsForTheLockAtMostOneSecondThenIsDropped) {
    Editor e;
    e.cover(magenta);
    HANDLE held = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    std::thread holder([&e, held] {
        if (e.win.lockPaint()) {
            SetEvent(held);
            Sleep(1600);
            e.win.unlockPaint();
        }
    });
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(held, 5000));
    const DWORD start = GetTickCount();
    KW_command("KW_Wid_Knob %o -val %f", e.knob, 5010.0);
    const DWORD waited = GetTickCount() - start;
    holder.join();
    CloseHandle(held);
    EXPECT_GE(waited, 900u);
    EXPECT_LT(waited, 1500u);
    EXPECT_TRUE(showsOnly(e.screen(), {}, {}, filled(magentaPixel)));
    e.win.paintRect(knobRect);  // the lock is free again
    EXPECT_TRUE(showsOnly(e.screen(), knobRect, e.composed(), filled(magentaPixel)));
}

TEST(PlatformWindow, ParentsReplaceAndRemoveTheChildWindowAndCloseEndsTheLoop) {
    Editor e;
    const HWND first = e.win.handle;
    HWND other = Editor::makeParent(300);
    EXPECT_EQ(other, e.win.hwnd(other));
    EXPECT_FALSE(IsWindow(first));
    EXPECT_EQ(other, GetParent(e.win.handle));
    EXPECT_EQ(other, e.win.hwnd(other));  // the same parent: nothing changes
    SendMessageA(e.win.handle, WM_CLOSE, 0, 0);
    MSG m;
    EXPECT_TRUE(PeekMessageA(&m, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(0, int(m.wParam));
    const HWND second = e.win.handle;
    EXPECT_EQ(nullptr, e.win.hwnd(nullptr));
    EXPECT_FALSE(IsWindow(second));
    EXPECT_EQ(nullptr, e.win.handle);
    e.win.paintRect({0, 0, 10, 10});  // no child window: nothing to do
    DestroyWindow(other);
}

}  // namespace
