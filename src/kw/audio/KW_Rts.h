// A real-time audio stream: one per usable audio driver. The host selects a stream (init), one of its
// modes (mode), and the backend then calls the audio callback once per block from its device thread
// with every channel's data pointer set to that block.
#pragma once
#include <atomic>
#include <cstdint>
#include "core/KW_Chain.h"
#include "core/KW_export.h"
#include "core/KW_status.h"

// The audio callback every backend calls once per block.
typedef void (*KW_Rts_Callback)();

class KW_Rts {
public:
    // One selectable operating mode.
    class Mode {
    public:
        KW_Chain_Item link{this};
        int32_t rate;        // Hz
        int32_t frames;      // samples per channel per block
        int32_t bits;        // significant bits of a device sample
        int32_t channels;    // the channel count the description shows
        char description[64];

        Mode(int32_t rate, int32_t bits, int32_t frames, int32_t channels);
    };

    // One device channel. The format word: bits 0-7 stride in bytes, 8-15 significant bits,
    // 16-23 filler bits above them, 24-31 non-zero for IEEE float.
    class Chan {
    public:
        KW_Chain_Item link{this};
        char name[64];
        void* data = nullptr;   // first sample of this channel in the current block
        int32_t count;          // samples per block
        int32_t format;

        Chan(const char* name, int32_t format, int32_t count);
        virtual ~Chan() = default;
    };

    std::atomic<Mode*> active{nullptr};  // null while idle
    KW_Chain modes;                      // owned
    bool running = false;
    char name[64] = {};
    KW_Chain inputs;                     // owned
    KW_Chain outputs;                    // owned; exist only while a mode is active

    // Membership in the backend's own list of streams and in KW_Rts_instances; the destructor leaves both.
    KW_Chain_Item classLink{this};
    KW_Chain_Item instanceLink{this};

    explicit KW_Rts(const char* name);
    KW_Rts(const KW_Rts&) = delete;
    KW_Rts& operator=(const KW_Rts&) = delete;
    virtual ~KW_Rts();

    virtual KW_status init();
    virtual KW_status exit();
    virtual KW_status mode(Mode* m);
    virtual KW_status free();
    virtual KW_status start();
    virtual KW_status stop();
    virtual KW_status update();

    // Converts source.count samples of source into destination; KW_OK, or a null status when nothing
    // was written (unequal counts latch that failure until the next mode is selected).
    KW_EXPORT static KW_status copyBuffer(Chan& destination, Chan& source);

protected:
    // Device thread: the active mode when a block may be processed now, else none. Every call that
    // returns a mode must be followed by endBlock once the block no longer touches the channels.
    Mode* beginBlock();
    void endBlock();

    // Deletes every stream of a backend's list (each leaves its lists as it goes).
    static void deleteAll(KW_Chain& classList);

private:
    std::atomic<bool> inBlock{false};
    // Set by a copy with unequal counts; no copy writes anything until a mode is selected again.
    static std::atomic<bool> conversionFailed;
};

// Every stream object, in the order the backends registered them.
extern KW_Chain KW_Rts_instances;
