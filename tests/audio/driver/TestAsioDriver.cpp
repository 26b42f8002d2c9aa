#include "TestAsioDriver.h"
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include "TestAsioStats.h"

extern TestAsioStats stats;

namespace {

const int32_t OK = 0, INVALID_PARAMETER = -998, INVALID_MODE = -997, HARDWARE_MALFUNCTION = -999, NO_CLOCK = -995;
const uint8_t UNKNOWN_INTERFACE[16] = {0, 0, 0, 0, 0, 0, 0, 0, 0xC0, 0, 0, 0, 0, 0, 0, 0x46};

int bytesOf(int32_t type) { return type == 16 ? 2 : type == 17 ? 3 : type == 20 ? 8 : 4; }

// Samples in the little-endian types, as fractions of full scale; other types as plain 32-bit words.
double read(int32_t type, const uint8_t* p) {
    int32_t word = 0;
    switch (type) {
        case 16: return int16_t(p[0] | p[1] << 8) / 32768.0;
        case 17: return (int32_t(uint32_t(p[0] << 8 | p[1] << 16 | p[2] << 24)) >> 8) / 8388608.0;
        case 19: { float f; std::memcpy(&f, p, 4); return f; }
        case 20: { double d; std::memcpy(&d, p, 8); return d; }
    }
    std::memcpy(&word, p, 4);
    const int bits = type == 24 ? 16 : type == 25 ? 18 : type == 26 ? 20 : type == 27 ? 24 : 32;
    return (int32_t(uint32_t(word) << (32 - bits)) >> (32 - bits)) / std::ldexp(1.0, bits - 1);
}

void write(int32_t type, uint8_t* p, double x) {
    switch (type) {
        case 19: { float f = float(x); std::memcpy(p, &f, 4); return; }
        case 20: std::memcpy(p, &x, 8); return;
    }
    const int bits = type == 16 ? 16 : type == 17 ? 24 : type == 24 ? 16 : type == 25 ? 18 : type == 26 ? 20
                   : type == 27 ? 24 : 32;
    const int32_t v = int32_t(std::lround(x * (std::ldexp(1.0, bits - 1) - 1)));
    for (int i = 0; i < bytesOf(type); ++i) p[i] = uint8_t(uint32_t(v) >> (8 * i));
}

// The signal on input channel c at sample position n: a sine of its own frequency at half scale.
double signal(int32_t c, long n) { return 0.5 * std::sin(0.01 * (c + 1) * n); }

void fill(char* to, size_t size, const char* text, bool unterminated) {
    if (unterminated) {
        std::memset(to, text[0], size);
        return;
    }
    const size_t n = std::min(std::strlen(text), size - 1);
    std::memcpy(to, text, n);
    to[n] = 0;
}

}  // namespace

TestAsioDriver::TestAsioDriver(int r, const uint8_t id[16])
    : row(r), config(TEST_ASIO_DRIVERS[r]), rate(config.rates[0]) {
    std::memcpy(classId, id, sizeof classId);
    ++stats.alive;
    stats.lastMade = row;
}

TestAsioDriver::~TestAsioDriver() {
    stop();
    --stats.alive;
}

int32_t TestAsioDriver::QueryInterface(const void* iid, void** object) {
    if (!object) return int32_t(0x80004003);
    *object = nullptr;
    if (!iid || (std::memcmp(iid, classId, 16) && std::memcmp(iid, UNKNOWN_INTERFACE, 16)))
        return int32_t(0x80004002);
    AddRef();
    *object = this;
    return 0;
}

uint32_t TestAsioDriver::AddRef() { return ++references; }

uint32_t TestAsioDriver::Release() {
    uint32_t left = --references;
    if (!left) delete this;
    return left;
}

int32_t TestAsioDriver::init(void*) {
    ++stats.inits;
    return !config.has(TestAsioConfig::FAIL_INIT);
}

void TestAsioDriver::getDriverName(char* name) {
    fill(name, 32, config.description ? config.description : config.key, config.has(TestAsioConfig::UNTERMINATED));
}

int32_t TestAsioDriver::getDriverVersion() { return 7; }

void TestAsioDriver::getErrorMessage(char* text) { fill(text, 124, "The test driver refuses to start", false); }

int32_t TestAsioDriver::start() {
    if (config.has(TestAsioConfig::FAIL_START)) return HARDWARE_MALFUNCTION;
    if (running) return OK;
    ++stats.starts;
    running = true;
    clock = std::thread([this] { run(); });
    return OK;
}

int32_t TestAsioDriver::stop() {
    if (running) ++stats.stops;
    running = false;
    if (clock.joinable()) clock.join();
    return OK;
}

int32_t TestAsioDriver::getChannels(int32_t* inputs, int32_t* outputs) {
    *inputs = config.inputs;
    *outputs = config.outputs;
    return OK;
}

int32_t TestAsioDriver::getLatencies(int32_t* input, int32_t* output) {
    *input = *output = config.bufferSize;
    return OK;
}

int32_t TestAsioDriver::getBufferSize(int32_t* minimum, int32_t* maximum, int32_t* preferred, int32_t* granularity) {
    *minimum = *maximum = *preferred = config.bufferSize;
    *granularity = 0;
    return OK;
}

int32_t TestAsioDriver::canSampleRate(double r) {
    for (int32_t accepted : config.rates)
        if (accepted && accepted == r) return OK;
    return NO_CLOCK;
}

