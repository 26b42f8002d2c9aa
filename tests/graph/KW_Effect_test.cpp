#include <gtest/gtest.h>
#include <string>
#include "core/KW_command.h"
#include "graph/KW_Effect.h"
#include "graph/graph_fixture.h"
#include "graph/probe.h"

namespace {

TEST(Effect, ModeByNameOnly) {
    std::string log;
    Probe p(log, 'p');
    EXPECT_EQ(answer("KW_Effect %o -mode", &p), "set");
    const char* names[] = {"set", "add", "sub", "stn", "adn", "sbn"};
    for (int m = 0; m < 6; ++m) {
        KW_command("KW_Effect %o -mode %s", &p, names[m]);
        EXPECT_EQ(p.mode(), m);
        EXPECT_EQ(answer("KW_Effect %o -mode", &p), names[m]);
    }
    for (const char* bad : {"SUB", "su", "subs", "", "2"}) {
        KW_command("KW_Effect %o -mode %s", &p, bad);
        EXPECT_EQ(answer("KW_Effect %o -mode", &p), "sbn") << bad;
    }
    KW_command("KW_Effect %o -mode 2", &p);  // an integer is no mode name
    KW_command("KW_Effect %o -mode sub -clock 5", &p);  // a name in the middle of a command
    EXPECT_EQ(answer("KW_Effect %o -mode -clock", &p), "sub 5");
}

TEST(Effect, ClockIsConvertedAndSwitchIsRaw) {
    std::string log;
    Probe p(log, 'p');
    EXPECT_EQ(answer("KW_Effect %o -clock -on", &p), "0 1");
    KW_command("KW_Effect %o -clock %f", &p, 100.7);
    EXPECT_EQ(p.clock(), 100);
    KW_command("KW_Effect %o -clock -5.9", &p);
    EXPECT_EQ(p.clock(), -5);
    KW_command("KW_Effect %o -on 0", &p);
    EXPECT_FALSE(p.isOn());
    KW_command("KW_Effect %o -on 0x100", &p);
    EXPECT_TRUE(p.isOn());
    KW_command("KW_Effect %o -on 0 -on off", &p);  // a text says nothing about the switch
    EXPECT_EQ(answer("KW_Effect %o -on", &p), "0");
}

TEST(Effect, WithoutASoundPipeItIsNeverRun) {
    std::string log;
    Probe loose(log, 'l');
    Graph g(4);
    Probe* member = new Probe(log, 'm');
    g.end();
    g.pipe->process();
    EXPECT_EQ(log, "mprep mrun ");
    EXPECT_EQ(g.pipe->effects.count, 1);
    delete member;
}

// The crossfade of one switched node: with a ramp already in the buffer (the bypassed signal) and a
// node writing v, the next reader sees the node's output fading into the ramp over the block when the
// node switches off, and the ramp fading into the output when it switches on.
struct Fade {
    const char* name;
    int on;                      // the switch during the fading block
    int32_t (*expect)(int64_t bypass, int64_t node, int64_t k, int64_t n);
};

class Switching : public ::testing::TestWithParam<Fade> {};

TEST_P(Switching, OneBlockOfLinearCrossfade) {
    const int32_t n = 37;
    std::string log;
    Graph g(n);
    KW_Buffer* w = g.buffer();
    Probe* node = new Probe(log, 'n');
    Probe* reader = new Probe(log, 'r');
    g.end();
    node->value = -1000000007;
    reader->writes = false;
    KW_Effect::m_port<KW_Effect::OUT>(*node, KW_value::object(w));
    KW_Effect::m_port<KW_Effect::OUT>(*reader, KW_value::object(w));
    KW_command("KW_Effect %o -on %i", node, 1 - GetParam().on);
    g.pipe->process();  // steady in the old state

    auto ramp = [](int32_t k) { return int32_t(k * 29000000 - 500000000); };
    Graph::fill(w, ramp);
    KW_command("KW_Effect %o -on %i", node, GetParam().on);
    g.pipe->process();
    for (int32_t k = 0; k < n; ++k)
        ASSERT_EQ(w->samples()[k], GetParam().expect(ramp(k), node->value, k, n)) << "sample " << k;

    Graph::fill(w, ramp);
    g.pipe->process();
    const int32_t steady = GetParam().on ? node->value : ramp(n - 1);
    EXPECT_EQ(w->samples()[n - 1], steady) << "from the next block on, no fade";
    delete reader;
    delete node;
}

INSTANTIATE_TEST_SUITE_P(
    Effect, Switching,
    ::testing::Values(Fade{"off", 0, [](int64_t b, int64_t v, int64_t k, int64_t n) { return int32_t((b * k + v * (n - k)) / n); }},
                      Fade{"on", 1, [](int64_t b, int64_t v, int64_t k, int64_t n) { return int32_t((v * k + b * (n - k)) / n); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Effect, OneSwitchingNodeSeesOneSecondHalfOfABuffer) {
    std::string log;
    Graph g(8);
    KW_Buffer* w = g.buffer();
    Probe* node = new Probe(log, 'n');
    g.end();
    node->value = 77;
    KW_Effect::m_port<KW_Effect::OUT>(*node, KW_value::object(w));
    KW_Effect::m_port<KW_Effect::IN>(*node, KW_value::object(w));
    g.pipe->process();
    EXPECT_EQ(node->seenOut, w->samples());
    Graph::fill(w, [](int32_t k) { return k; });
    KW_command("KW_Effect %o -on 0", node);
    g.pipe->process();
    EXPECT_EQ(node->seenOut, w->samples() + 8);
    EXPECT_EQ(node->seenIn, node->seenOut);
    EXPECT_EQ(node->seenIn[5], 77) << "the second access copies nothing over the node's output";
    delete node;
}

}  // namespace
