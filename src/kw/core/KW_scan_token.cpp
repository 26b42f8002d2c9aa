// The token scanner: a small state machine over character classes decides what a word of command text is.
// It works in place: a token is never copied, and a text token points into the command.
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include "KW_command.h"

namespace {

enum { END = 8 };  // the class of the separators and of the NUL

// The class of every byte; bytes from 0x80 up are plain characters (class 0).
const std::array<uint8_t, 256>& classes() {
    static const std::array<uint8_t, 256> table = [] {
        std::array<uint8_t, 256> c{};
        c['+'] = c['-'] = 1;
        c['0'] = 2;
        for (int d = '1'; d <= '9'; ++d) c[d] = 3;
        c['.'] = 4;
        c['E'] = c['e'] = 5;
        c['X'] = c['x'] = 6;
        for (const char* h = "ABCDFabcdf"; *h; ++h) c[static_cast<unsigned char>(*h)] = 7;
        c[0] = END;
        return c;
    }();
    return table;
}

// State after each character class; 11 is text, which nothing leaves.
constexpr uint8_t next[12][9] = {
    // 0   1   2   3   4   5   6   7   end
    {11,  1,  2,  5,  7, 11, 11, 11, 11},  // 0 start
    {11, 11,  6,  6,  7, 11, 11, 11, 11},  // 1 after a sign
    {11, 11,  5,  5,  7,  8,  3, 11,  5},  // 2 after a leading "0"
    {11, 11,  4,  4, 11,  4, 11,  4, 11},  // 3 after "0x"
    {11, 11,  4,  4, 11,  4, 11,  4,  4},  // 4 hexadecimal digits
    {11, 11,  5,  5,  7,  8, 11, 11,  5},  // 5 unsigned decimal
    {11, 11,  6,  6,  7,  8, 11, 11,  6},  // 6 signed decimal
    {11, 11,  7,  7, 11,  8, 11, 11,  7},  // 7 fraction
    {11,  9, 10, 10, 11, 11, 11, 11, 11},  // 8 after an exponent letter
    {11, 11, 10, 10, 11, 11, 11, 11, 11},  // 9 after an exponent sign
    {11, 11, 10, 10, 11, 11, 11, 11,  7},  // 10 exponent digits
    {11, 11, 11, 11, 11, 11, 11, 11, 11},  // 11 text
};

int classOf(unsigned char c, const char* separators) {
    if (c != 0 && separators && std::strchr(separators, c)) return END;
    return classes()[c];
}

// Numbers too long for their width stop at the largest value instead of wrapping to a small one.
template <class T>
T readInteger(const char* b, const char* e, int base, T overflow) {
    T v = 0;
    if (std::from_chars(b, e, v, base).ec == std::errc::result_out_of_range) v = overflow;
    return v;
}

// True when a decimal number (already known to be well formed) is 1 or more in magnitude: its first
// significant digit sits at or above the units. Tells an overflow from an underflow.
bool atLeastOne(const char* b, const char* e) {
    long place = 0;  // decimal exponent of the first significant digit, relative to the units
    bool point = false, seen = false;
    const char* p = b;
    for (; p < e && *p != 'e' && *p != 'E'; ++p) {
        if (*p == '.') point = true;
        else if (*p == '+' || *p == '-') continue;
        else if (!seen && *p == '0') place -= point;
        else if (!seen) { seen = true; place -= point; }
        else place += !point;
    }
    long exponent = 0;
    if (p < e) {
        const char* digits = p + 1 + (p[1] == '+' || p[1] == '-');
        exponent = readInteger<long>(digits, e, 10, 1000000);
        if (exponent > 1000000) exponent = 1000000;
        if (p[1] == '-') exponent = -exponent;
    }
    return seen && place + exponent >= 0;
}

// A decimal float; a token that does not convert gives 0.0, one out of range gives infinity or zero.
float readFloat(const char* b, const char* e) {
    const char* digits = b + (*b == '+');
    float v = 0.0f;
    if (std::from_chars(digits, e, v).ec == std::errc::result_out_of_range)
        v = std::copysign(atLeastOne(b, e) ? HUGE_VALF : 0.0f, *b == '-' ? -1.0f : 1.0f);
    return v;
}

}  // namespace

KW_value KW_scan_token(const char* text, int* pos, const char* separators) {
    const int start = *pos;
    int i = start, state = 0;
    for (;;) {
        const int c = classOf(static_cast<unsigned char>(text[i]), separators);
        state = next[state][c];
        if (c == END) break;
        ++i;
    }
    *pos = i;
    const char* b = text + start;
    const char* e = text + i;
    switch (state) {
    case 4: {
        KW_value v(0, KW_value::OBJECT);
        v.value = static_cast<KW_payload>(readInteger<uintptr_t>(b + 2, e, 16, UINTPTR_MAX));
        return v;
    }
    case 5:
        return KW_value::integer(static_cast<int32_t>(readInteger<uint32_t>(b, e, 10, UINT32_MAX)));
    case 6:
        return KW_value::integer(readInteger<int32_t>(b + (*b == '+'), e, 10, *b == '-' ? INT32_MIN : INT32_MAX));
    case 7:
        return KW_value::real(readFloat(b, e));
    default:
        return KW_value::text(b);
    }
}
