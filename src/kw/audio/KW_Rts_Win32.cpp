#include "audio/KW_Rts_Win32.h"
#include <cstdlib>
#include <new>

KW_Chain KW_Rts_Win32::objects;
std::atomic<KW_Rts_Win32*> KW_Rts_Win32::current{nullptr};
KW_Rts_Callback KW_Rts_Win32::callback = nullptr;
std::atomic<unsigned> KW_Rts_Win32::drainMask{0};

namespace {

// First device of each direction, through the mapper, in the format asked for and no other.
const DWORD OPEN_FLAGS = WAVE_MAPPED | WAVE_FORMAT_DIRECT;
const int RATES[] = {48000, 96000, 192000, 44100};
const int WIDTHS[] = {32, 24, 16};
const char* const OUTPUT_NAMES[] = {"Left front", "Right front", "Left back", "Right back"};

// Tries a device operation up to ten times, half a second apart: a device may still be busy finishing.
template <class Op>
bool retried(Op op) {
    for (int attempt = 1;; ++attempt) {
        if (op() == MMSYSERR_NOERROR) return true;
        if (attempt == 10) return false;
        Sleep(500);
    }
}

}  // namespace

KW_status KW_Rts_Win32::classInit(KW_Rts_Callback cb) {
    callback = cb;
    KW_Rts_Win32* stream = new (std::nothrow) KW_Rts_Win32;
    if (!stream) return KW_ERROR_MEMORY_CANNOT_ALLOCATE;
    objects.add(&stream->classLink);
    KW_Rts_instances.add(&stream->instanceLink);
    return KW_OK;
}

void KW_Rts_Win32::destroyAll() { deleteAll(objects); }

KW_Rts_Win32::KW_Rts_Win32() : KW_Rts("Windows") {
    format.wFormatTag = WAVE_FORMAT_PCM;
    drain = CreateEventA(nullptr, FALSE, TRUE, nullptr);
    resetHeaders();
}

KW_Rts_Win32::~KW_Rts_Win32() {
    free();
    if (current == this) current = nullptr;
    if (drain) CloseHandle(drain);
}

void KW_Rts_Win32::resetHeaders() {
    for (int i = 0; i < BUFFERS; ++i) {
        context[i] = {this, i};
        for (WAVEHDR* h : {&inHeader[i], &outHeader[i]}) {
            *h = {};
            h->dwUser = reinterpret_cast<DWORD_PTR>(&context[i]);
            h->dwFlags = WHDR_DONE;
        }
        outHeader[i].dwLoops = 1;
    }
    if (drain) SetEvent(drain);
}

void KW_Rts_Win32::describe(int channels, int rate, int bits) {
    format.nChannels = WORD(channels);
    format.nSamplesPerSec = DWORD(rate);
    format.nBlockAlign = WORD(channels * bits / 8);
    format.nAvgBytesPerSec = DWORD(rate) * format.nBlockAlign;
    format.wBitsPerSample = WORD(bits);
    format.cbSize = 0;
}

// Lists the modes both devices accept: by width, then rate, four channels before two.
KW_status KW_Rts_Win32::init() {
    KW_Rts::init();
    for (int bits : WIDTHS) {
        for (int rate : RATES) {
            HWAVEIN in;
            describe(2, rate, bits);
            if (waveInOpen(&in, 0, &format, 0, 0, CALLBACK_NULL | OPEN_FLAGS) != MMSYSERR_NOERROR) continue;
            waveInClose(in);
            for (int channels : {4, 2}) {
                HWAVEOUT out;
                describe(channels, rate, bits);
                if (waveOutOpen(&out, 0, &format, 0, 0, CALLBACK_NULL | OPEN_FLAGS) != MMSYSERR_NOERROR) continue;
                waveOutClose(out);
                modes.add(&(new Mode(rate, bits, rate / 100, channels))->link);
            }
        }
    }
    inputs.add(&(new Chan("Left", 0, 0))->link);
    inputs.add(&(new Chan("Right", 0, 0))->link);
    current = this;
    return KW_OK;
}

void KW_Rts_Win32::releaseBlock() {
    std::free(outBuffer[0]);
    for (int i = 0; i < BUFFERS; ++i) outBuffer[i] = inBuffer[i] = nullptr;
}

// A failed mode leaves nothing open or allocated and no mode active, so free, exit or another mode
// may follow. The mode goes first: buffers that the reset returns are then only collected.
KW_status KW_Rts_Win32::fail(KW_status why) {
    KW_Rts::free();
    if (inDevice) {
        waveInReset(inDevice);
        waveInClose(inDevice);
    }
    if (outDevice) waveOutClose(outDevice);
    inDevice = nullptr;
    outDevice = nullptr;
    releaseBlock();
    return why;
}

