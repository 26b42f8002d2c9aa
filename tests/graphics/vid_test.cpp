#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "Formats.h"
#include "graphics/KW_Pic.h"
#include "graphics/KW_Vid.h"
#include "support/ReportCatcher.h"

using formats::Bytes;
using formats::kwvf;
using formats::tag;
using formats::taggedBlock;
using Picture = KW_Pic<KW_Pix_A32>;

namespace {

// A 12 x 12 strip of two frames (3 x 3 blocks each) over 5 blocks; frame 1 uses its blocks in reverse.
const std::vector<uint16_t> twoFrames = {0, 1, 2, 3, 4, 0, 1, 2, 3,  3, 2, 1, 0, 4, 3, 2, 1, 0};

Bytes sampleStrip() {
    std::vector<std::vector<KW_Pix_A32>> blocks;
    for (uint32_t k = 0; k < 5; ++k) blocks.push_back(taggedBlock(k));
    return kwvf(12, 12, 2, blocks, twoFrames);
}

// The pixel a frame shows at (x, y), from the table above.
uint32_t expectedPixel(int frame, int x, int y) {
    const uint16_t block = twoFrames[size_t(9 * frame + 3 * (y / 4) + x / 4)];
    return tag(1000u * block + 4u * uint32_t(y % 4) + uint32_t(x % 4)).word();
}

uint32_t over0(uint32_t s) {
    KW_Pix_A32 d;
    d.blend(KW_Pix_A32::of(s));
    return d.word();
}

}  // namespace

TEST(Strip, MapDescribesTheResourceInPlace) {
    const Bytes data = sampleStrip();
    KW_Vid vid;
    ASSERT_TRUE(vid.map(data.data(), data.size()));
    EXPECT_EQ(5, vid.blockCount);
    EXPECT_EQ(2, vid.frameCount);
    EXPECT_EQ(12, vid.width);
    EXPECT_EQ(12, vid.height);
    EXPECT_EQ(static_cast<const void*>(data.data() + 20), static_cast<const void*>(vid.blocks));
    EXPECT_EQ(static_cast<const void*>(data.data() + 20 + 5 * 64), static_cast<const void*>(vid.index));
}

TEST(Strip, PixelAtReadsTheBlockUnderThePoint) {
    const Bytes data = sampleStrip();
    KW_Vid vid;
    ASSERT_TRUE(vid.map(data.data(), data.size()));
    // (5, 9): pixel (1, 1) of the block at column 1, row 2.
    EXPECT_EQ(tag(1000u * twoFrames[7] + 5).word(), vid.pixelAt(0, 5, 9).word());
    for (int f = 0; f < 2; ++f)
        for (int y = 0; y < 12; ++y)
            for (int x = 0; x < 12; ++x) ASSERT_EQ(expectedPixel(f, x, y), vid.pixelAt(f, x, y).word());
}

TEST(Strip, PixelAtOutsideTheStripIsTransparent) {
    const Bytes data = sampleStrip();
    KW_Vid vid, unmapped;
    ASSERT_TRUE(vid.map(data.data(), data.size()));
    const int points[][3] = {{0, -1, 0}, {0, 0, -1}, {0, 12, 0}, {0, 0, 12}, {2, 0, 0}, {-1, 0, 0}, {INT32_MIN, 5, 5}};
    for (const auto& p : points) EXPECT_EQ(0u, vid.pixelAt(p[0], p[1], p[2]).word()) << p[0] << " " << p[1] << " " << p[2];
    EXPECT_EQ(0u, unmapped.pixelAt(0, 0, 0).word());
}

// The part (2, 2, 6, 6) spans the four blocks around (4, 4) and writes exactly a 4 x 4 area.
TEST(Strip, DrawFrameWritesThePartAtThePosition) {
    const Bytes data = sampleStrip();
    KW_Vid vid;
    ASSERT_TRUE(vid.map(data.data(), data.size()));
    for (int f = 0; f < 2; ++f) {
        Picture dest;
        ASSERT_TRUE(dest.resize(10, 10));
        EXPECT_TRUE(vid.drawFrame(f, dest, 3, 1, {2, 2, 6, 6}));
        for (int y = 0; y < 10; ++y) {
            for (int x = 0; x < 10; ++x) {
                const bool inside = x >= 3 && x < 7 && y >= 1 && y < 5;
                ASSERT_EQ(inside ? over0(expectedPixel(f, x - 3 + 2, y - 1 + 2)) : 0u, dest.row(y)[x].word())
                    << f << ": " << x << "," << y;
            }
        }
    }
}

