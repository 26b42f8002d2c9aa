#include "TestAsioConfig.h"

typedef TestAsioConfig C;

const TestAsioConfig TEST_ASIO_DRIVERS[] = {
    {"KW Test Stereo", "{4B57A5D0-7E57-4A51-8000-000000000001}", "KW Test Stereo", 2, 2, 19, 19,
     {44100, 48000, 96000}, 256, 0},
    {"KW Test Sixteen", "{4B57A5D0-7E57-4A51-8000-000000000002}", "KW Test Sixteen", 24, 24, 18, 18, {48000}, 128, 0},
    {"KW Test Eight", "{4B57A5D0-7E57-4A51-8000-000000000003}", "KW Test Eight", 8, 2, 18, 18,
     {44100, 48000, 96000, 192000}, 96, 0},
    {"KW Test Only 44k", "{4B57A5D0-7E57-4A51-8000-000000000004}", nullptr, 2, 2, 16, 17, {44100}, 441, 0},
    {"KW Test Big Endian", "{4B57A5D0-7E57-4A51-8000-000000000005}", "KW Test Big Endian", 2, 2, 3, 2, {48000}, 256,
     0},
    {"KW Test Long One", "{4B57A5D0-7E57-4A51-8000-000000000006}", "KW Test Driver With A Long Name One", 2, 2, 19,
     19, {48000}, 256, 0},
    {"KW Test Long Two", "{4B57A5D0-7E57-4A51-8000-000000000007}", "KW Test Driver With A Long Name Two", 2, 2, 19,
     19, {48000}, 256, 0},
    {"KW Test Init Fails", "{4B57A5D0-7E57-4A51-8000-000000000008}", "KW Test Init Fails", 2, 2, 19, 19, {48000},
     256, C::FAIL_INIT},
    {"KW Test Cannot Create", "{4B57A5D0-7E57-4A51-8000-000000000009}", "KW Test Cannot Create", 2, 2, 19, 19,
     {48000}, 256, C::NOT_CREATABLE},
    {"KW Test No Clsid", nullptr, "KW Test No Clsid", 2, 2, 19, 19, {48000}, 256, 0},
    {"KW Test Missing File", "{4B57A5D0-7E57-4A51-8000-00000000000A}", "KW Test Missing File", 2, 2, 19, 19,
     {48000}, 256, C::MISSING_SERVER},
    {"KW Test Bad Answers", "{4B57A5D0-7E57-4A51-8000-00000000000B}", "KW Test Bad Answers", -5, 1000000, 19, 19,
     {48000}, 256, C::UNTERMINATED | C::ODD_UNKNOWN},
    {"KW Test Null Buffers", "{4B57A5D0-7E57-4A51-8000-00000000000C}", "KW Test Null Buffers", 2, 2, 19, 19,
     {48000}, 256, C::NULL_BUFFERS},
    {"KW Test Time Info", "{4B57A5D0-7E57-4A51-8000-00000000000D}", "KW Test Time Info", 2, 2, 27, 24, {48000},
     256, C::TIME_INFO},
    {"KW Test Huge Buffer", "{4B57A5D0-7E57-4A51-8000-00000000000E}", "KW Test Huge Buffer", 2, 2, 19, 19, {48000},
     1 << 30, 0},
    {"KW Test Start Fails", "{4B57A5D0-7E57-4A51-8000-00000000000F}", "KW Test Start Fails", 2, 2, 20, 25, {48000},
     256, C::FAIL_START},
};

const int TEST_ASIO_DRIVER_COUNT = sizeof TEST_ASIO_DRIVERS / sizeof TEST_ASIO_DRIVERS[0];

bool testAsioListed(const TestAsioConfig& c) { return c.clsid && !c.has(TestAsioConfig::MISSING_SERVER); }
