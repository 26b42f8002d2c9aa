// The plug-in record a VST 2.4 host drives, the function types that cross between host and effect,
// and the opcode and flag numbers of the interface.
#pragma once
#include <cstddef>
#include <cstdint>

// Every function that crosses the interface uses the C calling convention of 32-bit x86.
#if defined(_WIN32) && defined(__i386__)
#define KW_CDECL __cdecl
#else
#define KW_CDECL
#endif

typedef intptr_t VstIntPtr;
struct AEffect;

typedef VstIntPtr(KW_CDECL* VstHostCallback)(AEffect* effect, int32_t opcode, int32_t index, VstIntPtr value,
                                             void* ptr, float opt);
typedef VstIntPtr(KW_CDECL* VstDispatchEntry)(AEffect* effect, int32_t opcode, int32_t index, VstIntPtr value,
                                              void* ptr, float opt);
typedef void(KW_CDECL* VstProcessEntry)(AEffect* effect, float** inputs, float** outputs, int32_t frames);
typedef void(KW_CDECL* VstProcessDoubleEntry)(AEffect* effect, double** inputs, double** outputs, int32_t frames);
typedef void(KW_CDECL* VstSetParameterEntry)(AEffect* effect, int32_t index, float value);
typedef float(KW_CDECL* VstGetParameterEntry)(AEffect* effect, int32_t index);
typedef AEffect*(KW_CDECL* VstPluginEntry)(VstHostCallback host);

struct AEffect {
    int32_t magic;
    VstDispatchEntry dispatcher;
    VstProcessEntry process;
    VstSetParameterEntry setParameter;
    VstGetParameterEntry getParameter;
    int32_t numPrograms;
    int32_t numParams;
    int32_t numInputs;
    int32_t numOutputs;
    int32_t flags;
    VstIntPtr resvd1;
    VstIntPtr resvd2;
    int32_t initialDelay;
    int32_t realQualities;
    int32_t offQualities;
    float ioRatio;
    void* object;
    void* user;
    int32_t uniqueID;
    int32_t version;
    VstProcessEntry processReplacing;
    VstProcessDoubleEntry processDoubleReplacing;
    char future[56];
};

