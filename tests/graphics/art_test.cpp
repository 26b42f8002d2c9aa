// The art embedded in the executable: every resource there, with its size, and drawn so that the program
// can use it (opaque where it must cover, translucent where it must show through, hit tests that work).
#include <gtest/gtest.h>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include "graphics/KW_Pic.h"
#include "graphics/KW_Vid.h"

using Picture = KW_Pic<KW_Pix_A32>;

namespace {

struct Expected {
    const char* name;
    int32_t width, height, frames;  // frames 0: a still picture
};

const Expected art[] = {
    {"bgnd", 63, 63, 0},   {"sitelogo", 160, 30, 0}, {"alt", 10, 10, 0}, {"amt", 10, 10, 0}, {"art", 10, 10, 0},
    {"alm", 10, 10, 0},    {"arm", 10, 10, 0},       {"alb", 10, 10, 0}, {"amb", 10, 10, 0}, {"arb", 10, 10, 0},
    {"glt", 10, 10, 0},    {"gmt", 10, 10, 0},       {"grt", 10, 10, 0}, {"glm", 10, 10, 0}, {"grm", 10, 10, 0},
    {"glb", 10, 10, 0},    {"gmb", 10, 10, 0},       {"grb", 10, 10, 0}, {"gmm", 128, 128, 0},
    {"i41x89", 41, 89, 0}, {"i91x17", 91, 17, 0},    {"big", 64, 64, 265}, {"knob", 32, 32, 100},
    {"tune", 120, 24, 100}, {"but", 40, 24, 2},      {"load", 40, 24, 2}, {"peek", 40, 24, 2}, {"save", 40, 24, 2},
};

const char* const controls[] = {"big", "knob", "tune", "but", "load", "peek", "save"};
const char* const buttons[] = {"but", "load", "peek", "save"};

// Pictures are not copied: each test maps its own.
void load(Picture& pic, const std::string& name) { EXPECT_TRUE(pic.mapResource(name.c_str())) << name; }

KW_Vid strip(const char* name) {
    KW_Vid vid;
    EXPECT_TRUE(vid.mapResource(name)) << name;
    return vid;
}

KW_Pix_A32 at(const Picture& pic, int x, int y) { return pic.row(y)[x]; }

// Clockwise from straight up, in degrees.
double heading(double dx, double dy) { return std::atan2(dx, -dy) * 180 / 3.141592653589793; }

// The centre of the pointer's near-white pixels in a frame.
bool pointerCentre(const KW_Vid& vid, int frame, double& x, double& y) {
    double sx = 0, sy = 0, n = 0;
    for (int j = 0; j < vid.height; ++j) {
        for (int i = 0; i < vid.width; ++i) {
            const KW_Pix_A32 p = vid.pixelAt(frame, i, j);
            if (p.a >= 200 && p.r >= 200 && p.g >= 200 && p.b >= 200) sx += i + 0.5, sy += j + 0.5, n += 1;
        }
    }
    if (n == 0) return false;
    x = sx / n;
    y = sy / n;
    return true;
}

}  // namespace

TEST(Art, EveryResourceIsThereWithItsSize) {
    for (const Expected& e : art) {
        if (e.frames == 0) {
            Picture pic;
            load(pic, e.name);
            EXPECT_EQ(e.width, pic.width) << e.name;
            EXPECT_EQ(e.height, pic.height) << e.name;
        } else {
            const KW_Vid vid = strip(e.name);
            EXPECT_EQ(e.width, vid.width) << e.name;
            EXPECT_EQ(e.height, vid.height) << e.name;
            EXPECT_EQ(e.frames, vid.frameCount) << e.name;
        }
    }
}

// Stripes run along x + y: each pixel equals its neighbour one step along the stripe, across the edges
// too, so the texture repeats without a seam.
TEST(Art, BackgroundIsOpaqueAndTilesAlongItsStripes) {
    Picture bg;
    load(bg, "bgnd");
    std::set<uint32_t> colours;
    for (int y = 0; y < 63; ++y) {
        for (int x = 0; x < 63; ++x) {
            ASSERT_EQ(255, at(bg, x, y).a);
            ASSERT_EQ(at(bg, x, y).word(), at(bg, (x + 1) % 63, (y + 62) % 63).word()) << x << "," << y;
            colours.insert(at(bg, x, y).word());
        }
    }
    EXPECT_GE(colours.size(), 2u);
}

