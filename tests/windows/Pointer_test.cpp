// Pointer routing: hover with its repaints, press, drag and release to one widget at a time, and leaving.
#include <gtest/gtest.h>
#include "Rects.h"
#include "Scene.h"

namespace {

const KW_Rect buttonRect{10, 10, 50, 34};
const KW_Rect knobRect{100, 40, 164, 104};

TEST(Pointer, OnlyKnobsAndButtonsAreHoveredEachRepaintedOnceOnEntryAndOnExit) {
    Scene s;
    s.win.pointerMove(10 + 30, 20);
    EXPECT_EQ(s.win.hovered, &s.button);
    EXPECT_EQ(s.win.asked, (std::vector<KW_Rect>{buttonRect}));
    s.win.pointerMove(10 + 31, 21);  // still the button: nothing repainted
    EXPECT_EQ(s.win.asked.size(), 1u);
    s.win.pointerMove(130, 70);  // from the button straight onto the knob
    EXPECT_EQ(s.win.hovered, &s.knob);
    EXPECT_EQ(s.win.asked, (std::vector<KW_Rect>{buttonRect, buttonRect, knobRect}));
    s.win.forget();
    s.win.pointerMove(180, 120);  // the background is not hovered
    EXPECT_EQ(s.win.hovered, nullptr);
    EXPECT_EQ(s.win.asked, (std::vector<KW_Rect>{knobRect}));
    s.win.pointerMove(10 + 1, 20);  // the button's column 1 is too transparent to be hit
    EXPECT_EQ(s.win.hovered, nullptr);
    EXPECT_EQ(s.win.asked.size(), 1u);
}

TEST(Pointer, TheOldHoveredWidgetIsRepaintedWithoutHighlight) {
    Scene s;
    const KW_Pix_A32 plain = s.win.at(40, 20);
    s.win.pointerMove(40, 20);
    EXPECT_NE(s.win.at(40, 20).word(), plain.word());
    s.win.pointerMove(180, 120);
    EXPECT_EQ(s.win.at(40, 20).word(), plain.word());
}

TEST(Pointer, PositionsOutsideTheWindowAreClampedForTheHover) {
    Scene s;
    KW_Wid_Knob corner;
    Scene::place(corner, -55, 64, 64, 64, "big");  // its opaque part reaches the window's left edge
    KW_Win::setWindow(corner, &s.win);
    s.win.pointerMove(-500, 100);
    EXPECT_EQ(s.win.hovered, &corner);
}

TEST(Pointer, APressGoesOnlyToTheHoveredEnabledWidgetWhichIsThenCaptured) {
    Scene s;
    s.win.pointerDown(180, 120);  // over the background: nobody
    EXPECT_EQ(s.win.captured, nullptr);
    s.win.pointerUp();

    s.win.pointerMove(40, 20);
    s.win.pointerDown(40, 20);
    EXPECT_EQ(s.win.captured, &s.button);
    EXPECT_EQ(s.button.state, 1);  // an unbound button toggles on the press
    s.win.pointerUp();
    EXPECT_EQ(s.win.captured, nullptr);
    EXPECT_EQ(s.button.state, 1);

    s.button.enabled = 0;
    s.win.pointerDown(40, 20);
    EXPECT_EQ(s.win.captured, nullptr);
    EXPECT_EQ(s.button.state, 1);
}

TEST(Pointer, APressWithNoMoveBeforeItReachesTheWidgetUnderThePointer) {
    Scene s;  // as a window opened under a pointer that has not moved since
    s.win.pointerDown(40, 20);
    EXPECT_EQ(s.win.hovered, &s.button);
    EXPECT_EQ(s.win.captured, &s.button);
    EXPECT_EQ(s.button.state, 1);
    s.win.pointerUp();
    s.win.pointerDown(130, 70);  // and a press elsewhere moves the hover there first
    EXPECT_EQ(s.win.hovered, &s.knob);
    EXPECT_EQ(s.win.captured, &s.knob);
}

TEST(Pointer, TheCapturedWidgetGetsEveryMoveUnclampedUntilRelease) {
    Scene s;
    s.knob.setValue(50);  // frame 132
    ASSERT_EQ(s.knob.frame, 132);
    s.win.pointerMove(130, 70);
    s.win.pointerDown(130, 70);
    s.win.pointerMove(140, 65);  // 10 right and 5 up
    EXPECT_EQ(s.knob.frame, 147);
    s.win.pointerMove(20, 20);  // over the button, far left: still the knob's drag
    EXPECT_EQ(s.win.hovered, &s.knob);
    EXPECT_EQ(s.knob.frame, 132 - 110 + 50);
    s.win.pointerMove(-300, 500);  // outside the window, past the knob's first frame
    EXPECT_EQ(s.knob.frame, 0);
    EXPECT_EQ(s.knob.dragX, -300 - 100);
    EXPECT_EQ(s.knob.dragY, 500 - 40);
    s.win.pointerUp();
    s.win.pointerMove(40, 20);
    EXPECT_EQ(s.knob.frame, 0);
    EXPECT_EQ(s.win.hovered, &s.button);
}

TEST(Pointer, LeavingTheWindowEndsTheCaptureAndTheHover) {
    Scene s;
    s.win.pointerMove(130, 70);
    s.win.pointerDown(130, 70);
    s.win.forget();
    s.win.pointerLeft();
    EXPECT_EQ(s.win.captured, nullptr);
    EXPECT_EQ(s.win.hovered, nullptr);
    EXPECT_EQ(s.win.asked, (std::vector<KW_Rect>{knobRect}));
    const int32_t frame = s.knob.frame;
    s.win.pointerMove(150, 50);
    EXPECT_EQ(s.knob.frame, frame);
}

}  // namespace
