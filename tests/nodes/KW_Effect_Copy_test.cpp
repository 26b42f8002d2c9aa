#include <gtest/gtest.h>
#include "core/KW_command.h"
#include "graph/graph_fixture.h"
#include "nodes/KW_Effect_Copy.h"

namespace {

int32_t ramp(int32_t k) { return 1000 + k; }

struct Copy {
    explicit Copy(int32_t n = 16, const char* options = "") : g(n) {
        in = g.buffer();
        out = g.buffer();
        node = g.make<KW_Effect_Copy>((std::string("KW_Effect_Copy -i %o -o %o") + options).c_str(), in, out);
        g.end();
        Graph::fill(in, ramp);
        Graph::fill(out, [](int32_t) { return -1; });
    }
    Graph g;
    KW_Buffer* in;
    KW_Buffer* out;
    KW_Effect_Copy* node;
};

TEST(Copy, DefaultsCopyTheInput) {
    Copy c;
    EXPECT_EQ(answer("%o -is -os -mode", c.node), "1 1 set");
    c.g.pipe->process();
    EXPECT_EQ(Graph::contents(c.out), Graph::contents(c.in));
}

TEST(Copy, InputStepTakesEveryOtherSample) {
    Copy c(512, " -is 2");
    c.g.pipe->process();
    for (int32_t k = 0; k < 256; ++k) ASSERT_EQ(c.out->samples()[k], ramp(2 * k));
    for (int32_t k = 256; k < 512; ++k) ASSERT_EQ(c.out->samples()[k], -1) << "untouched";
}

TEST(Copy, OutputStepSpreadsAndStopsAtTheOutputsEnd) {
    Copy c(16, " -os 3");
    c.g.pipe->process();
    const std::vector<int32_t> expect = {1000, -1, -1, 1001, -1, -1, 1002, -1, -1, 1003, -1, -1, 1004, -1, -1, 1005};
    EXPECT_EQ(Graph::contents(c.out), expect);
}

// Lengths and steps that would lead outside a buffer: the block is left alone or cut at the end.
TEST(Copy, BadStepsAndShortOutputsStayInside) {
    for (const char* steps : {" -is 0", " -is -1", " -os -1", " -is word"}) {
        Copy c(16, steps);
        c.g.pipe->process();
        const bool moved = std::string(steps) == " -is word";  // a text leaves the step at 1
        EXPECT_EQ(c.out->samples()[0], moved ? 1000 : -1) << steps;
    }
    Copy c(16, " -os 0");
    c.g.pipe->process();
    EXPECT_EQ(c.out->samples()[0], ramp(15)) << "all into the first sample, the last one wins";
    EXPECT_EQ(c.out->samples()[1], -1);

    Copy shorter(32);
    KW_command("KW_Buffer %o -l 8", shorter.out);
    int32_t* spare = shorter.out->samples() + 8;  // the second half, right after the eight samples
    std::fill(spare, spare + 8, 55);
    shorter.g.pipe->process();
    EXPECT_EQ(Graph::contents(shorter.out), std::vector<int32_t>({1000, 1001, 1002, 1003, 1004, 1005, 1006, 1007}));
    EXPECT_EQ(std::vector<int32_t>(spare, spare + 8), std::vector<int32_t>(8, 55));
}

TEST(Copy, OneBufferOnBothSides) {
    Graph g(4);
    KW_Buffer* b = g.buffer();
    KW_Effect_Copy* c = g.make<KW_Effect_Copy>("KW_Effect_Copy -i %o -o %o", b, b);
    g.end();
    const std::vector<int32_t> start = {3, -7, 0x60000000, INT32_MIN};
    auto load = [&] { std::copy(start.begin(), start.end(), b->samples()); };
    load();
    g.pipe->process();
    EXPECT_EQ(Graph::contents(b), start) << "set onto itself moves nothing";
    KW_command("KW_Effect %o -mode add", c);
    g.pipe->process();
    EXPECT_EQ(Graph::contents(b), std::vector<int32_t>({6, -14, int32_t(0xC0000000), 0})) << "doubles, wrapping";
    load();
    KW_command("KW_Effect %o -mode stn", c);
    g.pipe->process();
    EXPECT_EQ(Graph::contents(b), std::vector<int32_t>({-3, 7, -0x60000000, INT32_MIN}));
}

TEST(Copy, MissingBuffersLeaveTheBlockAlone) {
    Copy c;
    KW_command("%o -i 0", c.node);
    c.g.pipe->process();
    EXPECT_EQ(Graph::contents(c.out), std::vector<int32_t>(16, -1));
    KW_command("%o -i %o -o 0", c.node, c.in);
    c.g.pipe->process();
    KW_command("%o -o 0x10 -i %o", c.node, c.node);  // no buffer and not a buffer: both refused
    EXPECT_EQ(c.node->port(KW_Effect::IN), c.in);
    EXPECT_EQ(c.node->port(KW_Effect::OUT), nullptr);
    EXPECT_EQ(Graph::contents(c.out), std::vector<int32_t>(16, -1));
}

}  // namespace
