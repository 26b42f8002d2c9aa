// A plug-in as the test host drives it: the loaded image, its entry and the record it returned.
#pragma once
#include <windows.h>
#include <cstring>
#include <string>
#include "vst/AEffect.h"

struct Plugin {
    HMODULE module = nullptr;
    AEffect* effect = nullptr;

    VstIntPtr call(int32_t opcode, int32_t index = 0, VstIntPtr value = 0, void* ptr = nullptr, float opt = 0.0f) {
        return effect->dispatcher(effect, opcode, index, value, ptr, opt);
    }
    std::string text(int32_t opcode, int32_t index = 0) {
        char buffer[256];
        std::memset(buffer, 0x55, sizeof buffer);
        buffer[255] = 0;
        call(opcode, index, 0, buffer);
        return buffer;
    }
    void process(float* in, float* left, float* right, int32_t frames) {
        float* inputs[] = {in};
        float* outputs[] = {left, right};
        effect->processReplacing(effect, inputs, outputs, frames);
    }
};
