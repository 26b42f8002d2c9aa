// The stream over one ASIO driver, named after it. The driver calls the buffer switch once per half of
// its double buffer on its own thread; the switch points every channel at that half and runs the
// audio callback.
#pragma once
#include "audio/KW_Rts.h"
#include "audio/asio/IASIO.h"

class KW_Rts_Asio : public KW_Rts {
public:
    static constexpr int MAX_CHANNELS = 16;       // per direction
    static constexpr int32_t MAX_FRAMES = 32768;  // the longest block a driver may ask for

    class Chan : public KW_Rts::Chan {
    public:
        int32_t channel;  // the driver's channel number
        Chan(const char* name, int32_t format, int32_t count, int32_t channel);
    };

    int32_t inputCount = 0;   // the driver's inputs (at most 16), then the usable ones
    int32_t outputCount = 0;  // likewise for the outputs, once a mode has listed them
    int32_t minimumSize = 0, maximumSize = 0, preferredSize = 0, granularity = 0;
    ASIOBufferInfo bufferInfos[2 * MAX_CHANNELS] = {};  // inputs first, then outputs
    ASIOCallbacks callbacks = {};

    // Records the audio callback, reads the registered drivers and makes one stream for each.
    KW_EXPORT static KW_status classInit(KW_Rts_Callback callback);
    // Deletes every stream, then the driver list (which releases a loaded driver).
    static void destroyAll();

    // The channel format word of a driver sample type; 0 for types this system cannot use.
    static int32_t formatOf(int32_t sampleType);
    // The answers to the driver's questions.
    static int32_t message(int32_t selector, int32_t value, void* text, double* option);

    ~KW_Rts_Asio() override;
    KW_status init() override;
    KW_status exit() override;
    KW_status mode(Mode* m) override;
    KW_status free() override;

private:
    explicit KW_Rts_Asio(const char* name);

    int32_t driverOutputs = 0;  // the driver's outputs (at most 16), kept for every mode
    bool started = false;       // the driver runs because this stream's mode started it

    enum Site { INIT, GET_CHANNELS, GET_BUFFER_SIZE, SET_SAMPLE_RATE, CREATE_BUFFERS, START, STOP };
    static KW_status report(Site site);
    KW_status failMode(Site site);
    Chan* channel(int32_t number, bool input);

    static void bufferSwitch(int32_t half, int32_t direct);
    static void sampleRateChanged(double rate);
    static ASIOTime* bufferSwitchTimeInfo(ASIOTime* time, int32_t half, int32_t direct);

    static KW_Chain objects;
    static std::atomic<KW_Rts_Asio*> current;  // read by the driver's thread
    static KW_Rts_Callback callback;
    static ASIODriverInfo driverInfo;
};
