// The effect object behind a plug-in record: owns the record, answers dispatcher opcodes 0 to 24,
// wraps the basic host calls and converts values to display text.
#pragma once
#include "vst/AEffect.h"

class AEffEditor;

class AudioEffect {
public:
    AudioEffect(VstHostCallback hostCallback, int32_t numPrograms, int32_t numParams);
    AudioEffect(const AudioEffect&) = delete;
    AudioEffect& operator=(const AudioEffect&) = delete;

    virtual ~AudioEffect();
    virtual VstIntPtr dispatcher(int32_t opcode, int32_t index, VstIntPtr value, void* ptr, float opt);
    virtual void open() {}
    virtual void close() {}
    virtual void suspend() {}
    virtual void resume() {}
    virtual void setSampleRate(float rate) { sampleRate = rate; }
    virtual void setBlockSize(int32_t size) { blockSize = size; }
    virtual void processReplacing(float** inputs, float** outputs, int32_t frames) = 0;
    virtual void processDoubleReplacing(double**, double**, int32_t) {}
    virtual void setParameter(int32_t, float) {}
    virtual float getParameter(int32_t) { return 0.0f; }
    virtual void setParameterAutomated(int32_t index, float value);
    virtual int32_t getProgram() { return curProgram; }
    virtual void setProgram(int32_t program) { curProgram = program; }
    virtual void setProgramName(char*) {}
    virtual void getProgramName(char* name) { *name = 0; }
    virtual void getParamLabel(int32_t, char* label) { *label = 0; }
    virtual void getParamDisplay(int32_t, char* text) { *text = 0; }
    virtual void getParamName(int32_t, char* name) { *name = 0; }
    virtual int32_t getChunk(void** data, bool isPreset = false);
    virtual int32_t setChunk(void* data, int32_t size, bool isPreset = false);
    virtual void setUniqueID(int32_t id) { record.uniqueID = id; }
    virtual void setNumInputs(int32_t n) { record.numInputs = n; }
    virtual void setNumOutputs(int32_t n) { record.numOutputs = n; }
    virtual void canProcessReplacing(bool state) { setFlag(effFlagsCanReplacing, state); }
    virtual void canDoubleReplacing(bool state) { setFlag(effFlagsCanDoubleReplacing, state); }
    virtual void programsAreChunks(bool state) { setFlag(effFlagsProgramChunks, state); }
    virtual void setInitialDelay(int32_t delay) { record.initialDelay = delay; }
    virtual AEffEditor* getEditor() { return editor; }
    virtual AEffect* getAeffect() { return &record; }
    virtual float getSampleRate() { return sampleRate; }
    virtual int32_t getBlockSize() { return blockSize; }
    virtual int32_t hostVersion();
    virtual int32_t hostCurrentId() { return int32_t(host(audioMasterCurrentId)); }
    virtual void hostIdle() { host(audioMasterIdle); }
    virtual void decibelsToText(float value, char* text, int32_t maxLen);
    virtual void hertzToText(float samples, char* text, int32_t maxLen);
    virtual void millisecondsToText(float samples, char* text, int32_t maxLen);
    virtual void floatToText(float value, char* text, int32_t maxLen);
    virtual void intToText(int32_t value, char* text, int32_t maxLen);
    virtual void process(float**, float**, int32_t) {}
    virtual float getVu() { return 0.0f; }
    virtual void hasVu(bool state) { setFlag(effFlagsHasVu, state); }
    virtual void hasClip(bool state) { setFlag(effFlagsHasClip, state); }
    virtual void canMono(bool state) { setFlag(effFlagsCanMono, state); }
    virtual void setRealtimeQualities(int32_t q) { record.realQualities = q; }
    virtual void setOfflineQualities(int32_t q) { record.offQualities = q; }
    virtual bool isInputConnected(int32_t input) { return host(audioMasterPinConnected, input, 0) == 0; }
    virtual bool isOutputConnected(int32_t output) { return host(audioMasterPinConnected, output, 1) == 0; }

    // Stores the editor (owned from now on) and announces it in the record's flags.
    void setEditor(AEffEditor* e);

protected:
    // One call of the host; 0 and nothing sent without a host.
    VstIntPtr host(int32_t opcode, int32_t index = 0, VstIntPtr value = 0, void* ptr = nullptr, float opt = 0.0f);
    // The same, reduced to 1 or 0.
    bool hostBool(int32_t opcode, int32_t index = 0, VstIntPtr value = 0, void* ptr = nullptr) {
        return host(opcode, index, value, ptr) != 0;
    }
    void setFlag(int32_t flag, bool state);

    VstHostCallback hostCallback;
    AEffEditor* editor = nullptr;
    float sampleRate = 44100.0f;
    int32_t blockSize = 1024;
    int32_t numPrograms;
    int32_t numParams;
    int32_t curProgram = 0;
    AEffect record;
};
