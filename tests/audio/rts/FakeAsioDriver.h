// A driver object that answers every method with a value of its own and records what it was given.
#pragma once
#include <cstring>
#include <string>
#include "audio/asio/IASIO.h"

class FakeAsioDriver : public IASIO {
public:
    std::string calls;            // method names, in order, separated by spaces
    int32_t initResult = 1;
    const char* name = "Fake driver";
    size_t nameBytes = 12;        // bytes written by getDriverName (a driver may leave out the zero)
    const char* error = "Fake failure";
    void* lastPointer = nullptr;
    double lastRate = 0;
    int32_t lastInt = 0;

    int32_t KW_ASIO_COM QueryInterface(const void*, void**) override { return note("QueryInterface", -1); }
    uint32_t KW_ASIO_COM AddRef() override { return uint32_t(note("AddRef", 7)); }
    uint32_t KW_ASIO_COM Release() override { return uint32_t(note("Release", 6)); }
    int32_t KW_ASIO_CALL init(void* h) override { return lastPointer = h, note("init", initResult); }
    void KW_ASIO_CALL getDriverName(char* n) override {
        std::memcpy(n, name, nameBytes);
        note("getDriverName", 0);
    }
    int32_t KW_ASIO_CALL getDriverVersion() override { return note("getDriverVersion", 42); }
    void KW_ASIO_CALL getErrorMessage(char* t) override {
        std::strcpy(t, error);
        note("getErrorMessage", 0);
    }
    int32_t KW_ASIO_CALL start() override { return note("start", 101); }
    int32_t KW_ASIO_CALL stop() override { return note("stop", 102); }
    int32_t KW_ASIO_CALL getChannels(int32_t* i, int32_t* o) override {
        *i = 3, *o = 5;
        return note("getChannels", 103);
    }
    int32_t KW_ASIO_CALL getLatencies(int32_t* i, int32_t* o) override {
        *i = 11, *o = 13;
        return note("getLatencies", 104);
    }
    int32_t KW_ASIO_CALL getBufferSize(int32_t* mn, int32_t* mx, int32_t* p, int32_t* g) override {
        *mn = 64, *mx = 2048, *p = 256, *g = -1;
        return note("getBufferSize", 105);
    }
    int32_t KW_ASIO_CALL canSampleRate(double r) override { return lastRate = r, note("canSampleRate", 106); }
    int32_t KW_ASIO_CALL getSampleRate(double* r) override {
        *r = 88200;
        return note("getSampleRate", 107);
    }
    int32_t KW_ASIO_CALL setSampleRate(double r) override { return lastRate = r, note("setSampleRate", 108); }
    int32_t KW_ASIO_CALL getClockSources(ASIOClockSource* c, int32_t* n) override {
        return lastPointer = c, *n = 1, note("getClockSources", 109);
    }
    int32_t KW_ASIO_CALL setClockSource(int32_t r) override { return lastInt = r, note("setClockSource", 110); }
    int32_t KW_ASIO_CALL getSamplePosition(ASIOSamples* p, ASIOTimeStamp* t) override {
        p->lo = 1, t->lo = 2;
        return note("getSamplePosition", 111);
    }
    int32_t KW_ASIO_CALL getChannelInfo(ASIOChannelInfo* i) override {
        i->type = 19;
        return note("getChannelInfo", 112);
    }
    int32_t KW_ASIO_CALL createBuffers(ASIOBufferInfo* b, int32_t n, int32_t s, ASIOCallbacks* c) override {
        lastPointer = c;
        lastInt = s;
        for (int32_t i = 0; i < n; ++i) b[i].buffers[0] = b[i].buffers[1] = this;
        return note("createBuffers", 113);
    }
    int32_t KW_ASIO_CALL disposeBuffers() override { return note("disposeBuffers", 114); }
    int32_t KW_ASIO_CALL controlPanel() override { return note("controlPanel", 115); }
    int32_t KW_ASIO_CALL future(int32_t s, void* o) override { return lastInt = s, lastPointer = o, note("future", 116); }
    int32_t KW_ASIO_CALL outputReady() override { return note("outputReady", 117); }

private:
    int32_t note(const char* call, int32_t result) {
        calls += calls.empty() ? call : std::string(" ") + call;
        return result;
    }
};
