// The effect object with the extended interface: answers dispatcher opcodes 25 to 79 and wraps the
// extended host calls. Everything here that a concrete effect does not override answers 0, false or none.
#pragma once
#include "vst/AudioEffect.h"

class AudioEffectX : public AudioEffect {
public:
    using AudioEffect::AudioEffect;

    VstIntPtr dispatcher(int32_t opcode, int32_t index, VstIntPtr value, void* ptr, float opt) override;
    void resume() override;

    virtual bool canBeAutomated(int32_t) { return true; }
    virtual bool string2Parameter(int32_t, char*) { return false; }
    virtual bool getParameterProperties(int32_t, void*) { return false; }
    virtual bool hostBeginEdit(int32_t index) { return hostBool(audioMasterBeginEdit, index); }
    virtual bool hostEndEdit(int32_t index) { return hostBool(audioMasterEndEdit, index); }
    virtual bool getProgramNameIndexed(int32_t, int32_t, char*) { return false; }
    virtual bool beginSetProgram() { return false; }
    virtual bool endSetProgram() { return false; }
    virtual int32_t beginLoadBank(void*) { return 0; }
    virtual int32_t beginLoadProgram(void*) { return 0; }
    virtual bool hostIOChanged() { return hostBool(audioMasterIOChanged); }
    virtual float updateSampleRate();
    virtual int32_t updateBlockSize();
    virtual int32_t hostGetInputLatency() { return int32_t(host(audioMasterGetInputLatency)); }
    virtual int32_t hostGetOutputLatency() { return int32_t(host(audioMasterGetOutputLatency)); }
    virtual bool getInputProperties(int32_t, void*) { return false; }
    virtual bool getOutputProperties(int32_t, void*) { return false; }
    virtual bool setSpeakerArrangement(VstSpeakerArrangement*, VstSpeakerArrangement*) { return false; }
    virtual bool getSpeakerArrangement(VstSpeakerArrangement** in, VstSpeakerArrangement** out);
    virtual bool setBypass(bool) { return false; }
    virtual bool setPanLaw(int32_t, float) { return false; }
    virtual bool setProcessPrecision(int32_t) { return false; }
    virtual int32_t getNumMidiInputChannels() { return 0; }
    virtual int32_t getNumMidiOutputChannels() { return 0; }
    virtual void* hostGetTime(int32_t filter) { return (void*)host(audioMasterGetTime, 0, filter); }
    virtual int32_t hostGetCurrentProcessLevel() { return int32_t(host(audioMasterGetCurrentProcessLevel)); }
    virtual int32_t hostGetAutomationState() { return int32_t(host(audioMasterGetAutomationState)); }
    virtual int32_t processEvents(void*) { return 0; }
    virtual int32_t startProcess() { return 0; }
    virtual int32_t stopProcess() { return 0; }
    virtual bool processVarIo(void*) { return false; }
    virtual int32_t setTotalSampleToProcess(int32_t value) { return value; }
    virtual bool hostGetVendorString(char* text) { return hostBool(audioMasterGetVendorString, 0, 0, text); }
    virtual bool hostGetProductString(char* text) { return hostBool(audioMasterGetProductString, 0, 0, text); }
    virtual int32_t hostGetVendorVersion() { return int32_t(host(audioMasterGetVendorVersion)); }
    virtual VstIntPtr hostVendorSpecific(int32_t a, VstIntPtr b, void* p, float f) {
        return host(audioMasterVendorSpecific, a, b, p, f);
    }
    virtual bool hostCanDo(char* text) { return hostBool(audioMasterCanDo, 0, 0, text); }
    virtual int32_t hostGetLanguage() { return int32_t(host(audioMasterGetLanguage)); }
    virtual void isSynth(bool state) { setFlag(effFlagsIsSynth, state); }
    virtual void noTail(bool state) { setFlag(effFlagsNoSoundInStop, state); }
    virtual int32_t getTailSize() { return 0; }
    virtual void* hostGetDirectory() { return (void*)host(audioMasterGetDirectory); }
    virtual bool getEffectName(char*) { return false; }
    virtual bool getVendorString(char*) { return false; }
    virtual bool getProductString(char*) { return false; }
    virtual int32_t getVendorVersion() { return 0; }
    virtual VstIntPtr vendorSpecific(int32_t, VstIntPtr, void*, float) { return 0; }
    virtual int32_t canDo(char*) { return 0; }
    virtual int32_t getVstVersion() { return 2400; }
    virtual int32_t getPlugCategory() { return record.flags & effFlagsIsSynth ? 2 : 0; }
    virtual int32_t getMidiProgramName(int32_t, void*) { return 0; }
    virtual int32_t getCurrentMidiProgram(int32_t, void*) { return -1; }
    virtual int32_t getMidiProgramCategory(int32_t, void*) { return 0; }
    virtual bool hasMidiProgramsChanged(int32_t) { return false; }
    virtual bool getMidiKeyName(int32_t, void*) { return false; }
    virtual bool hostUpdateDisplay() { return hostBool(audioMasterUpdateDisplay); }
    virtual bool hostSizeWindow(int32_t width, int32_t height) {
        return hostBool(audioMasterSizeWindow, width, height);
    }
    virtual bool hostOpenFileSelector(void* selector) {
        return selector && hostBool(audioMasterOpenFileSelector, 0, 0, selector);
    }
    virtual bool hostCloseFileSelector(void* selector) {
        return selector && hostBool(audioMasterCloseFileSelector, 0, 0, selector);
    }
    virtual int32_t shellGetNextPlugin(char*) { return 0; }
    virtual bool allocateArrangement(VstSpeakerArrangement** arrangement, int32_t channels);
    virtual bool deallocateArrangement(VstSpeakerArrangement** arrangement);
    virtual bool copySpeaker(VstSpeakerProperties* to, VstSpeakerProperties* from);
    virtual bool matchArrangement(VstSpeakerArrangement** to, VstSpeakerArrangement* from);
    virtual bool hostOfflineRead(void* offline, int32_t option, bool readSource) {
        return hostBool(audioMasterOfflineRead, readSource, option, offline);
    }
    virtual bool hostOfflineWrite(void* offline, int32_t option) {
        return hostBool(audioMasterOfflineWrite, 0, option, offline);
    }
    virtual bool hostOfflineStart(void* files, int32_t count, int32_t newCount) {
        return hostBool(audioMasterOfflineStart, newCount, count, files);
    }
    virtual bool hostOfflineGetCurrentPass() { return hostBool(audioMasterOfflineGetCurrentPass); }
    virtual bool hostOfflineGetCurrentMetaPass() { return hostBool(audioMasterOfflineGetCurrentMetaPass); }
    virtual bool offlineNotify(void*, int32_t, bool) { return false; }
    virtual bool offlinePrepare(void*, int32_t) { return false; }
    virtual bool offlineRun(void*, int32_t) { return false; }
    virtual int32_t offlineGetNumPasses() { return 0; }
    virtual int32_t offlineGetNumMetaPasses() { return 0; }
    virtual void hostWantMidi(int32_t filter) { host(audioMasterWantMidi, 0, filter); }
    virtual int32_t hostTempoAt(int32_t position) { return int32_t(host(audioMasterTempoAt, 0, position)); }
    virtual int32_t hostGetNumAutomatableParameters() { return int32_t(host(audioMasterGetNumAutomatableParameters)); }
    virtual int32_t hostGetParameterQuantization() { return int32_t(host(audioMasterGetParameterQuantization)); }
    virtual int32_t getNumCategories() { return 1; }
    virtual bool copyProgram(int32_t) { return false; }
    virtual bool hostNeedIdle() { return hostBool(audioMasterNeedIdle); }
    virtual AEffect* hostGetPreviousPlug(int32_t) { return (AEffect*)host(audioMasterGetPreviousPlug); }
    virtual AEffect* hostGetNextPlug(int32_t) { return (AEffect*)host(audioMasterGetNextPlug); }
    virtual void inputConnected(int32_t, bool) {}
    virtual void outputConnected(int32_t, bool) {}
    virtual int32_t hostWillReplaceOrAccumulate() { return int32_t(host(audioMasterWillReplaceOrAccumulate)); }
    virtual void wantAsyncOperation(bool state) { setFlag(effFlagsExtIsAsync, state); }
    virtual void hasExternalBuffer(bool state) { setFlag(effFlagsExtHasBuffer, state); }
    virtual int32_t reportCurrentPosition() { return 0; }
    virtual float* reportDestinationBuffer() { return nullptr; }
    virtual void hostSetOutputSampleRate(float rate) { host(audioMasterSetOutputSampleRate, 0, 0, nullptr, rate); }
    virtual VstSpeakerArrangement* hostGetInputSpeakerArrangement() {
        return (VstSpeakerArrangement*)host(audioMasterGetInputSpeakerArrangement);
    }
    virtual VstSpeakerArrangement* hostGetOutputSpeakerArrangement() {
        return (VstSpeakerArrangement*)host(audioMasterGetOutputSpeakerArrangement);
    }
    virtual void* hostOpenWindow(void* window) { return (void*)host(audioMasterOpenWindow, 0, 0, window); }
    virtual bool hostCloseWindow(void* window) { return hostBool(audioMasterCloseWindow, 0, 0, window); }
    virtual void setBlockSizeAndSampleRate(int32_t size, float rate) {
        blockSize = size;
        sampleRate = rate;
    }
    virtual bool getErrorText(char*) { return false; }
    virtual void* getIcon() { return nullptr; }
    virtual bool setViewPosition(int32_t, int32_t) { return false; }
    virtual int32_t fxIdle();
    virtual bool keysRequired() { return false; }
    virtual bool hostGetChunkFile(void* path) { return path && hostBool(audioMasterGetChunkFile, 0, 0, path); }
};
