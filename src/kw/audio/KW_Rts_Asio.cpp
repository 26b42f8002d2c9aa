#include "audio/KW_Rts_Asio.h"
#include <algorithm>
#include <cstring>
#include "audio/asio/AsioCalls.h"
#include "audio/asio/AsioDrivers.h"
#include "core/KW_error.h"

KW_Chain KW_Rts_Asio::objects;
std::atomic<KW_Rts_Asio*> KW_Rts_Asio::current{nullptr};
KW_Rts_Callback KW_Rts_Asio::callback = nullptr;
ASIODriverInfo KW_Rts_Asio::driverInfo = {};

namespace {

const int RATES[] = {48000, 96000, 192000, 44100};

// The places named in reports, as this stream has always named them.
struct Place {
    const char* call;
    int line;
    const char* proc;
};
const char* const SOURCE = "../../../projects/KW/KW/Rts/Asio";
const Place PLACES[] = {{"ASIOInit", 185, "KW_Rts_Asio::init"},
                        {"ASIOGetChannels", 190, "KW_Rts_Asio::init"},
                        {"ASIOGetBufferSize", 197, "KW_Rts_Asio::init"},
                        {"ASIOSetSampleRate", 242, "KW_Rts_Asio::mode"},
                        {"ASIOCreateBuffers", 291, "KW_Rts_Asio::mode"},
                        {"ASIOStart", 296, "KW_Rts_Asio::mode"},
                        {"ASIOStop", 309, "KW_Rts_Asio::free"}};

}  // namespace

KW_Rts_Asio::Chan::Chan(const char* chanName, int32_t chanFormat, int32_t chanCount, int32_t number)
    : KW_Rts::Chan(chanName, chanFormat, chanCount), channel(number) {}

KW_status KW_Rts_Asio::classInit(KW_Rts_Callback cb) {
    callback = cb;
    if (!asioDrivers) asioDrivers = new AsioDrivers;
    char name[32];
    for (int32_t id = 0; id < asioDrivers->getNumDevices(); ++id) {
        if (asioDrivers->entryName(id, name, sizeof name) != ASIO_OK) continue;
        KW_Rts_Asio* stream = new KW_Rts_Asio(name);
        objects.add(&stream->classLink);
        KW_Rts_instances.add(&stream->instanceLink);
    }
    return KW_OK;
}

void KW_Rts_Asio::destroyAll() {
    deleteAll(objects);
    delete asioDrivers;
    asioDrivers = nullptr;
    asioDriver = nullptr;
}

KW_Rts_Asio::KW_Rts_Asio(const char* streamName) : KW_Rts(streamName) {}

KW_Rts_Asio::~KW_Rts_Asio() {
    if (current == this) exit();
}

int32_t KW_Rts_Asio::formatOf(int32_t sampleType) {
    switch (sampleType) {
        case 16: return 0x1002;      // 16-bit integer
        case 17: return 0x1803;      // 24-bit integer in 3 bytes
        case 18: return 0x2004;      // 32-bit integer
        case 19: return 0x1002004;   // 32-bit float
        case 20: return 0x1004008;   // 64-bit float
        case 24: return 0x101004;    // 16, 18, 20 and 24 significant bits in 4 bytes
        case 25: return 0xE1204;
        case 26: return 0xC1404;
        case 27: return 0x81804;
        default: return 0;           // big-endian, one-bit and unknown types
    }
}

// The time-information switch processes like the plain one, so it is announced as supported.
int32_t KW_Rts_Asio::message(int32_t selector, int32_t value, void*, double*) {
    switch (selector) {
        case ASIO_ASK_SUPPORTED:
            return value == ASIO_ASK_ENGINE_VERSION || value == ASIO_ASK_RESET || value == ASIO_ASK_RESYNC ||
                   value == ASIO_ASK_LATENCIES_CHANGED || value == ASIO_ASK_TIME_INFO ||
                   value == ASIO_ASK_TIME_CODE || value == ASIO_ASK_OVERLOAD;
        case ASIO_ASK_ENGINE_VERSION: return 2;
        case ASIO_ASK_RESET:
        case ASIO_ASK_RESYNC:
        case ASIO_ASK_LATENCIES_CHANGED:
        case ASIO_ASK_TIME_INFO: return 1;
        default: return 0;
    }
}

KW_status KW_Rts_Asio::report(Site site) {
    const Place& p = PLACES[site];
    KW_error_func(SOURCE, p.line, p.proc, __DATE__, __TIME__, p.call);
    return KW_ERROR_AUDIO;
}

