#include <gtest/gtest.h>
#include <cmath>
#include <cstring>
#include <functional>
#include <string>
#include "vst/Probe_effect.h"

namespace {

VstIntPtr dispatch(AudioEffect& fx, int32_t opcode, int32_t index = 0, VstIntPtr value = 0, void* ptr = nullptr,
                   float opt = 0.0f) {
    AEffect* e = fx.getAeffect();
    return e->dispatcher(e, opcode, index, value, ptr, opt);
}

TEST(AudioEffect, FreshRecord) {
    ProbeEffect fx;
    const AEffect& e = *fx.getAeffect();
    EXPECT_EQ(0, std::memcmp(&e.magic, "PtsV", 4));
    EXPECT_EQ(1, e.numInputs);
    EXPECT_EQ(2, e.numOutputs);
    EXPECT_EQ(1, e.numPrograms);
    EXPECT_EQ(2, e.numParams);
    EXPECT_EQ(0x10, e.flags);
    EXPECT_EQ(1.0f, e.ioRatio);
    EXPECT_EQ(1, e.version);
    EXPECT_EQ(0x4E6F4566, e.uniqueID);
    EXPECT_EQ(&fx, e.object);
    for (char c : e.future) EXPECT_EQ(0, c);
    EXPECT_EQ(0, e.resvd1);
    EXPECT_EQ(nullptr, e.user);
}

TEST(AudioEffect, EntriesReachTheObject) {
    ProbeEffect fx;
    AEffect* e = fx.getAeffect();
    e->processReplacing(e, nullptr, nullptr, 0);
    EXPECT_EQ(0x4E764566, dispatch(fx, effIdentify, 7, 9, &fx, 1.5f));
    dispatch(fx, effMainsChanged, 0, 5);
    dispatch(fx, effMainsChanged, 0, 0);
    EXPECT_EQ((std::vector<const char*>{"processReplacing", "resume", "suspend"}), fx.log);
    dispatch(fx, effSetSampleRate, 0, 0, nullptr, 96000.0f);
    dispatch(fx, effSetBlockSize, 0, 333);
    EXPECT_EQ(96000.0f, fx.getSampleRate());
    EXPECT_EQ(333, fx.getBlockSize());
}

TEST(AudioEffect, ProgramBoundIsSigned) {
    ProbeEffect fx;
    dispatch(fx, effSetProgram, 0, 1);  // equal to numPrograms
    EXPECT_EQ(-99, fx.program);
    dispatch(fx, effSetProgram, 0, -3);
    EXPECT_EQ(-3, fx.program);
    dispatch(fx, effSetProgram, 0, 0);
    EXPECT_EQ(0, fx.program);
}

TEST(AudioEffect, CloseThroughTheRecordDeletes) {
    auto* fx = new ProbeEffect;
    ProbeEffect::destroyed = 0;
    AEffect* e = fx->getAeffect();
    EXPECT_EQ(1, e->dispatcher(e, effClose, 0, 0, nullptr, 0.0f));
    EXPECT_EQ(1, ProbeEffect::destroyed);
}

TEST(AudioEffect, RetiredAndUnknownOpcodesDoNothing) {
    ProbeEffect fx;
    for (int32_t op : {9, 16, 17, 18, 20, 21, 28, 30, 31, 32, 36, 37, 43, 46, 53, 54, 55, 57, 80, 1000, -1, -100}) {
        char buffer[8] = "x";
        EXPECT_EQ(0, dispatch(fx, op, 1, 1, buffer, 1.0f)) << op;
        EXPECT_STREQ("x", buffer) << op;
    }
    EXPECT_TRUE(fx.log.empty());
}

TEST(AudioEffect, PointerOpcodesWithoutPointerAnswerZero) {
    ProbeEffect fx;
    fx.setEditor(new ProbeEditor(&fx));
    for (int32_t op : {effSetProgramName, effGetProgramName, effGetParamLabel, effGetParamDisplay, effGetParamName,
                       effEditGetRect, effGetChunk, effString2Parameter, effGetProgramNameIndexed, effGetEffectName,
                       effGetVendorString, effGetProductString, effCanDo, effShellGetNextPlugin,
                       effGetSpeakerArrangement})
        EXPECT_EQ(0, dispatch(fx, op)) << op;
}

TEST(AudioEffect, EditorOpcodes) {
    ProbeEffect fx;
    EXPECT_EQ(0, dispatch(fx, effEditKeyDown, 65, 0x1FF, nullptr, 3.9f));  // no editor yet
    auto* editor = new ProbeEditor(&fx);
    fx.setEditor(editor);
    EXPECT_EQ(0x11, fx.getAeffect()->flags);
    EXPECT_EQ(1, dispatch(fx, effEditKeyDown, 65, 0x1FF, nullptr, 3.9f));
    EXPECT_EQ(65, editor->key.character);
    EXPECT_EQ(0xFF, editor->key.virt);
    EXPECT_EQ(3, editor->key.modifier);
    EXPECT_EQ(1, dispatch(fx, effEditKeyDown, 66, 1, nullptr, NAN));
    EXPECT_EQ(0, editor->key.modifier);
    ERect* rect = reinterpret_cast<ERect*>(&fx);
    EXPECT_EQ(0, dispatch(fx, effEditGetRect, 0, 0, &rect));
    EXPECT_EQ(nullptr, rect);
    int window = 0;
    EXPECT_EQ(0, dispatch(fx, effEditOpen, 0, 0, &window));
    EXPECT_TRUE(editor->isOpen());
    dispatch(fx, effEditClose);
    EXPECT_FALSE(editor->isOpen());
    fx.setEditor(nullptr);
    EXPECT_EQ(0x10, fx.getAeffect()->flags);
    delete editor;
}

TEST(AudioEffect, DefaultAnswers) {
    ProbeEffect fx;
    char text[] = "receiveVstMidiEvent";
    EXPECT_EQ(0, dispatch(fx, effCanDo, 0, 0, text));
    EXPECT_EQ(2400, dispatch(fx, effGetVstVersion));
    EXPECT_EQ(1, dispatch(fx, effCanBeAutomated, 1));
    EXPECT_EQ(12345, dispatch(fx, effSetTotalSampleToProcess, 0, 12345));
    EXPECT_EQ(0, dispatch(fx, effGetPlugCategory));
    fx.isSynth(true);
    EXPECT_EQ(2, dispatch(fx, effGetPlugCategory));
    EXPECT_EQ(-1, dispatch(fx, effGetCurrentMidiProgram));
    VstSpeakerArrangement dummy{};
    VstSpeakerArrangement *in = &dummy, *out = &dummy;
    EXPECT_EQ(0, dispatch(fx, effGetSpeakerArrangement, 0, reinterpret_cast<VstIntPtr>(&in), &out));
    EXPECT_EQ(nullptr, in);
    EXPECT_EQ(nullptr, out);
}

struct HostCase {
    const char* what;
    std::function<VstIntPtr(ProbeEffect&)> call;
    HostCall sent;
    VstIntPtr result;  // with the host answering 5
};

TEST(AudioEffect, HostCalls) {
    static char text[] = "t";
    const HostCase cases[] = {
        {"automate", [](ProbeEffect& f) { f.setParameterAutomated(3, 0.25f); return VstIntPtr(0); },
         {audioMasterAutomate, 3, 0, nullptr, 0.25f}, 0},
        {"version", [](ProbeEffect& f) { return VstIntPtr(f.hostVersion()); }, {audioMasterVersion, 0, 0, nullptr, 0}, 5},
        {"pin in", [](ProbeEffect& f) { return VstIntPtr(f.isInputConnected(1)); },
         {audioMasterPinConnected, 1, 0, nullptr, 0}, 0},
        {"pin out", [](ProbeEffect& f) { return VstIntPtr(f.isOutputConnected(1)); },
         {audioMasterPinConnected, 1, 1, nullptr, 0}, 0},
        {"size", [](ProbeEffect& f) { return VstIntPtr(f.hostSizeWindow(200, 236)); },
         {audioMasterSizeWindow, 200, 236, nullptr, 0}, 1},
        {"offline read", [](ProbeEffect& f) { return VstIntPtr(f.hostOfflineRead(text, 4, true)); },
         {audioMasterOfflineRead, 1, 4, text, 0}, 1},
        {"offline start", [](ProbeEffect& f) { return VstIntPtr(f.hostOfflineStart(text, 2, 3)); },
         {audioMasterOfflineStart, 3, 2, text, 0}, 1},
        {"vendor specific", [](ProbeEffect& f) { return f.hostVendorSpecific(1, 2, text, 0.5f); },
         {audioMasterVendorSpecific, 1, 2, text, 0.5f}, 5},
        {"sample rate", [](ProbeEffect& f) { return VstIntPtr(f.updateSampleRate()); },
         {audioMasterGetSampleRate, 0, 0, nullptr, 0}, 5},
        {"can do", [](ProbeEffect& f) { return VstIntPtr(f.hostCanDo(text)); }, {audioMasterCanDo, 0, 0, text, 0}, 1},
        {"begin edit", [](ProbeEffect& f) { return VstIntPtr(f.hostBeginEdit(1)); }, {audioMasterBeginEdit, 1, 0, nullptr, 0}, 1},
        {"output rate", [](ProbeEffect& f) { f.hostSetOutputSampleRate(22050.0f); return VstIntPtr(0); },
         {audioMasterSetOutputSampleRate, 0, 0, nullptr, 22050.0f}, 0},
    };
    for (const HostCase& c : cases) {
        ProbeEffect fx(Host::callback);
        Host::calls.clear();
        Host::answer = 5;
        EXPECT_EQ(c.result, c.call(fx)) << c.what;
        ASSERT_EQ(1u, Host::calls.size()) << c.what;
        const HostCall& got = Host::calls[0];
        EXPECT_EQ(c.sent.opcode, got.opcode) << c.what;
        EXPECT_EQ(c.sent.index, got.index) << c.what;
        EXPECT_EQ(c.sent.value, got.value) << c.what;
        EXPECT_EQ(c.sent.ptr, got.ptr) << c.what;
        EXPECT_EQ(c.sent.opt, got.opt) << c.what;
    }
}

TEST(AudioEffect, HostCallsWithoutAnswerOrHost) {
    ProbeEffect fx(Host::callback);
    Host::calls.clear();
    Host::answer = 0;
    EXPECT_EQ(1, fx.hostVersion());
    EXPECT_TRUE(fx.isInputConnected(0));
    EXPECT_EQ(44100.0f, fx.updateSampleRate());
    EXPECT_FALSE(fx.hostOpenFileSelector(nullptr));
    EXPECT_EQ(3u, Host::calls.size());  // the selector call was not sent
    ProbeEffect alone;
    EXPECT_EQ(1, alone.hostVersion());
    EXPECT_EQ(0, alone.host(audioMasterCurrentId));
    EXPECT_EQ(1024, alone.updateBlockSize());
}

TEST(AudioEffect, Arrangements) {
    ProbeEffect fx;
    VstSpeakerArrangement* from = nullptr;
    ASSERT_TRUE(fx.allocateArrangement(&from, 3));
    EXPECT_EQ(3, from->numChannels);
    from->type = 7;
    std::memset(from->speakers[2].name, 'n', sizeof from->speakers[2].name);  // unterminated
    from->speakers[2].azimuth = 0.5f;
    from->speakers[2].future[27] = 9;
    VstSpeakerArrangement* to = nullptr;
    ASSERT_TRUE(fx.matchArrangement(&to, from));
    EXPECT_EQ(7, to->type);
    EXPECT_EQ(3, to->numChannels);
    EXPECT_EQ(63u, std::strlen(to->speakers[2].name));
    EXPECT_EQ(0.5f, to->speakers[2].azimuth);
    EXPECT_EQ(9, to->speakers[2].future[27]);
    EXPECT_FALSE(fx.matchArrangement(&to, nullptr));
    EXPECT_FALSE(fx.copySpeaker(nullptr, &from->speakers[0]));
    EXPECT_TRUE(fx.deallocateArrangement(&from));
    EXPECT_EQ(nullptr, from);
    EXPECT_TRUE(fx.deallocateArrangement(&to));
}

}  // namespace
