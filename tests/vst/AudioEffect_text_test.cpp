#include <gtest/gtest.h>
#include <cmath>
#include <cstring>
#include <string>
#include "vst/Probe_effect.h"

namespace {

enum Converter { FLOAT, INT, DECIBELS, HERTZ, MILLISECONDS };

struct TextCase {
    Converter converter;
    double value;
    int32_t maxLen;
    const char* want;
};

std::string convert(ProbeEffect& fx, const TextCase& c) {
    char text[32];
    std::memset(text, '#', sizeof text);
    switch (c.converter) {
    case FLOAT: fx.floatToText(float(c.value), text, c.maxLen); break;
    case INT: fx.intToText(int32_t(c.value), text, c.maxLen); break;
    case DECIBELS: fx.decibelsToText(float(c.value), text, c.maxLen); break;
    case HERTZ: fx.hertzToText(float(c.value), text, c.maxLen); break;
    case MILLISECONDS: fx.millisecondsToText(float(c.value), text, c.maxLen); break;
    }
    EXPECT_EQ(0, text[c.maxLen]);
    EXPECT_EQ('#', text[c.maxLen + 1]);  // nothing written beyond the terminator
    return text;
}

TEST(AudioEffectText, Conversions) {
    const TextCase cases[] = {
        {FLOAT, 0, 8, "0.000000"},       {FLOAT, 1.5, 8, "1.500000"},      {FLOAT, -2.25, 8, "-2.25000"},
        {FLOAT, 440, 8, "440.0000"},     {FLOAT, 1000, 8, "1000.000"},     {FLOAT, 1000, 4, "1000"},
        {FLOAT, 9999999, 8, "9999999."}, {FLOAT, 123456789, 8, "Huge!"},   {FLOAT, -10000000, 8, "Huge!"},
        {FLOAT, 12345678, 8, "Huge!"},   {FLOAT, -1234567, 8, "Huge!"},    {FLOAT, -999999, 8, "-999999."},
        {FLOAT, INFINITY, 8, "Huge!"},   {FLOAT, NAN, 8, "Huge!"},         {FLOAT, 0.5, 3, "0.5"},
        {INT, -45, 8, "-45"},            {INT, 100000000, 12, "Huge!"},    {INT, 99999999, 12, "99999999"},
        {INT, 0, 8, "0"},                {INT, 1200, 2, "12"},             {INT, -2147483647 - 1, 12, "Huge!"},
        {INT, 10, 8, "10"},
        {DECIBELS, 0, 8, "-oo"},         {DECIBELS, 1, 8, "0.000000"},     {DECIBELS, 10, 8, "20.00000"},
        {DECIBELS, -1, 8, "-oo"},
        {HERTZ, 0, 8, "0.000000"},       {HERTZ, 441, 8, "100.0000"},
        {MILLISECONDS, 441, 8, "10.00000"},
    };
    ProbeEffect fx;
    for (const TextCase& c : cases) EXPECT_EQ(c.want, convert(fx, c)) << c.value << " (" << c.converter << ")";
}

}  // namespace
