// One test driver object: answers as its table row says and, once started, calls the host's buffer
// switch from its own thread at the pace of its buffer size, with a known signal on every input and
// a check that each output came back carrying the input of the same number.
#pragma once
#include <atomic>
#include <cstdint>
#include <thread>
#include <vector>
#include "TestAsioConfig.h"
#include "audio/asio/IASIO.h"

class TestAsioDriver final : public IASIO {
public:
    TestAsioDriver(int row, const uint8_t classId[16]);
    ~TestAsioDriver();

    int32_t KW_ASIO_COM QueryInterface(const void* iid, void** object) override;
    uint32_t KW_ASIO_COM AddRef() override;
    uint32_t KW_ASIO_COM Release() override;
    int32_t KW_ASIO_CALL init(void* sysHandle) override;
    void KW_ASIO_CALL getDriverName(char* name) override;
    int32_t KW_ASIO_CALL getDriverVersion() override;
    void KW_ASIO_CALL getErrorMessage(char* text) override;
    int32_t KW_ASIO_CALL start() override;
    int32_t KW_ASIO_CALL stop() override;
    int32_t KW_ASIO_CALL getChannels(int32_t* inputs, int32_t* outputs) override;
    int32_t KW_ASIO_CALL getLatencies(int32_t* input, int32_t* output) override;
    int32_t KW_ASIO_CALL getBufferSize(int32_t* minimum, int32_t* maximum, int32_t* preferred,
                                       int32_t* granularity) override;
    int32_t KW_ASIO_CALL canSampleRate(double rate) override;
    int32_t KW_ASIO_CALL getSampleRate(double* rate) override;
    int32_t KW_ASIO_CALL setSampleRate(double rate) override;
    int32_t KW_ASIO_CALL getClockSources(ASIOClockSource* clocks, int32_t* count) override;
    int32_t KW_ASIO_CALL setClockSource(int32_t reference) override;
    int32_t KW_ASIO_CALL getSamplePosition(ASIOSamples* position, ASIOTimeStamp* stamp) override;
    int32_t KW_ASIO_CALL getChannelInfo(ASIOChannelInfo* info) override;
    int32_t KW_ASIO_CALL createBuffers(ASIOBufferInfo* infos, int32_t count, int32_t size,
                                       ASIOCallbacks* callbacks) override;
    int32_t KW_ASIO_CALL disposeBuffers() override;
    int32_t KW_ASIO_CALL controlPanel() override;
    int32_t KW_ASIO_CALL future(int32_t selector, void* option) override;
    int32_t KW_ASIO_CALL outputReady() override;

private:
    struct Buffer {
        bool input;
        int32_t channel, type;
        std::vector<uint8_t> halves[2];
    };

    const int row;
    const TestAsioConfig& config;
    uint8_t classId[16];
    std::atomic<uint32_t> references{1};
    double rate;
    std::vector<Buffer> buffers;
    ASIOCallbacks host = {};
    bool timeInfo = false;
    std::atomic<bool> running{false};
    std::thread clock;

    int32_t typeOf(int32_t channel, bool input) const;
    void run();
    void block(int half, long number);
};
