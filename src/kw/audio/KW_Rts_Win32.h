// The stream over the Windows wave-audio service: stereo in from the first wave-input device, two or four
// channels out on the first wave-output device, 10 ms blocks. Every returned input buffer runs one block,
// so the input device is the clock; the output queue settles at a few buffers without a clock of its own.
#pragma once
#include <windows.h>
#include <mmsystem.h>
#include <atomic>
#include "audio/KW_Rts.h"

class KW_Rts_Win32 : public KW_Rts {
public:
    static constexpr int BUFFERS = 8;

    // What a header's user value points at.
    struct Context {
        KW_Rts_Win32* stream;
        int index;
    };

    uint8_t* outBuffer[BUFFERS] = {};  // outBuffer[0] also starts the one sample block
    uint8_t* inBuffer[BUFFERS] = {};
    WAVEHDR inHeader[BUFFERS];
    WAVEHDR outHeader[BUFFERS];
    WAVEFORMATEX format = {};
    HWAVEIN inDevice = nullptr;
    HWAVEOUT outDevice = nullptr;
    Context context[BUFFERS];
    HANDLE drain;  // available except while free waits for the input buffers to come back

    // Records the audio callback and creates the one stream, "Windows".
    KW_EXPORT static KW_status classInit(KW_Rts_Callback callback);
    static void destroyAll();

    ~KW_Rts_Win32() override;
    KW_status init() override;
    KW_status mode(Mode* m) override;
    KW_status free() override;

private:
    KW_Rts_Win32();
    void resetHeaders();
    void describe(int channels, int rate, int bits);
    void releaseBlock();
    KW_status fail(KW_status why);
    void block(int i);
    static void CALLBACK inputDone(HWAVEIN device, UINT message, DWORD_PTR instance, DWORD_PTR param1,
                                   DWORD_PTR param2);

    static KW_Chain objects;
    static std::atomic<KW_Rts_Win32*> current;  // read by the wave service's thread
    static KW_Rts_Callback callback;
    static std::atomic<unsigned> drainMask;
};
