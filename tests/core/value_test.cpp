#include <gtest/gtest.h>
#include <cmath>
#include <limits>
#include "core/KW_value.h"

TEST(Value, EmptyIsZeroOfKindOneWithoutLength) {
    EXPECT_EQ(0, KW_EMPTY.value);
    EXPECT_EQ(KW_value::EMPTY, KW_EMPTY.kind);
    EXPECT_EQ(-1, KW_EMPTY.length);
    EXPECT_FALSE(KW_EMPTY.given());
}

struct IntCase {
    KW_value in;
    bool converts;
    int32_t out;
};

TEST(Value, ConvertedIntegerKeepsIntegersTruncatesFloatsAndRefusesTheRest) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const IntCase cases[] = {
        {KW_value::integer(-7), true, -7},
        {KW_value::real(2.9f), true, 2},
        {KW_value::real(-2.9f), true, -2},
        {KW_value::real(3e9f), true, INT32_MAX},
        {KW_value::real(-3e9f), true, INT32_MIN},
        {KW_value::real(INFINITY), true, INT32_MAX},
        {KW_value::real(nan), false, 123},
        {KW_value::text("5"), false, 123},
        {KW_value::object(&cases), false, 123},
        {KW_EMPTY, false, 123},
    };
    for (const IntCase& c : cases) {
        int32_t out = 123;
        EXPECT_EQ(c.converts, c.in.toInt(out)) << "kind " << c.in.kind;
        EXPECT_EQ(c.out, out) << "kind " << c.in.kind;
    }
}

TEST(Value, FloatTakesFloatsAndIntegersOnly) {
    float out = 0.5f;
    EXPECT_TRUE(KW_value::integer(-3).toFloat(out));
    EXPECT_EQ(-3.0f, out);
    EXPECT_TRUE(KW_value::real(0.618f).toFloat(out));
    EXPECT_EQ(0.618f, out);
    EXPECT_FALSE(KW_value::text("1").toFloat(out));
    EXPECT_FALSE(KW_EMPTY.toFloat(out));
    EXPECT_EQ(0.618f, out);
}
