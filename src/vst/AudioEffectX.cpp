#include "vst/AudioEffectX.h"
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include "vst/AEffEditor.h"

namespace {

// A key as the editor receives it: character = index, virtual key = low byte of value,
// modifier = low byte of opt truncated (0 when opt is no representable number).
VstKeyCode keyCode(int32_t index, VstIntPtr value, float opt) {
    VstKeyCode key{};
    key.character = index;
    key.virt = uint8_t(value & 0xFF);
    key.modifier = std::fabs(opt) < 2147483648.0f ? uint8_t(int32_t(opt) & 0xFF) : 0;
    return key;
}

}  // namespace

VstIntPtr AudioEffectX::dispatcher(int32_t opcode, int32_t index, VstIntPtr value, void* ptr, float opt) {
    char* text = static_cast<char*>(ptr);
    // Opcodes that read or write through the host's pointer do nothing without one.
    switch (opcode) {
    case effString2Parameter: case effGetProgramNameIndexed: case effGetEffectName: case effGetVendorString:
    case effGetProductString: case effCanDo: case effShellGetNextPlugin:
        if (!ptr) return 0;
        break;
    case effGetSpeakerArrangement:
        if (!ptr || !value) return 0;
        break;
    }
    switch (opcode) {
    case effProcessEvents: return processEvents(ptr);
    case effCanBeAutomated: return canBeAutomated(index);
    case effString2Parameter: return string2Parameter(index, text);
    case effGetProgramNameIndexed: return getProgramNameIndexed(int32_t(value), index, text);
    case effGetInputProperties: return getInputProperties(index, ptr);
    case effGetOutputProperties: return getOutputProperties(index, ptr);
    case effGetPlugCategory: return getPlugCategory();
    case effOfflineNotify: return offlineNotify(ptr, int32_t(value), index != 0);
    case effOfflinePrepare: return offlinePrepare(ptr, int32_t(value));
    case effOfflineRun: return offlineRun(ptr, int32_t(value));
    case effProcessVarIo: return processVarIo(ptr);
    case effSetSpeakerArrangement:
        return setSpeakerArrangement(reinterpret_cast<VstSpeakerArrangement*>(value),
                                     static_cast<VstSpeakerArrangement*>(ptr));
    case effSetBypass: return setBypass(value != 0);
    case effGetEffectName: return getEffectName(text);
    case effGetVendorString: return getVendorString(text);
    case effGetProductString: return getProductString(text);
    case effGetVendorVersion: return getVendorVersion();
    case effVendorSpecific: return vendorSpecific(index, value, ptr, opt);
    case effCanDo: return canDo(text);
    case effGetTailSize: return getTailSize();
    case effGetParameterProperties: return getParameterProperties(index, ptr);
    case effGetVstVersion: return getVstVersion();
    case effEditKeyDown:
    case effEditKeyUp: {
        if (!editor) return 0;
        VstKeyCode key = keyCode(index, value, opt);
        return opcode == effEditKeyDown ? editor->keyDown(key) : editor->keyUp(key);
    }
    case effSetEditKnobMode: return editor && editor->setKnobMode(int32_t(value));
    case effGetMidiProgramName: return getMidiProgramName(index, ptr);
    case effGetCurrentMidiProgram: return getCurrentMidiProgram(index, ptr);
    case effGetMidiProgramCategory: return getMidiProgramCategory(index, ptr);
    case effHasMidiProgramsChanged: return hasMidiProgramsChanged(index);
    case effGetMidiKeyName: return getMidiKeyName(index, ptr);
    case effBeginSetProgram: return beginSetProgram();
    case effEndSetProgram: return endSetProgram();
    case effGetSpeakerArrangement:
        return getSpeakerArrangement(reinterpret_cast<VstSpeakerArrangement**>(value),
                                     static_cast<VstSpeakerArrangement**>(ptr));
    case effShellGetNextPlugin: return shellGetNextPlugin(text);
    case effStartProcess: return startProcess();
    case effStopProcess: return stopProcess();
    case effSetTotalSampleToProcess: return setTotalSampleToProcess(int32_t(value));
    case effSetPanLaw: return setPanLaw(int32_t(value), opt);
    case effBeginLoadBank: return beginLoadBank(ptr);
    case effBeginLoadProgram: return beginLoadProgram(ptr);
    case effSetProcessPrecision: return setProcessPrecision(int32_t(value));
    case effGetNumMidiInputChannels: return getNumMidiInputChannels();
    case effGetNumMidiOutputChannels: return getNumMidiOutputChannels();
    default: return AudioEffect::dispatcher(opcode, index, value, ptr, opt);
    }
}

void AudioEffectX::resume() {
    static char receivesMidi[] = "receiveVstMidiEvent";
    if ((record.flags & effFlagsIsSynth) || canDo(receivesMidi) == 1) hostWantMidi(1);
}

float AudioEffectX::updateSampleRate() {
    const VstIntPtr rate = host(audioMasterGetSampleRate);
    if (rate > 0) sampleRate = float(rate);
    return sampleRate;
}

int32_t AudioEffectX::updateBlockSize() {
    const VstIntPtr size = host(audioMasterGetBlockSize);
    if (size > 0) blockSize = int32_t(size);
    return blockSize;
}

bool AudioEffectX::getSpeakerArrangement(VstSpeakerArrangement** in, VstSpeakerArrangement** out) {
    *in = nullptr;
    *out = nullptr;
    return false;
}

bool AudioEffectX::allocateArrangement(VstSpeakerArrangement** arrangement, int32_t channels) {
    if (!arrangement || channels < 0) return false;
    std::free(*arrangement);
    *arrangement = static_cast<VstSpeakerArrangement*>(
        std::calloc(1, sizeof(VstSpeakerArrangement) + sizeof(VstSpeakerProperties) * size_t(channels)));
    if (!*arrangement) return false;
    (*arrangement)->numChannels = channels;
    return true;
}

bool AudioEffectX::deallocateArrangement(VstSpeakerArrangement** arrangement) {
    if (!arrangement) return false;
    std::free(*arrangement);
    *arrangement = nullptr;
    return true;
}

bool AudioEffectX::copySpeaker(VstSpeakerProperties* to, VstSpeakerProperties* from) {
    if (!to || !from) return false;
    std::strncpy(to->name, from->name, sizeof to->name - 1);
    to->name[sizeof to->name - 1] = 0;
    to->type = from->type;
    to->azimuth = from->azimuth;
    to->elevation = from->elevation;
    to->radius = from->radius;
    to->reserved = from->reserved;
    std::memcpy(to->future, from->future, sizeof to->future);
    return true;
}

bool AudioEffectX::matchArrangement(VstSpeakerArrangement** to, VstSpeakerArrangement* from) {
    if (!from || !allocateArrangement(to, from->numChannels)) return false;
    (*to)->type = from->type;
    for (int32_t i = 0; i < from->numChannels; i++)
        if (!copySpeaker(&(*to)->speakers[i], &from->speakers[i])) return false;
    return true;
}

int32_t AudioEffectX::fxIdle() {
    std::puts("*** fxIdle ***");
    return 0;
}
