// The sample converter: every format word in use, read and written, against hand-computed bytes.
#include <gtest/gtest.h>
#include <cmath>
#include <cstring>
#include <limits>
#include <vector>
#include "audio/KW_Rts.h"

namespace {

const int32_t F32 = 0x1002004, F64 = 0x1004008, I16 = 0x1002, I24 = 0x1803, I32 = 0x2004;
const int32_t I16in32 = 0x101004, I18in32 = 0xE1204, I20in32 = 0xC1404, I24in32 = 0x81804, I8 = 0x801;

// Bytes of one sample, little-endian.
std::vector<uint8_t> le(uint64_t v, int size) {
    std::vector<uint8_t> b(size);
    for (int i = 0; i < size; ++i) b[i] = uint8_t(v >> (8 * i));
    return b;
}
template <class T>
std::vector<uint8_t> bytesOf(T x) {
    std::vector<uint8_t> b(sizeof x);
    std::memcpy(b.data(), &x, sizeof x);
    return b;
}

// The exact value v / (2^31 - 1) rounded once to float.
float exactFloat(int64_t leftJustified) { return float(leftJustified / 2147483647.0L); }

KW_status copyOne(int32_t dstFormat, std::vector<uint8_t>& dst, int32_t srcFormat, std::vector<uint8_t> src) {
    KW_Rts::Chan d("d", dstFormat, 1), s("s", srcFormat, 1);
    d.data = dst.data();
    s.data = src.data();
    return KW_Rts::copyBuffer(d, s);
}

struct Case {
    const char* what;
    int32_t srcFormat;
    std::vector<uint8_t> src;
    int32_t dstFormat;
    std::vector<uint8_t> expected;
};

class Conversion : public testing::TestWithParam<Case> {};

TEST_P(Conversion, WritesExactlyTheExpectedBytes) {
    const Case& c = GetParam();
    std::vector<uint8_t> dst(c.expected.size(), 0xAA);
    EXPECT_EQ(copyOne(c.dstFormat, dst, c.srcFormat, c.src), KW_OK);
    EXPECT_EQ(dst, c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    EveryFormatWord, Conversion,
    testing::Values(
        Case{"int16 full scale to float", I16, le(0x7FFF, 2), F32, bytesOf(exactFloat(0x7FFF0000))},
        Case{"int16 most negative to float", I16, le(0x8000, 2), F32, bytesOf(-1.0f)},
        Case{"int24 value 128 to float", I24, {0x80, 0x00, 0x00}, F32, bytesOf(float(32768 / 2147483647.0L))},
        Case{"int24 negative to float", I24, {0x00, 0x00, 0xC0}, F32, bytesOf(exactFloat(-0x40000000LL))},
        Case{"int32 to float64", I32, le(0x40000000, 4), F64, bytesOf(double(0x40000000 / 2147483647.0L))},
        Case{"16 bits in 32: filler ignored on reading", I16in32, le(0xABCD7FFF, 4), F32,
             bytesOf(exactFloat(0x7FFF0000))},
        Case{"18 bits in 32: filler ignored on reading", I18in32, le(0xFFF20000, 4), F32,
             bytesOf(exactFloat(-0x80000000LL))},
        Case{"int8 to float", I8, {0x40}, F32, bytesOf(exactFloat(0x40000000))},
        Case{"float 1.0 to int16", F32, bytesOf(1.0f), I16, le(0x7FFF, 2)},
        Case{"float -1.0 to int16", F32, bytesOf(-1.0f), I16, le(0x8000, 2)},
        Case{"float 1.5 to int24 clamps", F32, bytesOf(1.5f), I24, {0xFF, 0xFF, 0x7F}},
        Case{"float -1.5 to int24 clamps", F32, bytesOf(-1.5f), I24, {0x00, 0x00, 0x80}},
        Case{"float 0.5 to int32 truncates", F32, bytesOf(0.5f), I32, le(0x3FFFFFFF, 4)},
        Case{"float -1.0 to 16 bits in 32: the sign fills", F32, bytesOf(-1.0f), I16in32, le(0xFFFF8000, 4)},
        Case{"float 1.0 to 18 bits in 32", F32, bytesOf(1.0f), I18in32, le(0x0001FFFF, 4)},
        Case{"float -1.0 to 18 bits in 32", F32, bytesOf(-1.0f), I18in32, le(0xFFFE0000, 4)},
        Case{"float 1.0 to 20 bits in 32", F32, bytesOf(1.0f), I20in32, le(0x0007FFFF, 4)},
        Case{"float -0.5 to 24 bits in 32", F32, bytesOf(-0.5f), I24in32, le(0xFFC00000, 4)},
        Case{"float -1.0 to int8", F32, bytesOf(-1.0f), I8, {0x80}},
        Case{"float64 to int16", F64, bytesOf(0.25), I16, le(0x1FFF, 2)},
        Case{"float 0.5 to float", F32, bytesOf(0.5f), F32, bytesOf(0.5f)},
        Case{"float 2.0 to float clamps", F32, bytesOf(2.0f), F32, bytesOf(1.0f)},
        Case{"float -inf to float64 clamps", F32, bytesOf(-std::numeric_limits<float>::infinity()), F64,
             bytesOf(-1.0)},
        Case{"float64 to float rounds once", F64, bytesOf(0.1), F32, bytesOf(0.1f)},
        Case{"NaN to float is silence", F32, bytesOf(std::numeric_limits<float>::quiet_NaN()), F32, bytesOf(0.0f)},
        Case{"NaN to int16 is silence", F64, bytesOf(std::numeric_limits<double>::quiet_NaN()), I16, le(0, 2)},
        Case{"int32 to int16 keeps the top bits", I32, le(0x12345678, 4), I16, le(0x1234, 2)},
        Case{"int32 to int24 keeps the top bits", I32, le(0x87654321, 4), I24, {0x43, 0x65, 0x87}},
        Case{"int16 to int32 widens without clamping", I16, le(0x8000, 2), I32, le(0x80000000, 4)},
        Case{"int24 to 20 bits in 32 carries the sign", I24, {0x00, 0x00, 0x80}, I20in32, le(0xFFF80000, 4)}));

// Every 16-bit and every 24-bit sample reads as the exact fraction, rounded once.
TEST(CopyBuffer, EveryIntegerSampleReadsAsTheExactFraction) {
    const int n = 1 << 24;
    std::vector<uint8_t> src(3 * n);
    for (int i = 0; i < n; ++i) std::memcpy(&src[3 * i], &i, 3);
    std::vector<float> dst(n);
    KW_Rts::Chan d("d", F32, n), s("s", I24, n);
    d.data = dst.data();
    s.data = src.data();
    ASSERT_EQ(KW_Rts::copyBuffer(d, s), KW_OK);
    int wrong = 0;
    for (int i = 0; i < n; ++i) wrong += dst[i] != exactFloat(int64_t(int32_t(uint32_t(i) << 8)));
    EXPECT_EQ(wrong, 0);

    std::vector<int16_t> src16(65536);
    for (int i = 0; i < 65536; ++i) src16[i] = int16_t(i);
    KW_Rts::Chan d16("d", F32, 65536), s16("s", I16, 65536);
    d16.data = dst.data();
    s16.data = src16.data();
    ASSERT_EQ(KW_Rts::copyBuffer(d16, s16), KW_OK);
    for (int i = 0; i < 65536; ++i) wrong += dst[i] != exactFloat(int64_t(src16[i]) * 65536);
    EXPECT_EQ(wrong, 0);
}

// Interleaved frames: one channel is read and written at its own offset, its neighbours untouched.
TEST(CopyBuffer, InterleavedChannelsKeepTheirNeighbours) {
    const int16_t frames[] = {0x7FFF, -0x8000, 0x4000, 0x1234};  // two stereo frames, 16 bits
    float work[2] = {};
    KW_Rts::Chan right("Right", 0x1004, 2), mono("w", F32, 2);
    right.data = const_cast<int16_t*>(frames) + 1;
    mono.data = work;
    ASSERT_EQ(KW_Rts::copyBuffer(mono, right), KW_OK);
    EXPECT_EQ(work[0], -1.0f);
    EXPECT_EQ(work[1], exactFloat(0x12340000));

    // Four 24-bit output channels (frame of 12 bytes): write channel 2 only.
    std::vector<uint8_t> out(24, 0xAA);
    const float samples[] = {1.0f, -1.0f};
    KW_Rts::Chan back("Left back", 0x180C, 2), in("w", F32, 2);
    back.data = out.data() + 6;
    in.data = const_cast<float*>(samples);
    ASSERT_EQ(KW_Rts::copyBuffer(back, in), KW_OK);
    std::vector<uint8_t> expected(24, 0xAA);
    expected[6] = 0xFF, expected[7] = 0xFF, expected[8] = 0x7F;
    expected[18] = 0x00, expected[19] = 0x00, expected[20] = 0x80;
    EXPECT_EQ(out, expected);
}

// Words that describe no sample format, and channels without samples, write nothing and report it.
TEST(CopyBuffer, UnusableChannelsWriteNothing) {
    const int32_t unusable[] = {0, 0x0002, 0x0C01, 0x2805, 0x4808, 0x1001002, 0x1003006};
    for (int32_t word : unusable) {
        std::vector<uint8_t> dst(8, 0xAA);
        EXPECT_EQ(copyOne(word, dst, F32, bytesOf(0.5f)), nullptr) << std::hex << word;
        EXPECT_EQ(copyOne(F32, dst, word, le(0x1234, 8)), nullptr) << std::hex << word;
        EXPECT_EQ(dst, std::vector<uint8_t>(8, 0xAA)) << std::hex << word;
    }
    float x = 0.25f;
    KW_Rts::Chan d("d", F32, 1), s("s", F32, 1);
    s.data = &x;
    EXPECT_EQ(KW_Rts::copyBuffer(d, s), nullptr);
    // None of these is a count mismatch: copies still work.
    float y = 0;
    d.data = &y;
    EXPECT_EQ(KW_Rts::copyBuffer(d, s), KW_OK);
    EXPECT_EQ(y, 0.25f);
}

class Stream : public KW_Rts {
public:
    Stream() : KW_Rts("test") {}
};

// Unequal counts stop every conversion until a mode is selected again.
TEST(CopyBuffer, UnequalCountsLatchUntilTheNextMode) {
    std::vector<float> src(480, 0.5f), dst(480, 0.0f);
    KW_Rts::Chan d("d", F32, 480), s("s", F32, 441);
    d.data = dst.data();
    s.data = src.data();
    EXPECT_EQ(KW_Rts::copyBuffer(d, s), nullptr);
    EXPECT_EQ(dst, std::vector<float>(480, 0.0f));
    s.count = 480;
    EXPECT_EQ(KW_Rts::copyBuffer(d, s), nullptr);
    EXPECT_EQ(dst, std::vector<float>(480, 0.0f));

    Stream stream;
    KW_Rts::Mode m(48000, 32, 480, 2);
    ASSERT_EQ(stream.mode(&m), KW_OK);
    EXPECT_EQ(KW_Rts::copyBuffer(d, s), KW_OK);
    EXPECT_EQ(dst, std::vector<float>(480, 0.5f));
    stream.free();
}

}  // namespace