KW_status KW_Rts_Win32::mode(Mode* m) {
    if (inDevice || outDevice) free();
    KW_Rts::mode(m);
    // Only what a device could take: 8 to 32-bit samples, one to four outputs, rates up to the highest
    // listed (the sound library behind some wave services aborts the process on higher ones).
    if (!m || m->bits < 8 || m->bits > 32 || m->bits % 8 || m->channels < 1 || m->channels > 4 || m->rate < 100 ||
        m->rate > 192000)
        return fail(KW_ERROR_AUDIO_CANNOT_OPEN);
    const int n = m->channels, s = m->bits / 8, f = m->rate / 100;
    describe(2, m->rate, m->bits);
    if (waveInOpen(&inDevice, 0, &format, reinterpret_cast<DWORD_PTR>(inputDone), 0,
                   CALLBACK_FUNCTION | OPEN_FLAGS) != MMSYSERR_NOERROR) {
        inDevice = nullptr;
        return fail(KW_ERROR_AUDIO_CANNOT_OPEN);
    }
    describe(n, m->rate, m->bits);
    if (waveOutOpen(&outDevice, 0, &format, 0, 0, CALLBACK_NULL | OPEN_FLAGS) != MMSYSERR_NOERROR) {
        outDevice = nullptr;
        return fail(KW_ERROR_AUDIO_CANNOT_OPEN);
    }
    auto* sampleBlock = static_cast<uint8_t*>(std::calloc(size_t(BUFFERS) * f * s * (n + 2), 1));
    if (!sampleBlock) return fail(KW_ERROR_MEMORY_CANNOT_ALLOCATE);
    for (int i = 0; i < BUFFERS; ++i) {
        outBuffer[i] = sampleBlock + size_t(i) * f * s * n;
        inBuffer[i] = sampleBlock + size_t(BUFFERS) * f * s * n + size_t(i) * f * s * 2;
    }
    resetHeaders();

    for (KW_Chain_Item* it = inputs.first(); it != inputs.end(); it = it->next) {
        Chan* c = static_cast<Chan*>(it->data);
        c->format = s * 2 + m->bits * 256;
        c->count = f;
    }
    for (int k = 0; k < n; ++k) outputs.add(&(new Chan(OUTPUT_NAMES[k], s * n + m->bits * 256, f))->link);

    for (int i = 0; i < BUFFERS; ++i) {
        inHeader[i].lpData = reinterpret_cast<LPSTR>(inBuffer[i]);
        inHeader[i].dwBufferLength = DWORD(f * s * 2);
        if (waveInPrepareHeader(inDevice, &inHeader[i], sizeof(WAVEHDR)) != MMSYSERR_NOERROR ||
            waveInAddBuffer(inDevice, &inHeader[i], sizeof(WAVEHDR)) != MMSYSERR_NOERROR)
            return fail(KW_ERROR_AUDIO);
        outHeader[i].lpData = reinterpret_cast<LPSTR>(outBuffer[i]);
        outHeader[i].dwBufferLength = DWORD(f * s * n);
    }
    if (waveInStart(inDevice) != MMSYSERR_NOERROR) return fail(KW_ERROR_AUDIO);
    return KW_OK;
}

void CALLBACK KW_Rts_Win32::inputDone(HWAVEIN, UINT message, DWORD_PTR, DWORD_PTR param1, DWORD_PTR) {
    if (message != WIM_DATA || !current) return;
    const Context* c = reinterpret_cast<const Context*>(reinterpret_cast<WAVEHDR*>(param1)->dwUser);
    c->stream->block(c->index);
}

// One block, on the wave service's thread, for input buffer i that has just come back.
void KW_Rts_Win32::block(int i) {
    Mode* m = beginBlock();
    if (!m) {
        // free is under way: collect the buffers; the last one home releases free.
        const unsigned bit = 1u << i, before = drainMask.fetch_or(bit);
        if ((before | bit) == 0xFF && before != 0xFF) SetEvent(drain);
        return;
    }
    waveInAddBuffer(inDevice, &inHeader[i], sizeof(WAVEHDR));
    const int s = m->bits / 8;
    int k = 0;
    for (KW_Chain_Item* it = inputs.first(); it != inputs.end(); it = it->next, ++k)
        static_cast<Chan*>(it->data)->data = inBuffer[i] + k * s;

    int idle = 0, first = 0, second = 0;
    for (int j = 0; j < BUFFERS; ++j) {
        if (!(outHeader[j].dwFlags & WHDR_DONE)) continue;
        if (idle == 0) first = j;
        if (idle == 1) second = j;
        ++idle;
    }
    k = 0;
    for (KW_Chain_Item* it = outputs.first(); it != outputs.end(); it = it->next, ++k)
        static_cast<Chan*>(it->data)->data = outBuffer[first] + k * s;
    if (callback) callback();
    endBlock();

    // Two idle buffers at least, so the queue never holds more than seven; with six or more idle
    // (starting up) a second one goes out too, playing whatever it last held.
    if (idle < 2) return;
    for (int j : {first, second}) {
        outHeader[j].dwFlags = WHDR_BEGINLOOP | WHDR_ENDLOOP;
        outHeader[j].dwLoops = 1;
        waveOutPrepareHeader(outDevice, &outHeader[j], sizeof(WAVEHDR));
        waveOutWrite(outDevice, &outHeader[j], sizeof(WAVEHDR));
        if (idle < 6) break;
    }
}

KW_status KW_Rts_Win32::free() {
    // Nothing is open when no mode has started the devices.
    if (!inDevice && !outDevice) return KW_Rts::free();
    drainMask = 0;
    WaitForSingleObject(drain, 10000);
    KW_Rts::free();
    WaitForSingleObject(drain, 10000);
    SetEvent(drain);
    Sleep(100);
    if (!retried([&] { return waveInStop(inDevice); })) return KW_ERROR_AUDIO_CANNOT_INPUT_STOP;
    if (!retried([&] { return waveOutReset(outDevice); })) return KW_ERROR_AUDIO_CANNOT_OUTPUT_RESET;
    if (!retried([&] { return waveInClose(inDevice); })) return KW_ERROR_AUDIO_CANNOT_INPUT_CLOSE;
    inDevice = nullptr;
    if (!retried([&] { return waveOutClose(outDevice); })) return KW_ERROR_AUDIO_CANNOT_OUTPUT_CLOSE;
    outDevice = nullptr;
    releaseBlock();
    return KW_OK;
}