// A usable channel of the driver, or none. Names are cut to the record's 32 bytes, terminated or not.
KW_Rts_Asio::Chan* KW_Rts_Asio::channel(int32_t number, bool input) {
    ASIOChannelInfo info = {};
    info.channel = number;
    info.isInput = input;
    if (ASIOGetChannelInfo(&info) != ASIO_OK || info.channel != number || !formatOf(info.type)) return nullptr;
    char name[sizeof info.name + 1] = {};
    std::memcpy(name, info.name, sizeof info.name);
    return new Chan(name, formatOf(info.type), preferredSize, number);
}

KW_status KW_Rts_Asio::init() {
    KW_Rts::init();
    // A driver that cannot be loaded is not initialised, not even the one loaded again in its place.
    if (!loadAsioDriver(name) || ASIOInit(&driverInfo) != ASIO_OK) return report(INIT);
    if (ASIOGetChannels(&inputCount, &outputCount) != ASIO_OK) return report(GET_CHANNELS);
    inputCount = std::clamp(inputCount, 0, MAX_CHANNELS);
    outputCount = driverOutputs = std::clamp(outputCount, 0, MAX_CHANNELS);
    if (ASIOGetBufferSize(&minimumSize, &maximumSize, &preferredSize, &granularity) != ASIO_OK ||
        preferredSize < 1 || preferredSize > MAX_FRAMES)
        return report(GET_BUFFER_SIZE);
    for (int rate : RATES)
        if (ASIOCanSampleRate(rate) == ASIO_OK) modes.add(&(new Mode(rate, 32, preferredSize, inputCount))->link);
    for (int32_t k = 0; k < inputCount; ++k)
        if (Chan* c = channel(k, true)) inputs.add(&c->link);
    inputCount = inputs.count;
    current = this;
    return KW_OK;
}

KW_status KW_Rts_Asio::exit() {
    if (started) free();
    KW_Rts::exit();
    ASIOExit();
    if (current == this) current = nullptr;
    return KW_OK;
}

// A failed mode is reported and leaves no mode and no outputs, so free, exit or another mode may follow.
KW_status KW_Rts_Asio::failMode(Site site) {
    KW_Rts::free();
    return report(site);
}

KW_status KW_Rts_Asio::mode(Mode* m) {
    if (started) free();
    if (!m) return KW_ERROR_AUDIO;
    KW_Rts::mode(m);
    if (ASIOSetSampleRate(m->rate) != ASIO_OK) return failMode(SET_SAMPLE_RATE);
    int32_t n = 0;
    for (KW_Chain_Item* it = inputs.first(); it != inputs.end(); it = it->next)
        bufferInfos[n++] = {1, static_cast<Chan*>(it->data)->channel, {nullptr, nullptr}};
    for (int32_t k = 0; k < driverOutputs; ++k) {
        if (Chan* c = channel(k, false)) {
            outputs.add(&c->link);
            bufferInfos[n++] = {0, k, {nullptr, nullptr}};
        }
    }
    outputCount = outputs.count;
    callbacks = {bufferSwitch, sampleRateChanged, message, bufferSwitchTimeInfo};
    if (ASIOCreateBuffers(bufferInfos, n, preferredSize, &callbacks) != ASIO_OK) return failMode(CREATE_BUFFERS);
    for (int32_t i = 0; i < n; ++i)
        if (!bufferInfos[i].buffers[0] || !bufferInfos[i].buffers[1]) return failMode(CREATE_BUFFERS);
    if (ASIOStart() != ASIO_OK) return failMode(START);
    started = true;
    return KW_OK;
}

// The outputs go before the driver stops: the base waits for a buffer switch that still uses them.
KW_status KW_Rts_Asio::free() {
    KW_Rts::free();
    if (!started) return KW_OK;
    started = false;
    return ASIOStop() == ASIO_OK ? KW_OK : report(STOP);
}

void KW_Rts_Asio::bufferSwitch(int32_t half, int32_t) {
    KW_Rts_Asio* s = current;
    if (!s || (half != 0 && half != 1)) return;
    if (!s->beginBlock()) return;
    int32_t k = 0;
    for (KW_Chain_Item* it = s->inputs.first(); it != s->inputs.end(); it = it->next)
        static_cast<Chan*>(it->data)->data = s->bufferInfos[k++].buffers[half];
    for (KW_Chain_Item* it = s->outputs.first(); it != s->outputs.end(); it = it->next)
        static_cast<Chan*>(it->data)->data = s->bufferInfos[k++].buffers[half];
    if (callback) callback();
    s->endBlock();
}

void KW_Rts_Asio::sampleRateChanged(double) {}

ASIOTime* KW_Rts_Asio::bufferSwitchTimeInfo(ASIOTime*, int32_t half, int32_t direct) {
    bufferSwitch(half, direct);
    return nullptr;
}
