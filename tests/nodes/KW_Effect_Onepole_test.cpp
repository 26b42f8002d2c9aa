#include <gtest/gtest.h>
#include "core/KW_command.h"
#include "graph/graph_fixture.h"
#include "nodes/KW_Effect_Hipass.h"
#include "nodes/KW_Effect_Lopass.h"

namespace {

struct Tuning {
    int32_t clock;
    double f;
    uint32_t g;
};

class OnepoleCoefficient : public ::testing::TestWithParam<Tuning> {};

TEST_P(OnepoleCoefficient, IsExact) {
    const Tuning t = GetParam();
    for (const char* cls : {"KW_Effect_Lopass", "KW_Effect_Hipass"}) {
        Graph g(4);
        KW_Effect_Onepole* e = g.make<KW_Effect_Onepole>((std::string(cls) + " -clock %i -f %f").c_str(), t.clock, t.f);
        EXPECT_EQ(e->coefficient(), t.g) << cls;
        EXPECT_EQ(e->frequency(), int32_t(t.f)) << "converted";
    }
}

// The last row needs extended precision: in doubles it comes out one higher.
INSTANTIATE_TEST_SUITE_P(Onepole, OnepoleCoefficient,
                         ::testing::Values(Tuning{44100, 1000, 535616699}, Tuning{44100, 20, 12203807},
                                           Tuning{44100, 10000, 2523670415u}, Tuning{44100, 999.9, 535147819},
                                           Tuning{59936, 720270, 4238829097u}));

#if defined(__i386__) || defined(__x86_64__)
// A host may run its threads with the x87 unit at 53-bit precision (Windows does by default).
TEST(Onepole, CoefficientDoesNotDependOnTheCallersPrecision) {
    uint16_t saved, low;
    __asm__ volatile("fnstcw %0" : "=m"(saved));
    low = uint16_t((saved & ~0x0300) | 0x0200);
    __asm__ volatile("fldcw %0" : : "m"(low));
    Graph g(4);
    KW_Effect_Lopass* e = g.make<KW_Effect_Lopass>("KW_Effect_Lopass -clock 59936 -f 720270");
    uint16_t after;
    __asm__ volatile("fnstcw %0" : "=m"(after));
    __asm__ volatile("fldcw %0" : : "m"(saved));
    EXPECT_EQ(e->coefficient(), 4238829097u);
    EXPECT_EQ(after, low) << "the caller's precision is given back";
}
#endif

TEST(Onepole, KeepsItsCoefficientWithoutAPositiveFrequencyAndClock) {
    Graph g(4);
    KW_Effect_Lopass* e = g.make<KW_Effect_Lopass>("KW_Effect_Lopass -f 1000");
    EXPECT_EQ(e->coefficient(), 0u) << "no clock yet";
    KW_command("KW_Effect %o -clock 44100", e);
    EXPECT_EQ(e->coefficient(), 535616699u);
    KW_command("%o -f 0", e);
    KW_command("%o -f -5", e);
    KW_command("%o -f nan", e);
    KW_command("KW_Effect %o -clock 0", e);
    KW_command("KW_Effect %o -clock -44100", e);
    EXPECT_EQ(e->coefficient(), 535616699u);
    EXPECT_EQ(answer("%o -f", e), "-5");
}

struct OnepoleGraph {
    explicit OnepoleGraph(const char* cls, int32_t n = 8) : g(n) {
        in = g.buffer();
        out = g.buffer();
        node = g.make<KW_Effect_Onepole>((std::string(cls) + " -i %o -o %o").c_str(), in, out);
        g.end();
    }
    Graph g;
    KW_Buffer* in;
    KW_Buffer* out;
    KW_Effect_Onepole* node;
};

TEST(Onepole, FirstLowPassOutputOfAFullScaleStep) {
    OnepoleGraph l("KW_Effect_Lopass");
    KW_command("%o -f 1000", l.node);
    KW_command("KW_Effect %o -clock 44100", l.node);
    Graph::fill(l.in, [](int32_t) { return 1 << 30; });
    l.g.pipe->process();
    EXPECT_EQ(l.out->samples()[0], 133904175);
}

TEST(Onepole, UntunedLowPassHoldsAndHighPassPasses) {
    OnepoleGraph l("KW_Effect_Lopass"), h("KW_Effect_Hipass");
    auto signal = [](int32_t k) { return (k - 3) * 123456789; };
    for (OnepoleGraph* o : {&l, &h}) {
        Graph::fill(o->in, signal);
        Graph::fill(o->out, [](int32_t) { return 99; });
        o->g.pipe->process();
    }
    EXPECT_EQ(Graph::contents(l.out), std::vector<int32_t>(8, 0));
    EXPECT_EQ(Graph::contents(h.out), Graph::contents(h.in));
}

TEST(Onepole, ConstantInputIsReachedByTheLowPassAndRemovedByTheHighPass) {
    OnepoleGraph l("KW_Effect_Lopass", 512), h("KW_Effect_Hipass", 512);
    const int32_t x = -700000000;
    for (OnepoleGraph* o : {&l, &h}) {
        KW_command("%o -f 2000", o->node);
        KW_command("KW_Effect %o -clock 48000", o->node);
        Graph::fill(o->in, [&](int32_t) { return x; });
        for (int i = 0; i < 4; ++i) o->g.pipe->process();
    }
    EXPECT_NEAR(l.out->samples()[511], x, 2);
    EXPECT_NEAR(h.out->samples()[511], 0, 2);
}

TEST(Onepole, LowPassHonoursTheModeAndHighPassOverwrites) {
    OnepoleGraph l("KW_Effect_Lopass"), h("KW_Effect_Hipass"), ref("KW_Effect_Lopass"), href("KW_Effect_Hipass");
    for (OnepoleGraph* o : {&l, &h, &ref, &href}) {
        KW_command("%o -f 3000", o->node);
        KW_command("KW_Effect %o -clock 44100", o->node);
        Graph::fill(o->in, [](int32_t k) { return k * 100000000; });
        Graph::fill(o->out, [](int32_t k) { return 5 - k; });
    }
    KW_command("KW_Effect %o -mode add", l.node);
    KW_command("KW_Effect %o -mode add", h.node);
    for (OnepoleGraph* o : {&l, &h, &ref, &href}) o->g.pipe->process();
    for (int32_t k = 0; k < 8; ++k) EXPECT_EQ(l.out->samples()[k], ref.out->samples()[k] + 5 - k);
    EXPECT_EQ(Graph::contents(h.out), Graph::contents(href.out));
}

TEST(Onepole, InPlaceEqualsSeparateBuffers) {
    for (const char* cls : {"KW_Effect_Lopass", "KW_Effect_Hipass"}) {
        OnepoleGraph apart(cls, 64);
        Graph g(64);
        KW_Buffer* io = g.buffer();
        KW_Effect_Onepole* same = g.make<KW_Effect_Onepole>((std::string(cls) + " -i %o -o %o").c_str(), io, io);
        g.end();
        for (KW_Effect_Onepole* e : {apart.node, same}) KW_command("%o -f 5000 -clock 96000", e);
        auto noise = [](int32_t k) { return int32_t(uint32_t(k) * 2654435761u) >> 2; };
        for (int block = 0; block < 3; ++block) {
            Graph::fill(apart.in, noise);
            Graph::fill(io, noise);
            apart.g.pipe->process();
            g.pipe->process();
            EXPECT_EQ(Graph::contents(io), Graph::contents(apart.out)) << cls;
        }
    }
}

TEST(Onepole, NewFrequencyKeepsTheState) {
    OnepoleGraph l("KW_Effect_Lopass", 256);
    KW_command("%o -f 200 -clock 44100", l.node);
    Graph::fill(l.in, [](int32_t) { return 1 << 29; });
    l.g.pipe->process();
    const int32_t last = l.out->samples()[255];
    KW_command("%o -f 100", l.node);
    l.g.pipe->process();
    EXPECT_GT(l.out->samples()[0], last) << "glides on from where it was";
    EXPECT_LT(l.out->samples()[0] - last, last / 50);
}

}  // namespace
