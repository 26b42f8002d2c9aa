// The value-to-text converters: every text is at most maxLen characters, zero-terminated at maxLen.
#include <cmath>
#include <cstdint>
#include "vst/AudioEffect.h"

namespace {

const char HUGE_TEXT[] = "Huge!";

void put(char* text, int32_t maxLen, const char* s) {
    if (!text || maxLen < 0) return;
    int32_t i = 0;
    for (; i < maxLen && s[i]; i++) text[i] = s[i];
    for (; i <= maxLen; i++) text[i] = 0;
}

}  // namespace

// Eight characters in all, sign and point included: the integer digits, then as many fraction
// digits as fit. Numbers whose integer part does not fit (or that are not numbers) show as "Huge!".
void AudioEffect::floatToText(float value, char* text, int32_t maxLen) {
    const int BUDGET = 8;
    double v = value;
    const bool negative = v < 0;
    if (negative) v = -v;
    if (!(v < (negative ? 1e6 : 1e7))) {
        put(text, maxLen, HUGE_TEXT);
        return;
    }
    char digits[BUDGET];
    int count = negative + 1;  // sign and point
    int n = 0;
    int64_t integ = int64_t(std::floor(v));
    do {
        digits[n++] = char('0' + integ % 10);
        integ /= 10;
        count++;
    } while (integ >= 1 && count < BUDGET);
    char out[BUDGET + 1];
    int len = 0;
    if (negative) out[len++] = '-';
    while (n > 0) out[len++] = digits[--n];
    out[len++] = '.';
    double m = std::fmod(v, 1.0) * std::pow(10.0, BUDGET - count);
    const int fraction = BUDGET - count;
    for (int i = fraction - 1; i >= 0; i--) {
        out[len + i] = m > 0 ? char('0' + int(std::fmod(m, 10.0))) : '0';
        m *= 0.1;
    }
    out[len + fraction] = 0;
    put(text, maxLen, out);
}

// Decimal digits without leading zeros; zero shows as "0". Magnitudes of 100000000 and more are "Huge!".
void AudioEffect::intToText(int32_t value, char* text, int32_t maxLen) {
    int64_t v = value;
    const bool negative = v < 0;
    if (negative) v = -v;
    if (v >= 100000000) {
        put(text, maxLen, HUGE_TEXT);
        return;
    }
    char out[16];
    int len = 0;
    if (negative) out[len++] = '-';
    bool started = false;
    for (int64_t div = 100000000; div >= 1; div /= 10) {
        const int digit = int(v / div % 10);
        started = started || digit != 0 || div == 1;
        if (started) out[len++] = char('0' + digit);
    }
    out[len] = 0;
    put(text, maxLen, out);
}

void AudioEffect::decibelsToText(float value, char* text, int32_t maxLen) {
    if (value > 0)
        floatToText(float(20.0 * std::log10(value)), text, maxLen);
    else
        put(text, maxLen, "-oo");
}

void AudioEffect::hertzToText(float samples, char* text, int32_t maxLen) {
    floatToText(samples == 0 ? 0.0f : getSampleRate() / samples, text, maxLen);
}

void AudioEffect::millisecondsToText(float samples, char* text, int32_t maxLen) {
    floatToText(float(samples * 1000.0 / getSampleRate()), text, maxLen);
}
