// The base of an effect's editor window object, driven by the editor opcodes of the dispatcher.
#pragma once
#include "vst/AEffect.h"

class AudioEffect;

class AEffEditor {
public:
    explicit AEffEditor(AudioEffect* e) : effect(e) {}
    AEffEditor(const AEffEditor&) = delete;
    AEffEditor& operator=(const AEffEditor&) = delete;

    virtual ~AEffEditor() = default;
    virtual AudioEffect* getEffect() { return effect; }
    virtual bool getRect(ERect** rect) {
        *rect = nullptr;
        return false;
    }
    // parent: the host's window the editor opens in.
    virtual bool open(void* parent) {
        systemWindow = parent;
        return false;
    }
    virtual void close() { systemWindow = nullptr; }
    virtual bool isOpen() { return systemWindow != nullptr; }
    virtual void idle() {}
    virtual bool keyDown(VstKeyCode&) { return false; }
    virtual bool keyUp(VstKeyCode&) { return false; }
    virtual bool wheel(float) { return false; }
    virtual bool setKnobMode(int32_t) { return false; }

protected:
    AudioEffect* effect;
    void* systemWindow = nullptr;
};