TEST(Art, PanelFillIsOpaqueAndWrapsWithoutASeam) {
    Picture gmm;
    load(gmm, "gmm");
    auto step = [&](int x0, int y0, int x1, int y1) {
        const KW_Pix_A32 a = at(gmm, x0, y0), b = at(gmm, x1, y1);
        return std::max({std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b)});
    };
    int inside = 0, seam = 0;
    for (int k = 0; k < 128; ++k) {
        for (int m = 0; m + 1 < 128; ++m) {
            ASSERT_EQ(255, at(gmm, m, k).a);
            inside = std::max({inside, step(m, k, m + 1, k), step(k, m, k, m + 1)});
        }
        seam = std::max({seam, step(127, k, 0, k), step(k, 127, k, 0)});
    }
    EXPECT_LE(seam, inside);
}

TEST(Art, OuterBorderIsTranslucent) {
    for (const char* name : {"alt", "amt", "art", "alm", "arm", "alb", "amb", "arb"}) {
        Picture pic;
        load(pic, name);
        int strongest = 0;
        for (int k = 0; k < 100; ++k) strongest = std::max<int>(strongest, pic.pixels[k].a);
        EXPECT_LE(strongest, 126) << name;
        EXPECT_GT(strongest, 0) << name;
    }
}

// Edge pieces are the same all along the edge and continue the corners next to them, so that repeated
// along the border they meet the corners without a step.
TEST(Art, BorderEdgesRepeatAndMeetTheirCorners) {
    for (const char family : {'a', 'g'}) {
        Picture lt, mt, rt, lm, rm, lb, mb, rb;
        const std::string f(1, family);
        load(lt, f + "lt"), load(mt, f + "mt"), load(rt, f + "rt"), load(lm, f + "lm");
        load(rm, f + "rm"), load(lb, f + "lb"), load(mb, f + "mb"), load(rb, f + "rb");
        for (int k = 0; k < 10; ++k) {
            for (int m = 0; m < 10; ++m) {
                ASSERT_EQ(at(mt, 0, k).word(), at(mt, m, k).word()) << family << " top";
                ASSERT_EQ(at(mb, 0, k).word(), at(mb, m, k).word()) << family << " bottom";
                ASSERT_EQ(at(lm, k, 0).word(), at(lm, k, m).word()) << family << " left";
                ASSERT_EQ(at(rm, k, 0).word(), at(rm, k, m).word()) << family << " right";
            }
            ASSERT_EQ(at(mt, 0, k).word(), at(lt, 9, k).word()) << family;
            ASSERT_EQ(at(mt, 0, k).word(), at(rt, 0, k).word()) << family;
            ASSERT_EQ(at(mb, 0, k).word(), at(lb, 9, k).word()) << family;
            ASSERT_EQ(at(mb, 0, k).word(), at(rb, 0, k).word()) << family;
            ASSERT_EQ(at(lm, k, 0).word(), at(lt, k, 9).word()) << family;
            ASSERT_EQ(at(lm, k, 0).word(), at(lb, k, 0).word()) << family;
            ASSERT_EQ(at(rm, k, 0).word(), at(rt, k, 9).word()) << family;
            ASSERT_EQ(at(rm, k, 0).word(), at(rb, k, 0).word()) << family;
        }
    }
}

// The panel fill lies 6 pixels inside the frame's outer edge; the frame pieces leave that area clear.
TEST(Art, PanelFramePiecesLeaveThePanelFaceClear) {
    Picture lt, rb;
    load(lt, "glt"), load(rb, "grb");
    for (int y = 6; y < 10; ++y)
        for (int x = 6; x < 10; ++x) EXPECT_EQ(0, at(lt, x, y).a) << x << "," << y;
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) EXPECT_EQ(0, at(rb, x, y).a) << x << "," << y;
    EXPECT_EQ(255, at(lt, 9, 0).a);
}

// The hit test counts alpha 128 or more as a hit: the middle of every control is solid, its corners clear.
TEST(Art, ControlsHaveSolidBodiesAndClearSurroundings) {
    for (const char* name : controls) {
        const KW_Vid vid = strip(name);
        for (int f = 0; f < vid.frameCount; ++f) {
            EXPECT_GE(vid.pixelAt(f, vid.width / 2, vid.height / 2).a, 128) << name << " " << f;
            EXPECT_GE(vid.pixelAt(f, vid.width / 4, vid.height / 2).a, 128) << name << " " << f;
            for (int corner = 0; corner < 4; ++corner)
                EXPECT_EQ(0, vid.pixelAt(f, corner % 2 ? vid.width - 1 : 0, corner / 2 ? vid.height - 1 : 0).a) << name;
        }
    }
}

