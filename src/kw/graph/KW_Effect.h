// The base of every processing node: its place in a sound pipe's effect list, the on/off switch with
// one block of crossfade, the sample clock, the combination mode and the buffer ports.
#pragma once
#include <atomic>
#include <cstdint>
#include "core/KW_Chain.h"
#include "core/KW_Object.h"
#include "graph/KW_Buffer.h"
#include "graph/KW_argument.h"

class KW_Soundpipe;

class KW_Effect : public KW_Object {
public:
    // Buffer references a node may hold; a departing buffer is cleared from the ports of its graph.
    static constexpr int PORTS = 4;
    enum : int { IN = 0, OUT = 1 };  // the ports of the options "i" and "o"

    ~KW_Effect() override;

    // One block as the sound pipe runs it: prepared before first use, processed while on and in the
    // block after being switched off, reset once after that block.
    void step();
    virtual void reset() {}

    // This block's samples of b under the crossfade rule, or none when b is none. A node calls it once
    // per buffer and block before touching samples.
    int32_t* access(KW_Buffer* b);

    bool isOn() const { return on.load(std::memory_order_relaxed); }
    void setOn(bool v) { on.store(v, std::memory_order_relaxed); }
    int32_t mode() const { return modeIndex.load(std::memory_order_relaxed); }
    int32_t clock() const { return rate; }
    KW_Buffer* port(int i) const { return ports[i]; }
    KW_Effect* next() const;

    static KW_value m_before(KW_Effect& e, const KW_value& arg);
    static KW_value m_mode(KW_Effect& e, const KW_value& arg);
    static KW_value m_clock(KW_Effect& e, const KW_value& arg);
    static KW_value m_on(KW_Effect& e, const KW_value& arg);
    // A buffer option ("i", "o", ...): a live buffer, or 0 for none.
    template <int I>
    static KW_value m_port(KW_Effect& e, const KW_value& arg) {
        static_assert(I >= 0 && I < PORTS);
        KW_reference(arg, e.ports[I]);
        return KW_value::object(e.ports[I]);
    }
    static const KW_Option options[];

protected:
    KW_Effect();
    virtual void processBlock() {}
    virtual void prepare() { prepared = true; }
    virtual void clockChanged() {}

    // This block's input and output samples (the output accessed first) and how many to process:
    // the shorter of both lengths, 0 unless both buffers are there.
    struct Io {
        const int32_t* in;
        int32_t* out;
        int32_t n;
    };
    Io io();

    bool prepared = false;
    KW_Buffer* ports[PORTS] = {};

private:
    friend class KW_Soundpipe;
    void forget(const KW_Buffer* b);

    KW_Chain_Item link{this};
    KW_Soundpipe* pipe = nullptr;
    std::atomic<bool> on{true};
    bool previous = true;
    bool now = true;  // the switch as this block sees it
    int32_t rate = 0;
    std::atomic<int32_t> modeIndex{0};
};
