// What the ASIO stream makes of driver sample types and how it answers a driver's questions.
#include <gtest/gtest.h>
#include "audio/KW_Rts_Asio.h"

namespace {

TEST(RtsAsio, SampleTypesGiveTheirFormatWords) {
    const struct {
        int32_t type, format;
    } supported[] = {{16, 0x1002},    {17, 0x1803},   {18, 0x2004},   {19, 0x1002004}, {20, 0x1004008},
                     {24, 0x101004}, {25, 0xE1204}, {26, 0xC1404}, {27, 0x81804}};
    for (auto s : supported) EXPECT_EQ(KW_Rts_Asio::formatOf(s.type), s.format) << s.type;
    // Big-endian (0 to 4, 8 to 11), one-bit (32, 33) and unknown types are unusable.
    for (int32_t type : {0, 1, 2, 3, 4, 8, 9, 10, 11, 21, 28, 32, 33, 99, -1})
        EXPECT_EQ(KW_Rts_Asio::formatOf(type), 0) << type;
}

TEST(RtsAsio, AnswersTheDriversQuestions) {
    for (int32_t asked : {2, 3, 5, 6, 7, 8, 10}) EXPECT_EQ(KW_Rts_Asio::message(1, asked, nullptr, nullptr), 1);
    for (int32_t asked : {0, 1, 4, 9, 11, -1}) EXPECT_EQ(KW_Rts_Asio::message(1, asked, nullptr, nullptr), 0);
    const struct {
        int32_t selector, answer;
    } answers[] = {{0, 0}, {2, 2}, {3, 1}, {4, 0}, {5, 1}, {6, 1}, {7, 1}, {8, 0}, {9, 0}, {10, 0}, {1000, 0}};
    for (auto a : answers) EXPECT_EQ(KW_Rts_Asio::message(a.selector, 0, nullptr, nullptr), a.answer) << a.selector;
}

}  // namespace