TEST(Strip, DrawFrameBlendsOnceWithThePictureRule) {
    std::vector<KW_Pix_A32> half(16, KW_Pix_A32::of(0x80C8C8C8));
    const Bytes data = kwvf(4, 4, 1, {half}, {0});
    KW_Vid vid;
    ASSERT_TRUE(vid.map(data.data(), data.size()));
    Picture dest;
    ASSERT_TRUE(dest.resize(4, 4));
    for (int k = 0; k < 16; ++k) dest.pixels[k] = KW_Pix_A32::of(0x80646464);
    vid.drawFrame(0, dest, 0, 0, {0, 0, 4, 4});
    for (int k = 0; k < 16; ++k) EXPECT_EQ(0x80969696u, dest.pixels[k].word());
}

// Parts reaching beyond the frame or the picture draw only what lies inside both; nothing else is written.
TEST(Strip, DrawFrameStaysInsideFrameAndPicture) {
    const Bytes data = sampleStrip();
    KW_Vid vid;
    ASSERT_TRUE(vid.map(data.data(), data.size()));
    struct Case {
        int32_t x, y;
        KW_Rect part;
    };
    const Case cases[] = {
        {0, 0, {-5, -5, 20, 20}}, {-7, -3, {0, 0, 12, 12}}, {4, 4, {0, 0, 12, 12}},
        {INT32_MIN, INT32_MAX, {0, 0, 12, 12}}, {0, 0, {INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX}}, {0, 0, {9, 9, 2, 2}},
    };
    for (const Case& c : cases) {
        Bytes buffer = formats::kwif(8, 8, std::vector<KW_Pix_A32>(64));
        buffer.resize(buffer.size() + 64, 0xEE);
        const Bytes untouched = buffer;
        Picture dest;
        ASSERT_TRUE(dest.map(buffer.data(), buffer.size() - 64));
        EXPECT_TRUE(vid.drawFrame(1, dest, c.x, c.y, c.part));
        for (int y = 0; y < 8; ++y) {
            for (int x = 0; x < 8; ++x) {
                const int64_t j = int64_t(x) - c.x + c.part.left, i = int64_t(y) - c.y + c.part.top;
                const bool drawn = j >= std::max(0, c.part.left) && j < std::min(12, c.part.right) &&
                                   i >= std::max(0, c.part.top) && i < std::min(12, c.part.bottom);
                ASSERT_EQ(drawn ? over0(expectedPixel(1, int(j), int(i))) : 0u, dest.row(y)[x].word()) << x << "," << y;
            }
        }
        for (std::size_t k = 12 + 256; k < buffer.size(); ++k) ASSERT_EQ(untouched[k], buffer[k]);
        for (std::size_t k = 0; k < 12; ++k) ASSERT_EQ(untouched[k], buffer[k]);
    }
}

TEST(Strip, DrawFrameRefusesFramesOutOfRange) {
    const Bytes data = sampleStrip();
    KW_Vid vid, unmapped;
    ASSERT_TRUE(vid.map(data.data(), data.size()));
    Picture dest;
    ASSERT_TRUE(dest.resize(12, 12));
    for (int32_t frame : {-1, 2, INT32_MAX, INT32_MIN}) EXPECT_FALSE(vid.drawFrame(frame, dest, 0, 0, {0, 0, 12, 12}));
    EXPECT_FALSE(unmapped.drawFrame(0, dest, 0, 0, {0, 0, 12, 12}));
    for (int k = 0; k < 144; ++k) ASSERT_EQ(0u, dest.pixels[k].word());
}

