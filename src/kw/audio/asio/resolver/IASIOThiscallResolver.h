// Stands between the driver calls and a driver: every driver method is passed on unchanged to the
// wrapped driver's method at the same place. Declaring the interface's methods thiscall makes each call
// put the driver in ECX and push the arguments for the driver to remove, as 32-bit drivers expect; on
// 64-bit builds there is only one convention and this is a plain forward.
#pragma once
#include "audio/asio/IASIO.h"

class IASIOThiscallResolver : public IASIO {
public:
    IASIO* driver = nullptr;

    // Never used by the driver calls: the driver's own COM methods are what counts.
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
};
