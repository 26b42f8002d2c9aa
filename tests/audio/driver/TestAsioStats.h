// What the test drivers did, read by the tests through the exported testAsioStats.
#pragma once
#include <atomic>

struct TestAsioStats {
    std::atomic<int> alive{0};          // driver objects made and not yet released
    std::atomic<int> lastMade{-1};      // the table row of the driver made last
    std::atomic<int> inits{0}, starts{0}, stops{0}, bufferCreations{0};
    std::atomic<int> switches{0};       // buffer switches called, plain or with time information
    std::atomic<int> timeInfoSwitches{0};
    std::atomic<int> matched{0};        // blocks whose outputs carried the inputs of the same number
    std::atomic<int> mismatched{0};
    std::atomic<int> lastChannels{-1};  // channels of the last createBuffers
    std::atomic<int> lastRate{0};       // the last rate set
};

typedef TestAsioStats* (*TestAsioStatsFunction)();
