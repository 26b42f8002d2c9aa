#include <gtest/gtest.h>
#include <cmath>
#include <cstring>
#include "core/KW_command.h"

namespace {

struct TokenCase {
    const char* text;  // the token, ended by a space or the NUL
    int kind;
    int32_t i;         // integers; the payload's low 32 bits of object references
    float f;           // floats
};

const TokenCase tokens[] = {
    {"-5", KW_value::INTEGER, -5, 0},
    {"+5", KW_value::INTEGER, 5, 0},
    {"007", KW_value::INTEGER, 7, 0},
    {"0", KW_value::INTEGER, 0, 0},
    {"4294967295", KW_value::INTEGER, -1, 0},          // unsigned decimal keeps all 32 bits
    {"4294967296", KW_value::INTEGER, -1, 0},          // too long: the largest value, not a wrap
    {"-2147483648", KW_value::INTEGER, INT32_MIN, 0},
    {"-99999999999", KW_value::INTEGER, INT32_MIN, 0},
    {"+99999999999", KW_value::INTEGER, INT32_MAX, 0},
    {"0x1F", KW_value::OBJECT, 0x1F, 0},
    {"0X00A57BBD", KW_value::OBJECT, 0x00A57BBD, 0},
    {"0xfFeE", KW_value::OBJECT, 0xFFEE, 0},
    {".618", KW_value::FLOAT, 0, 0.618f},
    {"1e5", KW_value::FLOAT, 0, 1e5f},
    {"5.", KW_value::FLOAT, 0, 5.0f},
    {"-.5", KW_value::FLOAT, 0, -0.5f},
    {"+2.5e-1", KW_value::FLOAT, 0, 0.25f},
    {"0e7", KW_value::FLOAT, 0, 0.0f},
    {".", KW_value::FLOAT, 0, 0.0f},                    // does not convert: 0.0
    {".e5", KW_value::FLOAT, 0, 0.0f},
    {"1e39", KW_value::FLOAT, 0, INFINITY},             // out of range: infinity, or zero when tiny
    {"-1e39", KW_value::FLOAT, 0, -INFINITY},
    {"1234567890123456789012345678901234567890.5", KW_value::FLOAT, 0, INFINITY},
    {"1e-50", KW_value::FLOAT, 0, 0.0f},
    {"0.00000000000000000000000000000000000000000000000000001", KW_value::FLOAT, 0, 0.0f},
    {"100000000000000000000000000000000000000000000e-90", KW_value::FLOAT, 0, 0.0f},
    {"-", KW_value::TEXT, 0, 0},
    {"-x", KW_value::TEXT, 0, 0},
    {"-0x10", KW_value::TEXT, 0, 0},
    {"0x", KW_value::TEXT, 0, 0},
    {"1e", KW_value::TEXT, 0, 0},
    {"1e+", KW_value::TEXT, 0, 0},
    {"1a", KW_value::TEXT, 0, 0},
    {"0x1g", KW_value::TEXT, 0, 0},
    {"1.2.3", KW_value::TEXT, 0, 0},
    {"sub", KW_value::TEXT, 0, 0},
    {"%o", KW_value::TEXT, 0, 0},
    {"\xC3\xA9t\xC3\xA9", KW_value::TEXT, 0, 0},
    {"", KW_value::TEXT, 0, 0},
};

}  // namespace

TEST(ScanToken, KindAndValueOfEachToken) {
    for (const TokenCase& c : tokens) {
        for (const char* after : {"", " rest"}) {
            const std::string line = std::string("x ") + c.text + after;
            int pos = 2;
            const KW_value v = KW_scan_token(line.c_str(), &pos, " ");
            SCOPED_TRACE(line);
            EXPECT_EQ(2 + static_cast<int>(std::strlen(c.text)), pos);
            EXPECT_EQ(-1, v.length);
            EXPECT_EQ(c.kind, v.kind);
            switch (v.kind) {
            case KW_value::INTEGER: EXPECT_EQ(c.i, v.i); break;
            case KW_value::OBJECT: EXPECT_EQ(static_cast<KW_payload>(static_cast<uint32_t>(c.i)), v.value); break;
            case KW_value::FLOAT: EXPECT_EQ(c.f, v.f); EXPECT_EQ(std::signbit(c.f), std::signbit(v.f)); break;
            case KW_value::TEXT: EXPECT_EQ(line.c_str() + 2, v.s) << "points into the text"; break;
            }
        }
    }
}

TEST(ScanToken, ObjectReferencesUseTheFullPointerWidth) {
    int pos = 0;
    const KW_value wide = KW_scan_token("0x123456789ABCDEF0", &pos, " ");
    const KW_value huge = (pos = 0, KW_scan_token("0x123456789ABCDEF01", &pos, " "));
    EXPECT_EQ(KW_value::OBJECT, wide.kind);
    if (sizeof(void*) == 8) {
        EXPECT_EQ(static_cast<uintptr_t>(0x123456789ABCDEF0ull), static_cast<uintptr_t>(wide.value));
    } else {
        EXPECT_EQ(UINTPTR_MAX, static_cast<uintptr_t>(wide.value)) << "too wide: the largest reference";
    }
    EXPECT_EQ(UINTPTR_MAX, static_cast<uintptr_t>(huge.value));
}

TEST(ScanToken, StopsAtAnyGivenSeparatorOrTheEnd) {
    const char* text = "12,-x;0x5";
    int pos = 0;
    EXPECT_EQ(12, KW_scan_token(text, &pos, ",;").i);
    EXPECT_EQ(2, pos);
    pos = 3;
    EXPECT_EQ(KW_value::TEXT, KW_scan_token(text, &pos, ",;").kind);
    EXPECT_EQ(5, pos);
    pos = 6;
    EXPECT_EQ(KW_value::OBJECT, KW_scan_token(text, &pos, ",;").kind);
    EXPECT_EQ(9, pos);
    pos = 0;
    EXPECT_EQ(KW_value::TEXT, KW_scan_token(text, &pos, " ").kind) << "a comma is no separator here";
    EXPECT_EQ(9, pos);
}

TEST(WordEqual, WordsEndAtASpaceOrTheEndAndCaseMatters) {
    struct {
        const char* a;
        const char* b;
        bool equal;
    } cases[] = {
        {"bl", "bl", true},     {"bl", "bl 5", true},  {"bl -x", "bl", true}, {"b", "bl", false},
        {"bl", "b", false},     {"b", "b-l", false},   {"delete", "Delete", false}, {"", "", true},
        {"", " x", true},       {"x", "", false},      {"KW_Buffer", "KW_Buffer -t", true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.equal, KW_word_equal(c.a, c.b)) << '"' << c.a << "\" vs \"" << c.b << '"';
        EXPECT_EQ(c.equal, KW_word_equal(c.b, c.a)) << '"' << c.b << "\" vs \"" << c.a << '"';
    }
    EXPECT_FALSE(KW_word_equal(nullptr, ""));
}
