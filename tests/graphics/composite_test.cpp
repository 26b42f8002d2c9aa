#include <gtest/gtest.h>
#include <vector>
#include "Formats.h"
#include "graphics/KW_Pic.h"

using formats::Bytes;
using formats::kwif;
using formats::tag;
using Picture = KW_Pic<KW_Pix_A32>;

namespace {

// A w x h source whose pixel (x, y) is tag(100 y + x), opaque.
Bytes taggedSource(uint32_t w, uint32_t h) {
    std::vector<KW_Pix_A32> px;
    for (uint32_t y = 0; y < h; ++y)
        for (uint32_t x = 0; x < w; ++x) px.push_back(tag(100 * y + x));
    return kwif(w, h, px);
}

// What an opaque source pixel leaves on a cleared destination.
uint32_t over0(KW_Pix_A32 s) {
    KW_Pix_A32 d;
    d.blend(s);
    return d.word();
}

int floorMod(int v, int n) { return ((v % n) + n) % n; }

}  // namespace

// The source repeats from the part's origin: destination (x + j - left, y + i - top) shows source
// (j mod w, i mod h), a partial last copy showing the source's first rows and columns.
TEST(Composite, RepeatsTheSourceOverALargerPart) {
    const Bytes data = taggedSource(10, 10);
    Picture source, dest;
    ASSERT_TRUE(source.map(data.data(), data.size()));
    ASSERT_TRUE(dest.resize(40, 40));
    const KW_Rect part{0, 0, 30, 25};
    Picture::composite(source, dest, 3, 4, &part);
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 40; ++x) {
            const bool inside = x >= 3 && x < 33 && y >= 4 && y < 29;
            const uint32_t expected = inside ? over0(tag(100 * ((y - 4) % 10) + (x - 3) % 10)) : 0u;
            ASSERT_EQ(expected, dest.row(y)[x].word()) << x << "," << y;
        }
    }
}

TEST(Composite, PartCoordinatesPickTheSourceTileIncludingNegativeOnes) {
    const Bytes data = taggedSource(5, 3);
    Picture source, dest;
    ASSERT_TRUE(source.map(data.data(), data.size()));
    const KW_Rect parts[] = {{7, 4, 12, 9}, {-6, -4, 2, 3}, {-1, -1, 0, 0}};
    for (const KW_Rect& part : parts) {
        ASSERT_TRUE(dest.resize(8, 7));
        Picture::composite(source, dest, 0, 0, &part);
        for (int i = part.top; i < part.bottom; ++i)
            for (int j = part.left; j < part.right; ++j)
                ASSERT_EQ(over0(tag(100 * floorMod(i, 3) + floorMod(j, 5))), dest.row(i - part.top)[j - part.left].word())
                    << j << "," << i;
    }
}

// Whatever would land outside the destination is left out; nothing around it is written.
TEST(Composite, StaysInsideTheDestination) {
    const Bytes data = taggedSource(4, 4);
    Picture source;
    ASSERT_TRUE(source.map(data.data(), data.size()));
    struct Case {
        int32_t x, y;
        KW_Rect part;
    };
    const Case cases[] = {
        {-3, -2, {0, 0, 10, 10}}, {5, 5, {0, 0, 10, 10}}, {-100, 2, {0, 0, 50, 2}},
        {INT32_MAX, INT32_MAX, {0, 0, 4, 4}}, {INT32_MIN, 0, {INT32_MIN, 0, INT32_MAX, 4}}, {0, 0, {3, 3, 1, 1}},
    };
    for (const Case& c : cases) {
        // The destination is a mapped 6 x 6 picture inside a larger buffer, so stray writes show.
        Bytes buffer = kwif(6, 6, std::vector<KW_Pix_A32>(36));
        buffer.resize(buffer.size() + 64, 0xEE);
        const Bytes untouched = buffer;
        Picture dest;
        ASSERT_TRUE(dest.map(buffer.data(), buffer.size() - 64));
        Picture::composite(source, dest, c.x, c.y, &c.part);
        for (std::size_t k = 0; k < buffer.size(); ++k) {
            const bool pixel = k >= 12 && k < 12 + 144;
            if (!pixel) {
                ASSERT_EQ(untouched[k], buffer[k]) << "byte " << k << " of case " << c.x << "," << c.y;
                continue;
            }
            const int x = int(k - 12) / 4 % 6, y = int(k - 12) / 24;
            const int64_t j = int64_t(x) - c.x + c.part.left, i = int64_t(y) - c.y + c.part.top;
            const bool drawn = j >= c.part.left && j < c.part.right && i >= c.part.top && i < c.part.bottom;
            if (!drawn) {
                ASSERT_EQ(0, buffer[k]) << x << "," << y;
            }
        }
    }
}

TEST(Composite, DrawsNothingFromAnEmptySourceOrWithoutAPart) {
    const Bytes empty = kwif(0, 0, {}), one = taggedSource(1, 1);
    Picture none, zero, pixel, dest;
    ASSERT_TRUE(zero.map(empty.data(), empty.size()));
    ASSERT_TRUE(pixel.map(one.data(), one.size()));
    ASSERT_TRUE(dest.resize(2, 2));
    const KW_Rect part{0, 0, 2, 2};
    Picture::composite(none, dest, 0, 0, &part);
    Picture::composite(zero, dest, 0, 0, &part);
    Picture::composite(pixel, dest, 0, 0, nullptr);
    Picture::composite(pixel, none, 0, 0, &part);  // a destination without pixels
    for (int k = 0; k < 4; ++k) EXPECT_EQ(0u, dest.pixels[k].word());
}

TEST(Composite, BlendsTranslucentSourcesWithTheDestination) {
    const Bytes data = kwif(1, 1, {KW_Pix_A32::of(0x80C8C8C8)});
    Picture source, dest;
    ASSERT_TRUE(source.map(data.data(), data.size()));
    ASSERT_TRUE(dest.resize(2, 1));
    dest.pixels[0] = KW_Pix_A32::of(0x80646464);
    dest.pixels[1] = KW_Pix_A32::of(0xFF646464);
    const KW_Rect part{0, 0, 2, 1};
    Picture::composite(source, dest, 0, 0, &part);
    EXPECT_EQ(0x80969696u, dest.pixels[0].word());
    EXPECT_EQ(0xBF969696u, dest.pixels[1].word());
}