// A width that is not a multiple of 4 shows only the first columns of the last block column.
TEST(Strip, PartialLastBlocksAreCutToTheFrame) {
    const Bytes data = kwvf(6, 3, 1, {taggedBlock(0), taggedBlock(1)}, {0, 1});
    KW_Vid vid;
    ASSERT_TRUE(vid.map(data.data(), data.size()));
    Picture dest;
    ASSERT_TRUE(dest.resize(8, 4));
    vid.drawFrame(0, dest, 0, 0, {0, 0, 8, 4});
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 8; ++x)
            ASSERT_EQ(x < 6 && y < 3 ? over0(tag(1000u * (x / 4) + 4u * y + x % 4).word()) : 0u, dest.row(y)[x].word());
    EXPECT_EQ(0u, vid.pixelAt(0, 6, 0).word());
}

namespace {

struct Refusal {
    const char* what;
    Bytes data;
    std::size_t size;
    const char* message;
};

}  // namespace

TEST(Strip, MapRefusesWhatDoesNotFitItsLength) {
    const Bytes good = sampleStrip();
    Bytes nineClaimed = kwvf(4, 4, 0, {}, {});
    nineClaimed[12] = 9;  // claims 9 blocks, holds none
    const Bytes b1 = kwvf(4, 4, 1, {taggedBlock(0)}, {0});
    const Refusal cases[] = {
        {"a picture", kwvf(4, 4, 1, {taggedBlock(0)}, {0}, "KWIF"), b1.size(), "Invalid KWVF header"},
        {"shorter than the header", good, 19, "Invalid KWVF header"},
        {"an index entry missing", good, good.size() - 2, "KWVF size does not match the resource length"},
        {"two bytes too many", good, good.size() + 2, "KWVF size does not match the resource length"},
        {"block count beyond the data", nineClaimed, 20, "KWVF size does not match the resource length"},
        {"block number equal to the count", kwvf(4, 4, 1, {taggedBlock(0)}, {1}), b1.size(), "KWVF block number beyond the block count"},
        {"block number far beyond", kwvf(8, 4, 1, {taggedBlock(0)}, {0, 0xFFFF}), b1.size() + 2, "KWVF block number beyond the block count"},
        {"no blocks at all", kwvf(4, 4, 1, {}, {0}), 22, "KWVF block number beyond the block count"},
        {"frame count that wraps", kwvf(4, 4, 0x80000000, {}, {}), 20, "KWVF size does not match the resource length"},
        {"huge frame", kwvf(0xFFFFFFFC, 0xFFFFFFFC, 1, {}, {}), 20, "KWVF size does not match the resource length"},
    };
    for (Refusal c : cases) {
        KW_Vid vid;
        ASSERT_TRUE(vid.map(good.data(), good.size()));
        c.data.resize(std::max(c.data.size(), c.size));
        ReportCatcher catcher;
        EXPECT_FALSE(vid.map(c.data.data(), c.size)) << c.what;
        const std::string report = catcher.text();
        EXPECT_THAT(report, testing::StartsWith(std::string("Error: ") + c.message + "\n")) << c.what;
        EXPECT_THAT(report, testing::HasSubstr("\nProc: KW_Vid::map\n")) << c.what;
        EXPECT_EQ(2, vid.frameCount) << c.what;
        EXPECT_EQ(5, vid.blockCount) << c.what;
        EXPECT_EQ(static_cast<const void*>(good.data() + 20), static_cast<const void*>(vid.blocks)) << c.what;
    }
}

TEST(Strip, AnEmptyStripMapsAndDrawsNothing) {
    const Bytes data = kwvf(0, 0, 3, {}, {});
    KW_Vid vid;
    ASSERT_TRUE(vid.map(data.data(), data.size()));
    EXPECT_EQ(3, vid.frameCount);
    Picture dest;
    ASSERT_TRUE(dest.resize(2, 2));
    EXPECT_TRUE(vid.drawFrame(1, dest, 0, 0, {0, 0, 2, 2}));
    for (int k = 0; k < 4; ++k) EXPECT_EQ(0u, dest.pixels[k].word());
}
