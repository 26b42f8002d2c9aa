#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <string>
#include "Formats.h"
#include "graphics/KW_Pic.h"
#include "support/ReportCatcher.h"

using formats::Bytes;
using formats::kwif;
using formats::tag;
using Picture = KW_Pic<KW_Pix_A32>;

TEST(Picture, StartsEmpty) {
    Picture pic;
    EXPECT_EQ(0, pic.width);
    EXPECT_EQ(0, pic.height);
    EXPECT_EQ(nullptr, pic.pixels);
}

TEST(Picture, ResizeGivesClearedRowsOfTheWidth) {
    Picture pic;
    ASSERT_TRUE(pic.resize(7, 5));
    EXPECT_EQ(7, pic.width);
    EXPECT_EQ(5, pic.height);
    for (int32_t y = 0; y < 5; ++y) {
        EXPECT_EQ(pic.pixels + 7 * y, pic.row(y));
        for (int32_t x = 0; x < 7; ++x) EXPECT_EQ(0u, pic.row(y)[x].word());
    }
    pic.row(4)[6] = tag(9);
    ASSERT_TRUE(pic.resize(3, 2));  // a new size is new, cleared storage
    for (int32_t k = 0; k < 6; ++k) EXPECT_EQ(0u, pic.pixels[k].word());
}

TEST(Picture, ResizeRefusesImpossibleSizesAndKeepsThePicture) {
    const int32_t cases[][2] = {{-1, 4}, {4, -1}, {INT32_MAX, INT32_MAX}, {1 << 14, 1 << 13}};
    for (const auto& c : cases) {
        Picture pic;
        ASSERT_TRUE(pic.resize(2, 2));
        KW_Pix_A32* before = pic.pixels;
        ReportCatcher catcher;
        EXPECT_FALSE(pic.resize(c[0], c[1]));
        EXPECT_THAT(catcher.text(), testing::StartsWith("Error: Cannot allocate memory"));
        EXPECT_EQ(before, pic.pixels);
        EXPECT_EQ(2, pic.width);
        EXPECT_EQ(2, pic.height);
    }
}

TEST(Picture, MapShowsTheResourceInPlace) {
    const Bytes data = kwif(3, 2, {tag(1), tag(2), tag(3), tag(4), tag(5), tag(6)});
    Picture pic;
    ASSERT_TRUE(pic.map(data.data(), data.size()));
    EXPECT_EQ(3, pic.width);
    EXPECT_EQ(2, pic.height);
    EXPECT_EQ(static_cast<const void*>(data.data() + 12), static_cast<const void*>(pic.pixels));
    EXPECT_EQ(tag(5).word(), pic.row(1)[1].word());
}

TEST(Picture, MapAfterResizeAndResizeAfterMap) {
    const Bytes data = kwif(1, 1, {tag(7)}), original = data;
    Picture pic;
    ASSERT_TRUE(pic.resize(4, 4));
    ASSERT_TRUE(pic.map(data.data(), data.size()));
    EXPECT_EQ(tag(7).word(), pic.pixels[0].word());
    ASSERT_TRUE(pic.resize(2, 3));  // storage of its own again, the resource untouched
    EXPECT_EQ(0u, pic.pixels[5].word());
    EXPECT_EQ(original, data);
}

TEST(Picture, MapOfAnEmptyPictureSucceeds) {
    const Bytes data = kwif(0, 0, {});
    Picture pic;
    EXPECT_TRUE(pic.map(data.data(), data.size()));
    EXPECT_EQ(0, pic.width);
    EXPECT_EQ(0, pic.height);
}

namespace {

struct Refusal {
    const char* what;
    Bytes data;
    std::size_t size;  // the resource's length as the loader tells it
    const char* message;
};

Bytes withSize(uint32_t w, uint32_t h) { return kwif(w, h, {}); }

}  // namespace

TEST(Picture, MapRefusesWhatIsNotExactlyOneKwifPicture) {
    const Bytes two = kwif(2, 1, {tag(1), tag(2)});
    const Refusal cases[] = {
        {"a strip", kwif(2, 1, {tag(1), tag(2)}, "KWVF"), 20, "Invalid KWIF header"},
        {"lower-case magic", kwif(2, 1, {tag(1), tag(2)}, "kwif"), 20, "Invalid KWIF header"},
        {"shorter than the magic", two, 3, "Invalid KWIF header"},
        {"shorter than the header", two, 11, "Invalid KWIF header"},
        {"a pixel missing", two, 19, "KWIF size does not match the resource length"},
        {"a byte too many", two, 21, "KWIF size does not match the resource length"},
        {"sizes that wrap to the length", withSize(0x40000000, 4), 12, "KWIF size does not match the resource length"},
        {"width beyond 31 bits", withSize(0x80000000, 0), 12, "KWIF size does not match the resource length"},
        {"height beyond 31 bits", withSize(0, 0xFFFFFFFF), 12, "KWIF size does not match the resource length"},
    };
    const Bytes previous = kwif(1, 1, {tag(3)});
    for (const Refusal& c : cases) {
        Picture pic;
        ASSERT_TRUE(pic.map(previous.data(), previous.size()));
        Bytes data = c.data;
        data.resize(std::max(data.size(), c.size));
        ReportCatcher catcher;
        EXPECT_FALSE(pic.map(data.data(), c.size)) << c.what;
        const std::string report = catcher.text();
        EXPECT_THAT(report, testing::StartsWith(std::string("Error: ") + c.message + "\n")) << c.what;
        EXPECT_THAT(report, testing::HasSubstr("\nProc: KW_Pic_Base<TPix>::map\n")) << c.what;
        EXPECT_EQ(1, pic.width) << c.what;
        EXPECT_EQ(1, pic.height) << c.what;
        EXPECT_EQ(tag(3).word(), pic.pixels[0].word()) << c.what;
    }
}

TEST(Picture, MissingResourceIsReportedByTheLoaderOnlyAndChangesNothing) {
    Picture pic;
    ASSERT_TRUE(pic.resize(2, 2));
    KW_Pix_A32* before = pic.pixels;
    ReportCatcher catcher;
    EXPECT_FALSE(pic.mapResource("NOSUCHPICTURE"));
    const std::string report = catcher.text();
    EXPECT_THAT(report, testing::StartsWith("Error: NOSUCHPICTURE\n"));
    EXPECT_THAT(report, testing::HasSubstr("\nProc: KW_resource\n"));
    EXPECT_EQ(before, pic.pixels);
    EXPECT_EQ(2, pic.width);
}
