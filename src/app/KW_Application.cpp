#include "app/KW_Application.h"
#include <cstdio>
#include "core/KW_command.h"

KW_Application::KW_Application() = default;

void KW_Application::buildGraph() {
    int32_t scratch = 0;
    KW_command("KW_Soundpipe -bl %i -b", &objects[PIPE], blockLength, &scratch);
    KW_command("KW_Buffer -t %o", &objects[INPUT], "buf_i");
    KW_command("KW_Buffer -t %o", &objects[WORK], "lpf_buffer");
    KW_command("KW_Effect_Copy -i %o -o %o", &objects[INPUT_COPY], objects[INPUT], objects[WORK]);
    KW_command("KW_Effect_Lopass -i %o -o %o", &objects[LOWPASS], objects[INPUT], objects[WORK]);
    KW_command("KW_Effect_Bapass -i %o -o %o -q .618 -mode sub", &objects[BANDPASS], objects[INPUT], objects[WORK]);
    KW_command("KW_Buffer -t %o", &objects[OUTPUT], "buf_o");
    KW_command("KW_Effect_Copy -i %o -o %o", &objects[OUTPUT_COPY], objects[WORK], objects[OUTPUT]);
    KW_command("KW_Soundpipe %o -e", objects[PIPE], &scratch);
}

KW_status KW_Application::build() {
    width = 180 + 20;
    height = 170 + 66;
    blockLength = 512;
    buildGraph();
    buildEditor();
    state.setName("State");
    state.setLabel("On", "Off");
    state.kind = KW_value::SWITCH;
    state.i = 1;
    frequency.setName("Frequency");
    frequency.setLabel("Hz");
    frequency.kind = KW_value::FLOAT;
    frequency.f = 1500.0f;
    frequency.widget = widgets[KNOB];
    state.changed(this);
    frequency.changed(this);
    return KW_OK;
}

// Effects before buffers, buffers before the sound pipe, then the widgets, each list from its end.
KW_status KW_Application::destroy() {
    for (int slot = OBJECTS - 1; slot >= 0; slot--)
        if (objects[slot]) KW_command("%o -delete", objects[slot]);
    for (int slot = WIDGETS - 1; slot >= 0; slot--) {
        if (widgets[slot])
            KW_command("%o -delete", widgets[slot]);
        else
            std::puts("NULL WIDGET");
    }
    for (void*& o : objects) o = nullptr;
    for (KW_Wid*& w : widgets) w = nullptr;
    frequency.widget = nullptr;
    return KW_OK;
}
