// The filter's graph as a whole: input copy, low-pass, band-pass subtracting, output copy.
#include <gtest/gtest.h>
#include <cmath>
#include <vector>
#include "filtergraph/Filter_graph.h"
#include "filtergraph/Sine_gain.h"

namespace {

double butterworthDb(double f, double fc) { return -10.0 * std::log10(1.0 + std::pow(f / fc, 6.0)); }

struct Point {
    int32_t clock;
    double cutoff;
};

class FilterResponse : public ::testing::TestWithParam<Point> {};

// Within 1.5 dB of the analog third-order Butterworth at half the cutoff and at the cutoff, and still
// cutting at twice the cutoff, over the cutoff knob's whole range.
TEST_P(FilterResponse, CloseToTheAnalogButterworth) {
    const Point p = GetParam();
    auto gain = [&](double f) {
        Filter_graph g;
        g.tune(p.clock, float(p.cutoff));
        const int64_t settle = int64_t(40 * p.clock / (2 * 3.141592653589793 * p.cutoff)) + 4096;
        return Sine_gain([&](const int32_t* in, int32_t* out, int32_t n) { g.run(in, out, n); }, p.clock, f, g.block,
                         settle, std::max<int64_t>(int64_t(4 * p.clock / f), 16384));
    };
    EXPECT_NEAR(gain(p.cutoff / 2), butterworthDb(p.cutoff / 2, p.cutoff), 1.5);
    EXPECT_NEAR(gain(p.cutoff), butterworthDb(p.cutoff, p.cutoff), 1.5);
    EXPECT_LT(gain(2 * p.cutoff), -7.0);
}

INSTANTIATE_TEST_SUITE_P(Filter, FilterResponse,
                         ::testing::Values(Point{44100, 20}, Point{44100, 1000}, Point{44100, 9926}, Point{44100, 10000},
                                           Point{48000, 239.47897f}, Point{48000, 10000}, Point{96000, 5000}),
                         [](const auto& info) {
                             return std::to_string(info.param.clock) + "Hz_" + std::to_string(int(info.param.cutoff));
                         });

// Switching the filter off (or on) gives exactly one block of linear crossfade between the filtered
// and the unfiltered signal, and no step between samples beyond those of the two signals and the fade.
TEST(Filter, SwitchingFadesOverOneBlock) {
    for (bool toOn : {false, true}) {
        const int32_t n = 512;
        Filter_graph switched, steady;
        for (Filter_graph* g : {&switched, &steady}) g->tune(44100, 800.0f);
        if (toOn) switched.setOn(false);
        std::vector<int32_t> in(n), a(n), b(n);
        auto feed = [&](int block) {
            for (int32_t k = 0; k < n; ++k) in[size_t(k)] = int32_t(std::lround(5e8 * std::sin(0.03 * (block * n + k)) + 3e8 * std::sin(0.31 * (block * n + k))));
        };
        int64_t steadyStep = 0;
        for (int block = 0; block < 4; ++block) {
            feed(block);
            switched.run(in.data(), a.data(), n);
            steady.run(in.data(), b.data(), n);
            for (int32_t k = 1; k < n; ++k) {
                steadyStep = std::max<int64_t>(steadyStep, std::llabs(int64_t(b[size_t(k)]) - b[size_t(k - 1)]));
                steadyStep = std::max<int64_t>(steadyStep, std::llabs(int64_t(in[size_t(k)]) - in[size_t(k - 1)]));
            }
        }
        switched.setOn(toOn);
        feed(4);
        const int32_t before = a[n - 1];
        switched.run(in.data(), a.data(), n);
        if (toOn) {  // switched off earlier, the filters were reset: they start again from rest
            Filter_graph fresh;
            fresh.tune(44100, 800.0f);
            fresh.run(in.data(), b.data(), n);
        } else {
            steady.run(in.data(), b.data(), n);
        }
        for (int32_t k = 0; k < n; ++k) {
            const int64_t filtered = b[size_t(k)], bypass = in[size_t(k)];
            const int64_t expect = toOn ? (filtered * k + bypass * (n - k)) / n : (bypass * k + filtered * (n - k)) / n;
            ASSERT_EQ(a[size_t(k)], expect) << (toOn ? "on " : "off ") << k;
        }
        int64_t fadeStep = std::llabs(int64_t(a[0]) - before);
        for (int32_t k = 1; k < n; ++k) fadeStep = std::max<int64_t>(fadeStep, std::llabs(int64_t(a[size_t(k)]) - a[size_t(k - 1)]));
        EXPECT_LE(fadeStep, steadyStep + (int64_t(1) << 31) / n) << "no click";
    }
}

}  // namespace
