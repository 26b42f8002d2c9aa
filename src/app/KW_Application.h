// The filter: a third-order Butterworth low-pass built by commands from a one-pole low-pass and a
// subtracted band-pass, its editor's widgets, and the parameters that turn changes into commands.
#pragma once
#include <cstdint>
#include "app/KW_Application_Frequency.h"
#include "app/KW_Application_Param.h"
#include "app/KW_Application_State.h"
#include "core/KW_Apptpl.h"

class KW_Buffer;
class KW_Soundpipe;
class KW_Wid;
class KW_Win;

class KW_Application : public KW_Apptpl {
public:
    using Param = KW_Application_Param;

    // Object slots.
    enum : int { PIPE = 0, INPUT = 1, OUTPUT = 2, WORK = 3, LOWPASS = 6, BANDPASS = 7, OUTPUT_COPY = 8,
                 INPUT_COPY = 9, OBJECTS = 10 };
    // Widget slots the parameters change.
    enum : int { BUTTON = 22, CAPTION = 24, KNOB = 25, VALUE_LABEL = 26, WIDGETS = 27 };
    enum : int { STATE = 0, FREQUENCY = 1, SAVE_PRESET = 2, LOAD_PRESET = 3, PARAMS = 4 };

    KW_Application();
    virtual ~KW_Application() = default;

    KW_status build() override;
    KW_status attach(KW_Win* window) override;
    KW_status detach() override;
    KW_status destroy() override;

    KW_Soundpipe* pipe() const { return static_cast<KW_Soundpipe*>(objects[PIPE]); }
    KW_Buffer* input() const { return static_cast<KW_Buffer*>(objects[INPUT]); }
    KW_Buffer* output() const { return static_cast<KW_Buffer*>(objects[OUTPUT]); }
    Param& param(int index) { return *params[index]; }

    int32_t width = 0;
    int32_t height = 0;
    int32_t blockLength = 512;
    int32_t clock = 0;
    void* objects[OBJECTS] = {};
    KW_Wid* widgets[WIDGETS] = {};
    KW_Win* window = nullptr;

private:
    void buildGraph();
    void buildEditor();

    KW_Application_State state{*this};
    KW_Application_Frequency frequency{*this};
    Param savePreset;
    Param loadPreset;
    Param* const params[PARAMS] = {&state, &frequency, &savePreset, &loadPreset};
};
