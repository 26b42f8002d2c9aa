// The test ASIO drivers: one in-process COM server file that registers one driver entry per row of
// this table, each with its own class, channels, sample types, rates, names and failures.
#pragma once
#include <cstdint>

struct TestAsioConfig {
    enum Flags : unsigned {
        FAIL_INIT = 1,          // init answers false
        NOT_CREATABLE = 2,      // the class is registered, but the server refuses to make its objects
        MISSING_SERVER = 4,     // the class names a server file that does not exist
        NULL_BUFFERS = 8,       // createBuffers succeeds without filling the buffer pointers
        TIME_INFO = 16,         // uses the time-information buffer switch when the host allows it
        FAIL_START = 32,        // start fails
        UNTERMINATED = 64,      // driver and channel names fill their 32 bytes without a zero
        ODD_UNKNOWN = 128,      // odd-numbered channels have a sample type nobody knows
    };

    const char* key;          // sub-key under HKEY_LOCAL_MACHINE "software\asio"
    const char* clsid;        // its "clsid" value, or none
    const char* description;  // its "description" value, or none (the key name is shown then)
    int32_t inputs, outputs;
    int32_t inputType, outputType;
    int32_t rates[4];         // accepted sample rates, 0 for none
    int32_t bufferSize;
    unsigned flags;

    bool has(unsigned f) const { return (flags & f) != 0; }
};

extern const TestAsioConfig TEST_ASIO_DRIVERS[];
extern const int TEST_ASIO_DRIVER_COUNT;

// The entries a registry scan lists: a class of their own and an existing server file.
bool testAsioListed(const TestAsioConfig& c);