int32_t TestAsioDriver::getSampleRate(double* r) {
    *r = rate;
    return OK;
}

int32_t TestAsioDriver::setSampleRate(double r) {
    if (canSampleRate(r) != OK) return NO_CLOCK;
    rate = r;
    stats.lastRate = int(r);
    return OK;
}

int32_t TestAsioDriver::getClockSources(ASIOClockSource* clocks, int32_t* count) {
    *clocks = {0, -1, -1, 1, "Internal"};
    *count = 1;
    return OK;
}

int32_t TestAsioDriver::setClockSource(int32_t reference) { return reference ? INVALID_PARAMETER : OK; }

int32_t TestAsioDriver::getSamplePosition(ASIOSamples* position, ASIOTimeStamp* stamp) {
    *position = {0, 0};
    *stamp = {0, 0};
    return OK;
}

int32_t TestAsioDriver::typeOf(int32_t channel, bool input) const {
    if (config.has(TestAsioConfig::ODD_UNKNOWN) && channel % 2) return 99;
    return input ? config.inputType : config.outputType;
}

int32_t TestAsioDriver::getChannelInfo(ASIOChannelInfo* info) {
    const int32_t count = info->isInput ? config.inputs : config.outputs;
    if (info->channel < 0 || info->channel >= count) return INVALID_PARAMETER;
    info->isActive = 0;
    info->channelGroup = 0;
    info->type = typeOf(info->channel, info->isInput);
    char name[32];
    std::snprintf(name, sizeof name, "%s %d", info->isInput ? "In" : "Out", int(info->channel + 1));
    fill(info->name, sizeof info->name, name, config.has(TestAsioConfig::UNTERMINATED));
    return OK;
}

int32_t TestAsioDriver::createBuffers(ASIOBufferInfo* infos, int32_t count, int32_t size, ASIOCallbacks* callbacks) {
    if (running) return INVALID_MODE;
    if (count < 0 || size != config.bufferSize || !callbacks || (count && !infos)) return INVALID_MODE;
    ++stats.bufferCreations;
    stats.lastChannels = count;
    buffers.clear();
    host = *callbacks;
    for (int32_t i = 0; i < count; ++i) {
        ASIOBufferInfo& info = infos[i];
        if (info.channelNum < 0 || info.channelNum >= (info.isInput ? config.inputs : config.outputs)) return INVALID_MODE;
        Buffer b{info.isInput != 0, info.channelNum, typeOf(info.channelNum, info.isInput), {}};
        for (auto& h : b.halves) h.assign(size_t(size) * bytesOf(b.type), 0);
        buffers.push_back(std::move(b));
    }
    for (int32_t i = 0; i < count; ++i)
        for (int h = 0; h < 2; ++h)
            infos[i].buffers[h] = config.has(TestAsioConfig::NULL_BUFFERS) ? nullptr : buffers[i].halves[h].data();
    timeInfo = config.has(TestAsioConfig::TIME_INFO) && host.asioMessage &&
               host.asioMessage(ASIO_ASK_SUPPORTED, ASIO_ASK_TIME_INFO, nullptr, nullptr) == 1 &&
               host.asioMessage(ASIO_ASK_TIME_INFO, 0, nullptr, nullptr) == 1;
    return OK;
}

int32_t TestAsioDriver::disposeBuffers() {
    stop();
    buffers.clear();
    return OK;
}

int32_t TestAsioDriver::controlPanel() { return OK; }

int32_t TestAsioDriver::future(int32_t, void*) { return INVALID_PARAMETER; }

int32_t TestAsioDriver::outputReady() { return INVALID_PARAMETER; }

void TestAsioDriver::run() {
    using Clock = std::chrono::steady_clock;
    const auto period = std::chrono::duration<double>(config.bufferSize / rate);
    auto next = Clock::now();
    for (long number = 0; running; ++number) {
        next += std::chrono::duration_cast<Clock::duration>(period);
        std::this_thread::sleep_until(next);
        if (running) block(int(number % 2), number);
    }
}

// One half: a fresh signal on the inputs, silence on the outputs, the host's switch, then the check.
void TestAsioDriver::block(int half, long number) {
    const int32_t n = config.bufferSize;
    for (Buffer& b : buffers) {
        uint8_t* p = b.halves[half].data();
        for (int32_t i = 0; i < n; ++i, p += bytesOf(b.type))
            if (b.input) write(b.type, p, signal(b.channel, number * n + i));
            else std::memset(p, 0, bytesOf(b.type));
    }
    if (timeInfo) {
        uint64_t time[32] = {};  // the host reads nothing of it
        host.bufferSwitchTimeInfo(reinterpret_cast<ASIOTime*>(time), half, 0);
        ++stats.timeInfoSwitches;
    } else {
        host.bufferSwitch(half, 0);
    }
    ++stats.switches;

    int compared = 0, wrong = 0;
    for (const Buffer& out : buffers) {
        if (out.input) continue;
        for (const Buffer& in : buffers) {
            if (!in.input || in.channel != out.channel) continue;
            ++compared;
            for (int32_t i = 0; i < n; ++i)
                if (std::fabs(read(out.type, &out.halves[half][i * bytesOf(out.type)]) -
                              read(in.type, &in.halves[half][i * bytesOf(in.type)])) > 1e-4)
                    ++wrong;
        }
    }
    if (compared) ++(wrong ? stats.mismatched : stats.matched);
}