// Every host was built against this exact layout: 144 bytes on 32-bit x86, pointer-sized fields on 64-bit.
#define KW_AT(field, at32, at64) \
    static_assert(offsetof(AEffect, field) == (sizeof(void*) == 4 ? (at32) : (at64)), "AEffect." #field)
KW_AT(magic, 0, 0);
KW_AT(dispatcher, 4, 8);
KW_AT(process, 8, 16);
KW_AT(setParameter, 12, 24);
KW_AT(getParameter, 16, 32);
KW_AT(numPrograms, 20, 40);
KW_AT(numParams, 24, 44);
KW_AT(numInputs, 28, 48);
KW_AT(numOutputs, 32, 52);
KW_AT(flags, 36, 56);
KW_AT(resvd1, 40, 64);
KW_AT(resvd2, 44, 72);
KW_AT(initialDelay, 48, 80);
KW_AT(realQualities, 52, 84);
KW_AT(offQualities, 56, 88);
KW_AT(ioRatio, 60, 92);
KW_AT(object, 64, 96);
KW_AT(user, 68, 104);
KW_AT(uniqueID, 72, 112);
KW_AT(version, 76, 116);
KW_AT(processReplacing, 80, 120);
KW_AT(processDoubleReplacing, 84, 128);
KW_AT(future, 88, 136);
#undef KW_AT
static_assert(sizeof(AEffect) == (sizeof(void*) == 4 ? 144 : 192), "AEffect size");

constexpr int32_t kVstMagic = 0x56737450;  // 'VstP': the bytes "PtsV" in memory

enum VstFlag : int32_t {
    effFlagsHasEditor = 0x1,
    effFlagsHasClip = 0x2,
    effFlagsHasVu = 0x4,
    effFlagsCanMono = 0x8,
    effFlagsCanReplacing = 0x10,
    effFlagsProgramChunks = 0x20,
    effFlagsIsSynth = 0x100,
    effFlagsNoSoundInStop = 0x200,
    effFlagsExtIsAsync = 0x400,
    effFlagsExtHasBuffer = 0x800,
    effFlagsCanDoubleReplacing = 0x1000,
};

// Opcodes of the effect's dispatcher; the gaps are the interface's retired numbers.
enum VstOpcode : int32_t {
    effOpen = 0, effClose, effSetProgram, effGetProgram, effSetProgramName, effGetProgramName,
    effGetParamLabel, effGetParamDisplay, effGetParamName,
    effSetSampleRate = 10, effSetBlockSize, effMainsChanged, effEditGetRect, effEditOpen, effEditClose,
    effEditIdle = 19,
    effIdentify = 22, effGetChunk, effSetChunk, effProcessEvents, effCanBeAutomated, effString2Parameter,
    effGetProgramNameIndexed = 29,
    effGetInputProperties = 33, effGetOutputProperties, effGetPlugCategory,
    effOfflineNotify = 38, effOfflinePrepare, effOfflineRun, effProcessVarIo, effSetSpeakerArrangement,
    effSetBypass = 44, effGetEffectName,
    effGetVendorString = 47, effGetProductString, effGetVendorVersion, effVendorSpecific, effCanDo,
    effGetTailSize,
    effGetParameterProperties = 56,
    effGetVstVersion = 58, effEditKeyDown, effEditKeyUp, effSetEditKnobMode, effGetMidiProgramName,
    effGetCurrentMidiProgram, effGetMidiProgramCategory, effHasMidiProgramsChanged, effGetMidiKeyName,
    effBeginSetProgram, effEndSetProgram, effGetSpeakerArrangement, effShellGetNextPlugin,
    effStartProcess, effStopProcess, effSetTotalSampleToProcess, effSetPanLaw, effBeginLoadBank,
    effBeginLoadProgram, effSetProcessPrecision, effGetNumMidiInputChannels, effGetNumMidiOutputChannels,
};

// Opcodes of the host callback.
enum VstHostOpcode : int32_t {
    audioMasterAutomate = 0, audioMasterVersion, audioMasterCurrentId, audioMasterIdle,
    audioMasterPinConnected,
    audioMasterWantMidi = 6, audioMasterGetTime,
    audioMasterTempoAt = 10, audioMasterGetNumAutomatableParameters, audioMasterGetParameterQuantization,
    audioMasterIOChanged, audioMasterNeedIdle, audioMasterSizeWindow, audioMasterGetSampleRate,
    audioMasterGetBlockSize, audioMasterGetInputLatency, audioMasterGetOutputLatency,
    audioMasterGetPreviousPlug, audioMasterGetNextPlug, audioMasterWillReplaceOrAccumulate,
    audioMasterGetCurrentProcessLevel, audioMasterGetAutomationState, audioMasterOfflineStart,
    audioMasterOfflineRead, audioMasterOfflineWrite, audioMasterOfflineGetCurrentPass,
    audioMasterOfflineGetCurrentMetaPass, audioMasterSetOutputSampleRate,
    audioMasterGetOutputSpeakerArrangement, audioMasterGetVendorString, audioMasterGetProductString,
    audioMasterGetVendorVersion, audioMasterVendorSpecific,
    audioMasterCanDo = 37, audioMasterGetLanguage, audioMasterOpenWindow, audioMasterCloseWindow,
    audioMasterGetDirectory, audioMasterUpdateDisplay, audioMasterBeginEdit, audioMasterEndEdit,
    audioMasterOpenFileSelector, audioMasterCloseFileSelector,
    audioMasterGetChunkFile = 48, audioMasterGetInputSpeakerArrangement,
};

// The editor's size as effEditGetRect hands it out.
struct ERect {
    int16_t top, left, bottom, right;
};

// A key as the editor's key operations receive it.
struct VstKeyCode {
    int32_t character;
    uint8_t virt;
    uint8_t modifier;
    uint8_t zero[2];
};
static_assert(sizeof(VstKeyCode) == 8);

struct VstSpeakerProperties {
    float azimuth, elevation, radius, reserved;
    char name[64];
    int32_t type;
    char future[28];
};
static_assert(sizeof(VstSpeakerProperties) == 112);

// type, numChannels, then numChannels speakers: 8 + 112 * n bytes.
struct VstSpeakerArrangement {
    int32_t type;
    int32_t numChannels;
    VstSpeakerProperties speakers[];
};
static_assert(sizeof(VstSpeakerArrangement) == 8);
