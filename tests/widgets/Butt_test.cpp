// The button: toggling by press, alone or through a bound value, and setting its state by command.
#include <cmath>
#include "Command.h"
#include "widgets/KW_Wid_Butt.h"
#include "windows/Recorder.h"
#include "windows/Rects.h"

namespace {

// A value that records how it was told of changes.
struct Bound : KW_value {
    std::vector<void*> told;
    void changed(void* data) override { told.push_back(data); }
};

int calls = 0;
void* lastData = nullptr;
void callback(void* data) {
    ++calls;
    lastData = data;
}

struct ButtonTest : testing::Test {
    Recorder win{128, 64};
    int owner = 0;
    KW_Wid_Butt* b = make<KW_Wid_Butt>("KW_Wid_Butt -w 40 -h 24 -l 10 -t 20 -res but -com %o -dat %o",
                                       reinterpret_cast<void*>(callback), &owner);
    const KW_Rect rect{10, 20, 50, 44};

    ButtonTest() {
        calls = 0;
        KW_command("KW_Wid %o -win %o", b, &win);
    }
    ~ButtonTest() override { KW_command("%o -delete", b); }
};

TEST_F(ButtonTest, AnUnboundButtonTogglesOnPressRepaintingAndCallingBack) {
    b->press(25, 5);
    EXPECT_EQ(1, b->state);
    EXPECT_EQ(1, b->frame);
    EXPECT_EQ(win.asked, (std::vector<KW_Rect>{rect}));
    EXPECT_EQ(1, calls);
    EXPECT_EQ(&owner, lastData);
    EXPECT_EQ(254, win.at(10 + 25, 25).a);  // frame 1 shows red 200 over nothing
    EXPECT_EQ(199, win.at(10 + 25, 25).r);
    b->press(25, 5);
    EXPECT_EQ(0, b->state);
    EXPECT_EQ(2, calls);
    EXPECT_EQ(100, win.at(10 + 25, 25).r);  // red 100 over the 199 the tile held
}

TEST_F(ButtonTest, ABoundButtonOnlyAsksItsValueAndWaitsForTheAnswer) {
    Bound v;
    v.kind = KW_value::SWITCH;
    v.length = 9;
    KW_command("KW_Wid_Butt %o -var %o", b, &v);
    b->press(25, 5);
    EXPECT_EQ(1, v.i);
    EXPECT_EQ(KW_value::INTEGER, v.kind);
    EXPECT_EQ(9, v.length);
    EXPECT_EQ(std::vector<void*>{&owner}, v.told);
    EXPECT_EQ(0, b->state);
    EXPECT_TRUE(win.asked.empty());
    EXPECT_EQ(0, calls);
    KW_command("KW_Wid_Butt %o -val %i", b, 1);
    EXPECT_EQ(1, b->frame);
    EXPECT_EQ(1, calls);
    EXPECT_EQ(win.asked.size(), 1u);
    b->press(25, 5);
    EXPECT_EQ(0, v.i);
    EXPECT_EQ(2u, v.told.size());
}

TEST_F(ButtonTest, ValSetsAnyNonZeroNumberAsOnAndOnlyChangesRepaint) {
    struct Case {
        const char* command;
        double arg;
        uint8_t state;
        int calls;
    };
    const Case cases[] = {
        {"KW_Wid_Butt %o -val %f", 1, 1, 1},   {"KW_Wid_Butt %o -val %f", 1, 1, 1},  // the same state: nothing
        {"KW_Wid_Butt %o -val %f", 0, 0, 2},   {"KW_Wid_Butt %o -val %f", 0.5, 1, 3},
        {"KW_Wid_Butt %o -val %f", NAN, 0, 4}, {"KW_Wid_Butt %o -val %f", -2, 1, 5},
        {"KW_Wid_Butt %o -val on", 0, 1, 5},   {"KW_Wid_Butt %o -val 0", 0, 0, 6},
    };
    for (const Case& c : cases) {
        KW_command(c.command, b, c.arg);
        EXPECT_EQ(c.state, b->state) << c.command << " " << c.arg;
        EXPECT_EQ(c.calls, calls) << c.command << " " << c.arg;
        EXPECT_EQ(size_t(c.calls), win.asked.size()) << c.command << " " << c.arg;
    }
    EXPECT_EQ(0.0f, ask<float>("KW_Wid_Butt %o -val", b));
    KW_command("KW_Wid_Butt %o -val 1", b);
    EXPECT_EQ(1.0f, ask<float>("KW_Wid_Butt %o -val", b));
    EXPECT_EQ(7, calls);
}

TEST(Button, WithoutAStripItDrawsNothingIsNeverHitAndIgnoresPresses) {
    auto* b = make<KW_Wid_Butt>("KW_Wid_Butt -w 40 -h 24 -res nothing");
    KW_Pic<KW_Pix_A32> p;
    p.resize(40, 24);
    b->draw(p, 0, 0, {0, 0, 40, 24});
    for (int k = 0; k < 40 * 24; ++k) ASSERT_EQ(0u, p.pixels[k].word());
    EXPECT_FALSE(b->hit(20, 10));
    b->press(20, 10);
    EXPECT_EQ(0, b->state);
    EXPECT_STREQ("", b->resourceName.get());
    KW_command("%o -delete", b);
}

}  // namespace
