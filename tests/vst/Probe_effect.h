// A concrete effect that records what the layer calls, and a host callback that records what it is sent.
#pragma once
#include <vector>
#include "vst/AEffEditor.h"
#include "vst/AudioEffectX.h"

struct HostCall {
    int32_t opcode, index;
    VstIntPtr value;
    void* ptr;
    float opt;
};

struct Host {
    static inline std::vector<HostCall> calls;
    static inline VstIntPtr answer = 0;
    static VstIntPtr KW_CDECL callback(AEffect*, int32_t opcode, int32_t index, VstIntPtr value, void* ptr, float opt) {
        calls.push_back({opcode, index, value, ptr, opt});
        return answer;
    }
};

struct ProbeEffect : AudioEffectX {
    static inline int destroyed = 0;
    std::vector<const char*> log;
    int32_t program = -99;

    explicit ProbeEffect(VstHostCallback host = nullptr) : AudioEffectX(host, 1, 2) {}
    ~ProbeEffect() override { destroyed++; }
    void processReplacing(float**, float**, int32_t) override { log.push_back("processReplacing"); }
    void suspend() override { log.push_back("suspend"); }
    void resume() override { log.push_back("resume"); }
    void close() override { log.push_back("close"); }
    void setProgram(int32_t p) override { program = p; }
    using AudioEffect::host;
};

struct ProbeEditor : AEffEditor {
    VstKeyCode key{};
    using AEffEditor::AEffEditor;
    bool keyDown(VstKeyCode& k) override {
        key = k;
        return true;
    }
};
