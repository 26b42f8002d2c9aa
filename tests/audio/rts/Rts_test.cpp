// The stream base: lists, the active mode, and free waiting for a block that is still running.
#include <gtest/gtest.h>
#include <chrono>
#include <string>
#include <thread>
#include "audio/KW_Rts.h"

namespace {

int liveChannels = 0;

class CountedChan : public KW_Rts::Chan {
public:
    CountedChan(const char* n) : Chan(n, 0x1002004, 4) { ++liveChannels; }
    ~CountedChan() override { --liveChannels; }
};

class Stream : public KW_Rts {
public:
    explicit Stream(const char* n = "test") : KW_Rts(n) {}
    using KW_Rts::beginBlock;
    using KW_Rts::deleteAll;
    using KW_Rts::endBlock;
};

TEST(Rts, NameIsCutTo63Characters) {
    std::string longName(100, 'x');
    EXPECT_EQ(std::string(Stream(longName.c_str()).name), std::string(63, 'x'));
    EXPECT_STREQ(Stream(nullptr).name, "");
    KW_Rts::Chan c(longName.c_str(), 0, 0);
    EXPECT_EQ(std::string(c.name), std::string(63, 'x'));
}

TEST(Rts, FreeDropsTheOutputsAndExitDropsEverything) {
    liveChannels = 0;
    Stream s;
    EXPECT_EQ(s.active.load(), nullptr);
    EXPECT_FALSE(s.running);
    auto* m = new KW_Rts::Mode(48000, 32, 480, 2);
    s.modes.add(&m->link);
    s.inputs.add(&(new CountedChan("Left"))->link);
    EXPECT_EQ(s.init(), KW_OK);
    EXPECT_EQ(s.mode(m), KW_OK);
    EXPECT_EQ(s.active.load(), m);
    s.outputs.add(&(new CountedChan("Left front"))->link);
    s.outputs.add(&(new CountedChan("Right front"))->link);
    EXPECT_EQ(liveChannels, 3);

    EXPECT_EQ(s.free(), KW_OK);
    EXPECT_EQ(s.active.load(), nullptr);
    EXPECT_EQ(s.outputs.count, 0);
    EXPECT_EQ(s.inputs.count, 1);
    EXPECT_EQ(s.modes.count, 1);
    EXPECT_EQ(liveChannels, 1);

    EXPECT_EQ(s.exit(), KW_OK);
    EXPECT_EQ(s.inputs.count, 0);
    EXPECT_EQ(s.modes.count, 0);
    EXPECT_EQ(liveChannels, 0);
}

TEST(Rts, StartAndStopSetRunning) {
    Stream s;
    EXPECT_EQ(s.start(), KW_OK);
    EXPECT_TRUE(s.running);
    EXPECT_EQ(s.stop(), KW_OK);
    EXPECT_FALSE(s.running);
    EXPECT_EQ(s.update(), KW_OK);
}

// A block that saw the mode keeps its output channels until it ends; later blocks see no mode.
TEST(Rts, FreeWaitsForTheBlockInProgress) {
    liveChannels = 0;
    Stream s;
    KW_Rts::Mode m(48000, 32, 480, 2);
    s.mode(&m);
    s.outputs.add(&(new CountedChan("Left front"))->link);
    ASSERT_EQ(s.beginBlock(), &m);

    std::atomic<bool> freed{false};
    std::thread ui([&] {
        s.free();
        freed = true;
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_FALSE(freed.load());
    EXPECT_EQ(liveChannels, 1);  // still there for the running block
    EXPECT_EQ(s.active.load(), nullptr);
    s.endBlock();
    ui.join();
    EXPECT_TRUE(freed.load());
    EXPECT_EQ(liveChannels, 0);
    EXPECT_EQ(s.beginBlock(), nullptr);
}

TEST(Rts, DestroyingStreamsLeavesTheirLists) {
    KW_Chain mine;
    auto* a = new Stream("a");
    auto* b = new Stream("b");
    for (Stream* s : {a, b}) {
        mine.add(&s->classLink);
        KW_Rts_instances.add(&s->instanceLink);
    }
    int before = KW_Rts_instances.count;
    delete a;
    EXPECT_EQ(mine.count, 1);
    EXPECT_EQ(KW_Rts_instances.count, before - 1);
    Stream::deleteAll(mine);
    EXPECT_EQ(mine.count, 0);
    EXPECT_EQ(KW_Rts_instances.count, before - 2);
}

}  // namespace
