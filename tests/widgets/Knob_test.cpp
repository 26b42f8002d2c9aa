// The knob: its frame and value arithmetic, dragging with re-anchoring at both ends, and binding.
#include <cmath>
#include "Command.h"
#include "support/ReportCatcher.h"
#include "widgets/KW_Wid_Knob.h"
#include "windows/Recorder.h"

namespace {

struct Bound : KW_value {
    int told = 0;
    void changed(void*) override { ++told; }
};

int calls = 0;
void callback(void*) { ++calls; }

// The application's knob: 265 frames from 20 to 10000.
struct KnobTest : testing::Test {
    Recorder win{192, 128};
    KW_Wid_Knob* k = make<KW_Wid_Knob>("KW_Wid_Knob -w 64 -h 64 -l 10 -t 20 -res big -mn 20 -mx 10000 -com %o",
                                       reinterpret_cast<void*>(callback));
    KnobTest() {
        calls = 0;
        KW_command("KW_Wid %o -win %o", k, &win);
    }
    ~KnobTest() override { KW_command("%o -delete", k); }
};

TEST_F(KnobTest, StartsAtItsFirstFrameWithTheMinimum) {
    EXPECT_EQ(0, k->frame);
    EXPECT_EQ(20.0f, ask<float>("KW_Wid_Knob %o -val", k));
    EXPECT_EQ(20.0f, ask<float>("KW_Wid_Knob %o -mn", k));
    EXPECT_EQ(10000.0f, ask<float>("KW_Wid_Knob %o -mx", k));
}

TEST_F(KnobTest, FrameToValue) {
    const std::pair<int32_t, double> cases[] = {{132, 5010}, {3, 133.40908813476562}, {0, 20}, {264, 10000}};
    for (auto [frame, value] : cases) {
        k->frame = frame;
        EXPECT_EQ(float(value), ask<float>("KW_Wid_Knob %o -val", k)) << frame;
    }
    k->frame = 3;
    EXPECT_EQ(133.40908813476562, double(k->value()));
}

TEST_F(KnobTest, ValueToFrameTruncatesTowardZero) {
    const std::pair<double, int32_t> cases[] = {{5010, 132}, {133.40908813476562, 2}, {10000, 264}, {20, 0},
                                                {10, 0},     {-100, -3},               {1e30, INT32_MAX}};
    for (auto [value, frame] : cases) {
        KW_command("KW_Wid_Knob %o -val %f", k, value);
        EXPECT_EQ(frame, k->frame) << value;
    }
}

TEST_F(KnobTest, AFrameOutsideTheStripIsNeitherRepaintedNorDrawn) {
    KW_command("KW_Wid_Knob %o -val %f", k, 5010.0);
    EXPECT_EQ(1u, win.asked.size());
    EXPECT_EQ(1, calls);
    win.forget();
    KW_command("KW_Wid_Knob %o -val %f", k, -100.0);
    EXPECT_TRUE(win.asked.empty());
    EXPECT_EQ(1, calls);
    KW_Pic<KW_Pix_A32> p;
    p.resize(64, 64);
    k->draw(p, 0, 0, {0, 0, 64, 64});
    for (int i = 0; i < 64 * 64; ++i) ASSERT_EQ(0u, p.pixels[i].word());
    KW_command("KW_Wid_Knob %o -val %f", k, NAN);  // no frame: nothing changes
    EXPECT_EQ(-3, k->frame);
}

TEST_F(KnobTest, AChangedEndOfTheRangeKeepsTheValueAndMovesTheFrame) {
    KW_command("KW_Wid_Knob %o -val %f", k, 5010.0);
    KW_command("KW_Wid_Knob %o -mx %i", k, 20000);
    EXPECT_EQ(65, k->frame);  // 264 x 4990 / 19980
    EXPECT_EQ(20000.0f, k->maximum);
    auto* small = make<KW_Wid_Knob>("KW_Wid_Knob -res big -val 30");
    EXPECT_EQ(79, small->frame);
    KW_command("KW_Wid_Knob %o -mn 100", small);  // the range closes up: frame 0, value 100 everywhere
    EXPECT_EQ(0, small->frame);
    small->frame = 200;
    EXPECT_EQ(100.0f, small->value());
    KW_command("%o -delete", small);
}

TEST_F(KnobTest, DraggingMovesOneFramePerPixelAndReanchorsPastEitherEnd) {
    struct Step {
        int32_t x, y, frame, dragX, dragY;
    };
    struct Case {
        int32_t start, pressX, pressY;
        std::vector<Step> steps;
    };
    const Case cases[] = {
        {100, 10, 10, {{20, 5, 115, 10, 10}, {0, 30, 70, 10, 10}}},
        {260, 0, 0, {{10, 0, 264, 10, 0}, {8, 0, 262, 10, 0}}},
        {3, 0, 0, {{-2, 5, 0, -2, 5}, {0, 5, 2, -2, 5}}},
    };
    for (const Case& c : cases) {
        k->frame = c.start;
        k->press(c.pressX, c.pressY);
        for (const Step& s : c.steps) {
            k->drag(s.x, s.y);
            EXPECT_EQ(s.frame, k->frame) << c.start << " to " << s.x << "," << s.y;
            EXPECT_EQ(s.dragX, k->dragX);
            EXPECT_EQ(s.dragY, k->dragY);
        }
    }
}

TEST_F(KnobTest, AnUnboundDragRepaintsAndCallsBackABoundOneOnlyReports) {
    k->press(0, 0);
    k->drag(5, 0);
    EXPECT_EQ(1u, win.asked.size());
    EXPECT_EQ(1, calls);
    Bound v;
    KW_command("KW_Wid_Knob %o -var %o", k, &v);
    k->drag(132, 0);
    EXPECT_EQ(132, k->frame);
    EXPECT_EQ(KW_value::FLOAT, v.kind);
    EXPECT_EQ(5010.0f, v.f);
    EXPECT_EQ(-1, v.length);
    EXPECT_EQ(1, v.told);
    EXPECT_EQ(1u, win.asked.size());
    EXPECT_EQ(1, calls);
}

TEST(Knob, WithoutAStripItIgnoresValuesAndThePointer) {
    auto* k = make<KW_Wid_Knob>("KW_Wid_Knob -w 64 -h 64 -val 50");
    EXPECT_EQ(0, k->frame);
    k->press(0, 0);
    k->drag(30, 0);
    EXPECT_EQ(0, k->frame);
    EXPECT_FALSE(k->hit(32, 32));
    KW_command("%o -delete", k);
}

TEST_F(KnobTest, AResourceThatIsNoStripOrMissingChangesNothing) {
    KW_command("KW_Wid_Knob %o -val %f", k, 5010.0);
    const KW_Pix_A32* blocks = k->strip.blocks;
    for (const char* name : {"notvid", "nothing"}) {
        ReportCatcher catcher;
        KW_command("KW_Wid_Knob %o -res %s", k, name);
        EXPECT_NE(std::string::npos, catcher.text().find("Proc: ")) << name;
        EXPECT_EQ(blocks, k->strip.blocks) << name;
        EXPECT_EQ(265, k->strip.frameCount) << name;
        EXPECT_EQ(132, k->frame) << name;
        EXPECT_STREQ("big", k->resourceName.get()) << name;
    }
}

TEST(Knob, AStripOfOneFrameStillGivesNumbers) {
    auto* k = make<KW_Wid_Knob>("KW_Wid_Knob -res one -val 50");
    EXPECT_EQ(0, k->frame);
    EXPECT_EQ(0.0f, k->value());
    KW_command("%o -delete", k);
}

}  // namespace
