#include <gtest/gtest.h>
#include <cmath>
#include <limits>
#include "core/KW_command.h"
#include "filtergraph/Sine_gain.h"
#include "graph/graph_fixture.h"
#include "nodes/KW_Effect_Bapass.h"

using C = KW_Effect_Bapass::Coefficients;

// Beside the type's own namespace, where the test macros look.
bool operator==(const C& a, const C& b) { return a.c0 == b.c0 && a.c1 == b.c1 && a.c2 == b.c2; }
std::ostream& operator<<(std::ostream& o, const C& c) { return o << "{" << c.c0 << ", " << c.c1 << ", " << c.c2 << "}"; }

namespace {

// One band-pass between two buffers of its own graph.
struct Bandpass {
    explicit Bandpass(int32_t n = 512) : g(n) {
        in = g.buffer();
        out = g.buffer();
        node = g.make<KW_Effect_Bapass>("KW_Effect_Bapass -i %o -o %o", in, out);
        g.end();
    }
    Bandpass(int32_t clock, double f, double q, int32_t n = 512) : Bandpass(n) {
        KW_command("%o -q %f -f %f -clock %i", node, q, f, clock);
    }
    // Runs the signal through, block by block; returns the largest output magnitude.
    template <class Signal>
    int64_t run(int64_t samples, Signal x, int64_t* last = nullptr) {
        int64_t peak = 0;
        for (int64_t start = 0; start < samples; start += in->length()) {
            Graph::fill(in, [&](int32_t k) { return x(start + k); });
            g.pipe->process();
            for (int32_t k = 0; k < out->length(); ++k) peak = std::max<int64_t>(peak, std::llabs(out->samples()[k]));
            if (last) *last = out->samples()[out->length() - 1];
        }
        return peak;
    }
    Graph g;
    KW_Buffer* in;
    KW_Buffer* out;
    KW_Effect_Bapass* node;
};

TEST(Bapass, CoefficientsAreExact) {
    Bandpass b(44100, 1500, .618);
    EXPECT_EQ(b.node->coefficients(), (C{251649515, 414685853, 207342926}));
    KW_command("%o -f 20", b.node);
    EXPECT_EQ(b.node->coefficients(), (C{3064374, 6111336, 3055668}));
    EXPECT_EQ(answer("%o -q -f", b.node), "0.618000 20.000000");
}

TEST(Bapass, ImpulseAndStepFollowTheDifferenceEquation) {
    Bandpass b(44100, 1500, .618, 6);
    Graph::fill(b.in, [](int32_t k) { return k ? 0 : 1 << 30; });
    b.g.pipe->process();
    EXPECT_EQ(Graph::contents(b.out), (std::vector<int32_t>{103671463, 183045770, 135868035, 92194048, 53149376, 19451212}));
    b.node->reset();
    Graph::fill(b.in, [](int32_t) { return -(1 << 30); });
    b.g.pipe->process();
    EXPECT_EQ(Graph::contents(b.out), (std::vector<int32_t>{-103671463, -286717231, -422585263, -514779307, -567928678, -587379884}));
}

TEST(Bapass, KeepsItsCoefficientsForUnusableSettings) {
    Bandpass b(512);
    KW_command("%o -f 1000 -q .5", b.node);
    EXPECT_EQ(b.node->coefficients(), (C{0, 0, 0})) << "no clock yet";
    Graph::fill(b.in, [](int32_t k) { return k * 1000; });
    Graph::fill(b.out, [](int32_t k) { return 7 * k; });
    KW_command("KW_Effect %o -mode sub", b.node);
    b.g.pipe->process();
    EXPECT_EQ(b.out->samples()[100], 700) << "untuned it subtracts nothing";

    KW_command("KW_Effect %o -clock 48000", b.node);
    const C tuned = b.node->coefficients();
    EXPECT_NE(tuned, (C{0, 0, 0}));
    const double nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
    for (double q : {1.0, -1.0, 0.0, nan}) KW_command("%o -q %f", b.node, q);
    for (double f : {0.0, nan, inf}) KW_command("%o -f %f", b.node, f);
    KW_command("%o -f %f -q %f", b.node, 1000.0, 1e-30);  // corners too far apart: c1 would reach 2^32
    KW_command("%o -f %f -q .5 -clock 0", b.node, 1000.0);
    KW_command("KW_Effect %o -clock -48000", b.node);
    EXPECT_EQ(b.node->coefficients(), tuned);
}

// Corners f q and f / q: q and 1 / q, or negative f or q, describe the same band. Used as written
// they would give a negative bandwidth and an unstable filter.
TEST(Bapass, SameBandFromEitherSideOfOne) {
    Bandpass ref(44100, 2000, 0.5);
    for (auto fq : {std::pair{2000.0, 2.0}, std::pair{-2000.0, 0.5}, std::pair{2000.0, -0.5}, std::pair{-2000.0, -2.0}}) {
        Bandpass b(44100, fq.first, fq.second);
        EXPECT_EQ(b.node->coefficients(), ref.node->coefficients()) << fq.first << " " << fq.second;
    }
}

TEST(Bapass, StateIsTheSameInEveryMode) {
    const char* modes[] = {"set", "add", "sub", "stn", "adn", "sbn"};
    std::vector<Bandpass*> nodes;
    for (const char* m : modes) {
        nodes.push_back(new Bandpass(48000, 700, .618, 64));
        KW_command("KW_Effect %o -mode %s", nodes.back()->node, m);
    }
    auto x = [](int64_t t) { return int32_t(std::lround(9e8 * std::sin(t * 0.07))); };
    auto o = [](int32_t k) { return int32_t(uint32_t(k) * 0x9E3779B9u); };  // what the output held
    for (int block = 0; block < 3; ++block) {
        for (Bandpass* b : nodes) {
            Graph::fill(b->in, [&](int32_t k) { return x(block * 64 + k); });
            Graph::fill(b->out, o);
            b->g.pipe->process();
        }
        for (int32_t k = 0; k < 64; ++k) {
            const uint32_t r = uint32_t(nodes[0]->out->samples()[k]), was = uint32_t(o(k));
            const uint32_t expect[] = {r, was + r, was - r, 0u - r, 0u - (was + r), r - was};
            for (int m = 1; m < 6; ++m) ASSERT_EQ(uint32_t(nodes[size_t(m)]->out->samples()[k]), expect[m]) << modes[m] << " " << k;
        }
    }
    for (Bandpass* b : nodes) delete b;
}

TEST(Bapass, InPlaceEqualsSeparateBuffers) {
    Bandpass apart(96000, 3000, .618, 128);
    Graph g(128);
    KW_Buffer* io = g.buffer();
    KW_Effect_Bapass* same = g.make<KW_Effect_Bapass>("KW_Effect_Bapass -i %o -o %o -q .618 -f 3000 -clock 96000", io, io);
    g.end();
    EXPECT_EQ(same->coefficients(), apart.node->coefficients());
    auto noise = [](int32_t k) { return int32_t(uint32_t(k + 11) * 2654435761u) >> 2; };
    for (int block = 0; block < 3; ++block) {
        Graph::fill(apart.in, noise);
        Graph::fill(io, noise);
        apart.g.pipe->process();
        g.pipe->process();
        EXPECT_EQ(Graph::contents(io), Graph::contents(apart.out));
    }
}

// Where c0 reaches 2^31 (above fs sqrt(2) / (2 pi), 9926 Hz at 44100 Hz) it is kept exact instead of
// wrapping: the gain at the centre stays that of the real-number difference equation (the second
// figure, computed apart in doubles), on both sides of that point.
TEST(Bapass, StaysExactWhereC0PassesTwoToThe31) {
    const std::pair<double, double> centres[] = {{9900, -0.2084}, {9925, -0.2111}, {9926, -0.2112},
                                                 {9927, -0.2113}, {9990, -0.2184}, {10000, -0.2195}};
    for (auto [f, expect] : centres) {
        Bandpass b(44100, f, .618);
        EXPECT_EQ(b.node->coefficients().c0 >= 0x80000000u, f > 9925.99) << f;
        const double db = Sine_gain([&](const int32_t* in, int32_t* out, int32_t n) {
                                        std::copy(in, in + n, b.in->samples());
                                        b.g.pipe->process();
                                        std::copy(b.out->samples(), b.out->samples() + n, out);
                                    },
                                    44100, f, 512, 8192, 65536);
        EXPECT_NEAR(db, expect, 0.002) << f;
    }
}

// Every clock from 8000 to 384000 Hz and every frequency up to 10000 Hz: the impulse response dies
// away, full-scale steps settle back to 0 without wrapping, and a sine at the centre passes with the
// gain of the real-number difference equation (computed apart in doubles). Above a quarter of the
// clock the centre stays at fs / 4.
struct Edge {
    int32_t clock;
    double f;
    double db;
};

class BapassEdges : public ::testing::TestWithParam<Edge> {};

TEST_P(BapassEdges, StableAndBounded) {
    const Edge e = GetParam();
    const double centre = std::min(e.f, e.clock / 4.0);
    // The slowest pole's time constant is about fs / (pi f) samples.
    const int64_t settle = int64_t(40 * e.clock / (3.141592653589793 * centre)) + 2048;
    Bandpass b(e.clock, e.f, .618);
    const int64_t full = 1 << 30;
    int64_t last = 0;
    EXPECT_LT(b.run(settle, [&](int64_t t) { return t ? 0 : int32_t(full); }), full * 13 / 10);
    b.run(4096, [](int64_t) { return 0; }, &last);
    // Rounding the products down leaves a constant offset of up to about ((fs / 2 pi f)^2 samples.
    const double spread = e.clock / (2 * 3.141592653589793 * centre);
    const int64_t quiet = 4 + int64_t(spread * spread);
    EXPECT_LE(std::llabs(last), quiet) << "impulse response dies away";
    EXPECT_LT(b.run(settle, [&](int64_t) { return int32_t(full); }, &last), full * 13 / 10);
    EXPECT_LE(std::llabs(last), quiet) << "a band-pass passes no DC";
    EXPECT_LT(b.run(settle, [&](int64_t) { return int32_t(-full); }, &last), full * 3 / 2) << "from +1 to -1";
    EXPECT_LE(std::llabs(last), quiet);

    b.node->reset();
    const double db = Sine_gain([&](const int32_t* in, int32_t* out, int32_t n) {
                                    std::copy(in, in + n, b.in->samples());
                                    b.g.pipe->process();
                                    std::copy(b.out->samples(), b.out->samples() + n, out);
                                },
                                e.clock, centre, 512, settle, 65536);
    EXPECT_NEAR(db, e.db, 0.005);
}

INSTANTIATE_TEST_SUITE_P(Bapass, BapassEdges,
                         ::testing::Values(Edge{8000, 20, 0}, Edge{8000, 1800, -0.2108}, Edge{8000, 1801, -0.2114},
                                           Edge{8000, 2000, -0.3684}, Edge{8000, 4000, -0.3684},
                                           Edge{8000, 10000, -0.3684}, Edge{22050, 4963, -0.2112},
                                           Edge{22050, 10000, -0.3684}, Edge{44100, 9926, -0.2112},
                                           Edge{44100, 10000, -0.2195}, Edge{48000, 10000, -0.1427},
                                           Edge{384000, 20, 0}, Edge{384000, 10000, 0}),
                         [](const auto& info) {
                             return std::to_string(info.param.clock) + "Hz_" + std::to_string(int(info.param.f));
                         });

TEST(Bapass, AboveAQuarterOfTheClockTheCentreStaysThere) {
    Bandpass quarter(8000, 2000, .618);
    for (double f : {2000.5, 3999.0, 4000.0, 10000.0}) {
        Bandpass b(8000, f, .618);
        EXPECT_EQ(b.node->coefficients(), quarter.node->coefficients()) << f;
    }
}

}  // namespace