// Frame 0 points to the lower left, the middle frame straight up and the last to the lower right,
// turning clockwise in even steps.
TEST(Art, KnobsPointClockwiseFromLowerLeftToLowerRight) {
    for (const char* name : {"big", "knob"}) {
        const KW_Vid vid = strip(name);
        for (int f = 0; f < vid.frameCount; ++f) {
            double x, y;
            ASSERT_TRUE(pointerCentre(vid, f, x, y)) << name << " " << f;
            const double expected = -135 + 270.0 * f / (vid.frameCount - 1);
            EXPECT_NEAR(expected, heading(x - vid.width / 2.0, y - vid.height / 2.0), 6) << name << " " << f;
        }
    }
}

TEST(Art, SliderThumbMovesFromLeftToRight) {
    const KW_Vid vid = strip("tune");
    double previous = 0;
    for (int f = 0; f < vid.frameCount; ++f) {
        double x, y;
        ASSERT_TRUE(pointerCentre(vid, f, x, y)) << f;
        EXPECT_GT(x, previous) << f;
        EXPECT_NEAR(12.0, y, 1.0);
        previous = x;
    }
    EXPECT_LT(previous, vid.width - 8.0);
}

// Off shows a dark mark, on a lit one in the accent colour.
TEST(Art, ButtonsLightTheirMarkWhenOn) {
    for (const char* name : buttons) {
        const KW_Vid vid = strip(name);
        int lit[2] = {0, 0};
        for (int f = 0; f < 2; ++f)
            for (int y = 0; y < vid.height; ++y)
                for (int x = 0; x < vid.width; ++x) {
                    const KW_Pix_A32 p = vid.pixelAt(f, x, y);
                    if (p.a >= 128 && p.r >= 180 && p.r > p.g + 40) ++lit[f];
                }
        EXPECT_EQ(0, lit[0]) << name;
        EXPECT_GE(lit[1], 15) << name;
    }
}

// A meter finds its segments by their number in the red byte with green and blue 0. Each segment of
// 1..count must be one solid rectangle, rising up (vertical meter) or to the right (horizontal one).
TEST(Art, MeterSegmentsCarryTheirNumbersInRed) {
    struct Meter {
        const char* name;
        int count;
        bool vertical;
    };
    for (const Meter& m : {Meter{"i41x89", 21, true}, Meter{"i91x17", 22, false}}) {
        Picture pic;
        load(pic, m.name);
        struct Box {
            int x0 = 1 << 30, y0 = 1 << 30, x1 = -1, y1 = -1, n = 0;
        };
        std::map<int, Box> boxes;
        for (int y = 0; y < pic.height; ++y) {
            for (int x = 0; x < pic.width; ++x) {
                const KW_Pix_A32 p = at(pic, x, y);
                if (p.g != 0 || p.b != 0 || p.r == 0) continue;
                Box& b = boxes[p.r];
                b.x0 = std::min(b.x0, x), b.y0 = std::min(b.y0, y), b.x1 = std::max(b.x1, x), b.y1 = std::max(b.y1, y);
                ++b.n;
                EXPECT_EQ(255, p.a);
            }
        }
        ASSERT_EQ(std::size_t(m.count), boxes.size()) << m.name;
        for (int k = 1; k <= m.count; ++k) {
            ASSERT_TRUE(boxes.count(k)) << m.name << " " << k;
            const Box& b = boxes[k];
            EXPECT_EQ((b.x1 - b.x0 + 1) * (b.y1 - b.y0 + 1), b.n) << m.name << " " << k;
            if (k > 1) {
                const Box& before = boxes[k - 1];
                const bool follows = m.vertical ? b.y1 < before.y0 : b.x0 > before.x1;
                EXPECT_TRUE(follows) << m.name << " " << k;
            }
        }
    }
}

// The strips are deduplicated: no block is stored twice and every stored block is used.
TEST(Art, StripsStoreEachBlockOnce) {
    for (const char* name : controls) {
        const KW_Vid vid = strip(name);
        std::set<std::string> distinct;
        for (int k = 0; k < vid.blockCount; ++k)
            distinct.insert(std::string(reinterpret_cast<const char*>(vid.blocks + 16 * k), 64));
        EXPECT_EQ(std::size_t(vid.blockCount), distinct.size()) << name;
        std::set<uint16_t> used(vid.index, vid.index + std::size_t(vid.frameCount) * ((vid.width + 3) / 4) * ((vid.height + 3) / 4));
        EXPECT_EQ(std::size_t(vid.blockCount), used.size()) << name;
    }
}

TEST(Art, LogoStandsOnAClearGround) {
    Picture logo;
    load(logo, "sitelogo");
    int solid = 0;
    for (int k = 0; k < 160 * 30; ++k) solid += logo.pixels[k].a == 255;
    EXPECT_EQ(0, at(logo, 0, 0).a);
    EXPECT_EQ(0, at(logo, 159, 29).a);
    EXPECT_GT(solid, 300);
}
