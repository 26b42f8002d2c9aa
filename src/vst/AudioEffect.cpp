#include "vst/AudioEffect.h"
#include <cstring>
#include <type_traits>
#include "vst/AEffEditor.h"

namespace {

AudioEffect* effectOf(AEffect* e) {
    return e ? static_cast<AudioEffect*>(e->object) : nullptr;
}

// effClose ends the object's life here, after its own close has run; the host must not use the record
// afterwards.
VstIntPtr KW_CDECL dispatchEntry(AEffect* e, int32_t opcode, int32_t index, VstIntPtr value, void* ptr, float opt) {
    AudioEffect* fx = effectOf(e);
    if (!fx) return 0;
    if (opcode == effClose) {
        fx->dispatcher(opcode, index, value, ptr, opt);
        delete fx;
        return 1;
    }
    return fx->dispatcher(opcode, index, value, ptr, opt);
}

void KW_CDECL processEntry(AEffect* e, float** inputs, float** outputs, int32_t frames) {
    if (AudioEffect* fx = effectOf(e)) fx->process(inputs, outputs, frames);
}

void KW_CDECL processReplacingEntry(AEffect* e, float** inputs, float** outputs, int32_t frames) {
    if (AudioEffect* fx = effectOf(e)) fx->processReplacing(inputs, outputs, frames);
}

void KW_CDECL processDoubleEntry(AEffect* e, double** inputs, double** outputs, int32_t frames) {
    if (AudioEffect* fx = effectOf(e)) fx->processDoubleReplacing(inputs, outputs, frames);
}

void KW_CDECL setParameterEntry(AEffect* e, int32_t index, float value) {
    if (AudioEffect* fx = effectOf(e)) fx->setParameter(index, value);
}

float KW_CDECL getParameterEntry(AEffect* e, int32_t index) {
    AudioEffect* fx = effectOf(e);
    return fx ? fx->getParameter(index) : 0.0f;
}

// The crossing functions must have exactly the host's function types, calling convention included.
static_assert(std::is_same_v<decltype(&dispatchEntry), VstDispatchEntry>);
static_assert(std::is_same_v<decltype(&processEntry), VstProcessEntry>);
static_assert(std::is_same_v<decltype(&processDoubleEntry), VstProcessDoubleEntry>);
static_assert(std::is_same_v<decltype(&setParameterEntry), VstSetParameterEntry>);
static_assert(std::is_same_v<decltype(&getParameterEntry), VstGetParameterEntry>);

}  // namespace

AudioEffect::AudioEffect(VstHostCallback callback, int32_t programs, int32_t params)
    : hostCallback(callback), numPrograms(programs), numParams(params) {
    std::memset(&record, 0, sizeof record);
    record.magic = kVstMagic;
    record.dispatcher = dispatchEntry;
    record.process = processEntry;
    record.setParameter = setParameterEntry;
    record.getParameter = getParameterEntry;
    record.numPrograms = programs;
    record.numParams = params;
    record.numInputs = 1;
    record.numOutputs = 2;
    record.ioRatio = 1.0f;
    record.object = this;
    record.uniqueID = 0x4E6F4566;  // 'NoEf' until the effect sets its own
    record.version = 1;
    record.processReplacing = processReplacingEntry;
    AudioEffect::canProcessReplacing(true);
    record.processDoubleReplacing = processDoubleEntry;
}

AudioEffect::~AudioEffect() {
    delete editor;
}

void AudioEffect::setEditor(AEffEditor* e) {
    editor = e;
    setFlag(effFlagsHasEditor, e != nullptr);
}

void AudioEffect::setFlag(int32_t flag, bool state) {
    if (state)
        record.flags |= flag;
    else
        record.flags &= ~flag;
}

VstIntPtr AudioEffect::host(int32_t opcode, int32_t index, VstIntPtr value, void* ptr, float opt) {
    return hostCallback ? hostCallback(&record, opcode, index, value, ptr, opt) : 0;
}

int32_t AudioEffect::hostVersion() {
    int32_t v = int32_t(host(audioMasterVersion));
    return v ? v : 1;
}

void AudioEffect::setParameterAutomated(int32_t index, float value) {
    setParameter(index, value);
    host(audioMasterAutomate, index, 0, nullptr, value);
}

int32_t AudioEffect::getChunk(void**, bool) {
    return 0;
}

int32_t AudioEffect::setChunk(void*, int32_t, bool) {
    return 0;
}

VstIntPtr AudioEffect::dispatcher(int32_t opcode, int32_t index, VstIntPtr value, void* ptr, float opt) {
    char* text = static_cast<char*>(ptr);
    // Opcodes that write through the host's pointer do nothing without one.
    switch (opcode) {
    case effSetProgramName: case effGetProgramName: case effGetParamLabel: case effGetParamDisplay:
    case effGetParamName: case effEditGetRect: case effGetChunk:
        if (!ptr) return 0;
    }
    switch (opcode) {
    case effOpen: open(); return 0;
    case effClose: close(); return 0;
    case effSetProgram:
        if (value < numPrograms) setProgram(int32_t(value));
        return 0;
    case effGetProgram: return getProgram();
    case effSetProgramName: setProgramName(text); return 0;
    case effGetProgramName: getProgramName(text); return 0;
    case effGetParamLabel: getParamLabel(index, text); return 0;
    case effGetParamDisplay: getParamDisplay(index, text); return 0;
    case effGetParamName: getParamName(index, text); return 0;
    case effSetSampleRate: setSampleRate(opt); return 0;
    case effSetBlockSize: setBlockSize(int32_t(value)); return 0;
    case effMainsChanged:
        if (value)
            resume();
        else
            suspend();
        return 0;
    case effEditGetRect: return editor && editor->getRect(static_cast<ERect**>(ptr)) ? 1 : 0;
    case effEditOpen: return editor && editor->open(ptr) ? 1 : 0;
    case effEditClose:
        if (editor) editor->close();
        return 0;
    case effEditIdle:
        if (editor) editor->idle();
        return 0;
    case effIdentify: return 0x4E764566;  // 'NvEf'
    case effGetChunk: return getChunk(static_cast<void**>(ptr), index != 0);
    case effSetChunk: return setChunk(ptr, int32_t(value), index != 0);
    default: return 0;
    }
}
