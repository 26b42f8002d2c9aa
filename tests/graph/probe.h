// A test-only node: logs what the sound pipe asks of it, writes a constant through the access rule,
// and faults on demand.
#pragma once
#include <stdexcept>
#include <string>
#include "graph/KW_Effect.h"

class Probe : public KW_Effect {
public:
    enum Fault { NONE, THROW, DIVIDE, ACCESS };

    Probe(std::string& journal, char name) : log(journal), tag(name) {}

    Fault fault = NONE;
    int32_t value = 0;     // written to every sample of the output port
    bool writes = true;    // false: only looks at the output port (which merges a pending crossfade)
    int32_t* seenOut = nullptr;
    int32_t* seenIn = nullptr;  // the input port, accessed after writing the output
    bool refusePrepare = false;

    using KW_Effect::access;

protected:
    void prepare() override {
        log += std::string(1, tag) + "prep ";
        if (!refusePrepare) KW_Effect::prepare();
    }
    void reset() override { log += std::string(1, tag) + "reset "; }
    void processBlock() override {
        log += std::string(1, tag) + "run ";
        raise();
        seenOut = access(ports[OUT]);
        for (int32_t k = 0; writes && seenOut && k < ports[OUT]->length(); ++k) seenOut[k] = value;
        seenIn = access(ports[IN]);
    }

private:
    void raise() {
        volatile int32_t zero = 0, some = 12345;
        volatile int* volatile nowhere = nullptr;
        switch (fault) {
        case THROW: throw std::runtime_error("probe");
        case DIVIDE: value = some / zero; break;
        case ACCESS: *nowhere = 1; break;
        case NONE: break;
        }
    }

    std::string& log;
    char tag;
};
