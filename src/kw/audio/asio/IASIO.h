// The ASIO driver interface and the records that drivers and hosts exchange through it. Drivers are
// in-process COM objects: the three COM methods use stdcall and the driver's own methods thiscall,
// which only differ on 32-bit x86; elsewhere there is one convention.
#pragma once
#include <cstdint>

#if defined(__i386__)
#define KW_ASIO_COM __attribute__((stdcall))
#define KW_ASIO_CALL __attribute__((thiscall))
#else
#define KW_ASIO_COM
#define KW_ASIO_CALL
#endif

// Results of the driver calls.
enum : int32_t {
    ASIO_OK = 0,
    ASIO_NOT_PRESENT = -1000,   // no driver loaded
    ASIO_INVALID_ARGUMENT = -5001,
    ASIO_ALREADY_OPEN = -5002,
    ASIO_NOT_FOUND = -5003,
};

// Questions a driver asks its host (the host's message callback).
enum : int32_t {
    ASIO_ASK_SUPPORTED = 1,  // is the selector given as value answered?
    ASIO_ASK_ENGINE_VERSION = 2,
    ASIO_ASK_RESET = 3,
    ASIO_ASK_BUFFER_SIZE_CHANGE = 4,
    ASIO_ASK_RESYNC = 5,
    ASIO_ASK_LATENCIES_CHANGED = 6,
    ASIO_ASK_TIME_INFO = 7,  // may the driver use the buffer switch with time information?
    ASIO_ASK_TIME_CODE = 8,
    ASIO_ASK_OVERLOAD = 10,
};

struct ASIODriverInfo {
    int32_t asioVersion;
    int32_t driverVersion;
    char name[32];
    char errorMessage[124];
    void* sysRef;  // the system handle given to init
};

struct ASIOChannelInfo {
    int32_t channel;   // asked for
    int32_t isInput;   // asked for
    int32_t isActive;
    int32_t channelGroup;
    int32_t type;      // sample type number
    char name[32];
};

struct ASIOBufferInfo {
    int32_t isInput;
    int32_t channelNum;
    void* buffers[2];  // the two halves of the channel's double buffer, filled by createBuffers
};

// 64-bit counts as two 32-bit halves.
struct ASIOSamples {
    uint32_t hi, lo;
};
struct ASIOTimeStamp {
    uint32_t hi, lo;
};

struct ASIOClockSource {
    int32_t index;
    int32_t associatedChannel;
    int32_t associatedGroup;
    int32_t isCurrentSource;
    char name[32];
};

struct ASIOTime;  // passed through, never read

struct ASIOCallbacks {
    void (*bufferSwitch)(int32_t half, int32_t direct);
    void (*sampleRateDidChange)(double rate);
    int32_t (*asioMessage)(int32_t selector, int32_t value, void* message, double* option);
    ASIOTime* (*bufferSwitchTimeInfo)(ASIOTime* time, int32_t half, int32_t direct);
};

class IASIO {
public:
    virtual int32_t KW_ASIO_COM QueryInterface(const void* iid, void** object) = 0;
    virtual uint32_t KW_ASIO_COM AddRef() = 0;
    virtual uint32_t KW_ASIO_COM Release() = 0;
    virtual int32_t KW_ASIO_CALL init(void* sysHandle) = 0;  // non-zero on success
    virtual void KW_ASIO_CALL getDriverName(char* name) = 0;  // 32 bytes
    virtual int32_t KW_ASIO_CALL getDriverVersion() = 0;
    virtual void KW_ASIO_CALL getErrorMessage(char* text) = 0;  // 124 bytes
    virtual int32_t KW_ASIO_CALL start() = 0;
    virtual int32_t KW_ASIO_CALL stop() = 0;
    virtual int32_t KW_ASIO_CALL getChannels(int32_t* inputs, int32_t* outputs) = 0;
    virtual int32_t KW_ASIO_CALL getLatencies(int32_t* input, int32_t* output) = 0;
    virtual int32_t KW_ASIO_CALL getBufferSize(int32_t* minimum, int32_t* maximum, int32_t* preferred,
                                               int32_t* granularity) = 0;
    virtual int32_t KW_ASIO_CALL canSampleRate(double rate) = 0;
    virtual int32_t KW_ASIO_CALL getSampleRate(double* rate) = 0;
    virtual int32_t KW_ASIO_CALL setSampleRate(double rate) = 0;
    virtual int32_t KW_ASIO_CALL getClockSources(ASIOClockSource* clocks, int32_t* count) = 0;
    virtual int32_t KW_ASIO_CALL setClockSource(int32_t reference) = 0;
    virtual int32_t KW_ASIO_CALL getSamplePosition(ASIOSamples* position, ASIOTimeStamp* stamp) = 0;
    virtual int32_t KW_ASIO_CALL getChannelInfo(ASIOChannelInfo* info) = 0;
    virtual int32_t KW_ASIO_CALL createBuffers(ASIOBufferInfo* infos, int32_t count, int32_t size,
                                               ASIOCallbacks* callbacks) = 0;
    virtual int32_t KW_ASIO_CALL disposeBuffers() = 0;
    virtual int32_t KW_ASIO_CALL controlPanel() = 0;
    virtual int32_t KW_ASIO_CALL future(int32_t selector, void* option) = 0;
    virtual int32_t KW_ASIO_CALL outputReady() = 0;

protected:
    ~IASIO() = default;  // released, never deleted, by its users
};
