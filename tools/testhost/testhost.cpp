// A small plug-in host: loads the product with LoadLibrary (as hosts do, so none of its start-up runs),
// calls its entry with our callback and drives the record through every road a host takes, the editor
// in a real window included. Exit status 0 when every check held.
//   testhost KIRN.exe [--as-dll] [--render FILE | --against FILE]
//     --as-dll          load a copy named KIRN-copy.dll instead
//     --render FILE     write the output of the fixed processing programme to FILE
//     --against FILE    compare that output with FILE (written by another build), bit for bit
#include <windows.h>
#include <cmath>
#include <string>
#include <vector>
#include "Check.h"
#include "Editor.h"
#include "Plugin.h"
#include "Render.h"
#include "Response.h"

namespace {

struct HostLog {
    VstIntPtr sizedWidth = 0, sizedHeight = 0;
    int automated = 0;
} hostLog;

VstIntPtr KW_CDECL hostCallback(AEffect*, int32_t opcode, int32_t index, VstIntPtr value, void*, float) {
    switch (opcode) {
    case audioMasterVersion: return 2400;
    case audioMasterSizeWindow:
        hostLog.sizedWidth = index;
        hostLog.sizedHeight = value;
        return 1;
    case audioMasterAutomate: hostLog.automated++; return 0;
    default: return 0;
    }
}

VstPluginEntry entryNamed(HMODULE module, const char* name) {
    return reinterpret_cast<VstPluginEntry>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

bool load(Plugin& plugin, const char* path, bool asDll) {
    std::string name = path;
    if (asDll) {
        name = name.substr(0, name.find_last_of("/\\") + 1) + "KIRN-copy.dll";
        CHECK(CopyFileA(path, name.c_str(), FALSE));
    }
    plugin.module = LoadLibraryA(name.c_str());
    CHECK(plugin.module != nullptr);
    if (!plugin.module) return false;
    VstPluginEntry entry = entryNamed(plugin.module, "VSTPluginMain");
    for (const char* alias : {"main", "MAIN"})
        CHECK(entryNamed(plugin.module, alias) == entry);
    CHECK(GetProcAddress(plugin.module, "_MAIN") != nullptr);
    CHECK(entry != nullptr);
    if (!entry) return false;
    plugin.effect = entry(hostCallback);
    CHECK(plugin.effect != nullptr);
    return plugin.effect != nullptr;
}

void checkRecord(Plugin& p) {
    AEffect& e = *p.effect;
    CHECK(std::memcmp(&e.magic, "PtsV", 4) == 0);
    CHECK(e.numPrograms == 1 && e.numParams == 2 && e.numInputs == 1 && e.numOutputs == 2);
    CHECK(e.flags == (effFlagsHasEditor | effFlagsCanReplacing));
    CHECK(std::memcmp(&e.uniqueID, "e44x", 4) == 0);
    CHECK(e.version == 1 && e.ioRatio == 1.0f);
    CHECK(hostLog.sizedWidth == 200 && hostLog.sizedHeight == 236);
    CHECK(p.call(effIdentify) == 0x4E764566);
    CHECK(p.call(effGetVstVersion) == 2400);
    CHECK(p.call(effGetPlugCategory) == 1);
    CHECK(p.call(effGetVendorVersion) == 1000);
    CHECK(p.call(effCanDo, 0, 0, (void*)"receiveVstMidiEvent") == 0);
}

void checkTexts(Plugin& p) {
    CHECK_TEXT(p.text(effGetEffectName).c_str(), "3-rd order Butterworth low-pass");
    CHECK_TEXT(p.text(effGetVendorString).c_str(), "www.tembrix.example");
    CHECK_TEXT(p.text(effGetProductString).c_str(), "www.tembrix.example 3-rd order Butterworth low-pass");
    CHECK_TEXT(p.text(effGetProgramName).c_str(), "Default program");
    CHECK_TEXT(p.text(effGetParamName, 0).c_str(), "State");
    CHECK_TEXT(p.text(effGetParamName, 1).c_str(), "Freque");
    CHECK_TEXT(p.text(effGetParamLabel, 0).c_str(), "On/Off");
    CHECK_TEXT(p.text(effGetParamLabel, 1).c_str(), "Hz");
    CHECK_TEXT(p.text(effGetParamDisplay, 0).c_str(), "On");
    CHECK_TEXT(p.text(effGetParamDisplay, 1).c_str(), "1500.0");
    CHECK_TEXT(p.text(effGetParamName, 7).c_str(), "");
}

void checkParameters(Plugin& p) {
    AEffect& e = *p.effect;
    CHECK(std::fabs(e.getParameter(&e, 1) - 0.14829659f) < 1e-6f);
    CHECK(e.getParameter(&e, 0) == 1.0f);
    e.setParameter(&e, 0, 0.5f);
    CHECK(e.getParameter(&e, 0) == 0.0f);
    CHECK_TEXT(p.text(effGetParamDisplay, 0).c_str(), "Off");
    e.setParameter(&e, 0, 1.0f);
    CHECK(e.getParameter(&e, 0) == 1.0f);
    e.setParameter(&e, 1, 1.0f);
    CHECK_TEXT(p.text(effGetParamDisplay, 1).c_str(), "10000.");
    e.setParameter(&e, 1, 0.0f);
    CHECK_TEXT(p.text(effGetParamDisplay, 1).c_str(), "20.000");
    e.setParameter(&e, 1, 0.14829659f);
    e.setParameter(&e, 9, 0.3f);  // no such parameter: ignored
    CHECK(e.getParameter(&e, 9) == 0.0f);
}

// Every block length a host may pass, with input no audio should contain; outputs stay finite, within
// the fixed-point range, and the same on both channels.
void checkProcessing(Plugin& p) {
    const float odd[] = {NAN, INFINITY, -INFINITY, 1e30f, -1e30f, 1.5f, -3.0f, 0.25f};
    for (int32_t frames : {1, 512, 1200, 8192, 0, 100000}) {
        std::vector<float> in(size_t(frames) + 1), left(in.size(), 7.0f), right(in.size(), 7.0f);
        for (int32_t i = 0; i < frames; i++) in[i] = i % 3 ? odd[i % 8] : float(std::sin(i * 0.1));
        p.process(in.data(), left.data(), right.data(), frames);
        bool sound = true;
        for (int32_t i = 0; i < frames; i++)
            sound = sound && std::isfinite(left[i]) && std::fabs(left[i]) <= 2.0f && left[i] == right[i];
        CHECK(sound);
        CHECK(left[frames] == 7.0f && right[frames] == 7.0f);  // nothing written past the block
    }
}

// The measured response against the analog third-order Butterworth low-pass at the cutoff in force.
void checkResponse(Plugin& p) {
    for (double rate : {44100.0, 48000.0, 96000.0}) {
        p.call(effSetSampleRate, 0, 0, nullptr, float(rate));
        p.call(effOpen);
        const double fc = 239.47897338867188;  // the cutoff of the knob value 1500
        p.effect->setParameter(p.effect, 1, (1500.0f - 20.0f) / 9980.0f);
        for (double ratio : {0.25, 0.5, 1.0, 2.0, 4.0, 8.0}) {
            const double f = fc * ratio;
            const double gain = measureGain(p, rate, f);
            const double ideal = -10 * std::log10(1 + std::pow(ratio, 6));
            std::printf("response %6.0f Hz: %8.2f Hz  %7.2f dB  (analog %7.2f dB)\n", rate, f, gain, ideal);
            // Up to twice the cutoff it follows the analog curve; further out the cancellation between the
            // two nodes (their cutoffs differ by the low-pass's integer truncation) leaves a floor near -35 dB.
            CHECK(ratio <= 2 ? std::fabs(gain - ideal) < 0.5 : gain < -30.0);
        }
    }
}

// Time per sample through the real entry, in blocks of 512 (printed for the record).
void measureSpeed(Plugin& p) {
    std::vector<float> in(512), left(512), right(512);
    for (size_t i = 0; i < in.size(); i++) in[i] = float(std::sin(double(i) * 0.05)) * 0.5f;
    LARGE_INTEGER f, t0, t1;
    QueryPerformanceFrequency(&f);
    const int blocks = 20000;
    QueryPerformanceCounter(&t0);
    for (int b = 0; b < blocks; b++) p.process(in.data(), left.data(), right.data(), 512);
    QueryPerformanceCounter(&t1);
    const double ns = double(t1.QuadPart - t0.QuadPart) * 1e9 / double(f.QuadPart) / (blocks * 512.0);
    std::printf("processReplacing: %.2f ns per sample\n", ns);
}

}  // namespace

int main(int argc, char** argv) {
    bool asDll = false, understood = argc >= 2;
    const char *renderTo = nullptr, *against = nullptr;
    for (int i = 2; i < argc; i++) {
        const std::string arg = argv[i];
        if (arg == "--as-dll")
            asDll = true;
        else if (arg == "--render" && i + 1 < argc)
            renderTo = argv[++i];
        else if (arg == "--against" && i + 1 < argc)
            against = argv[++i];
        else
            understood = false;
    }
    if (!understood) {
        std::printf("usage: testhost KIRN.exe [--as-dll] [--render FILE | --against FILE]\n");
        return 2;
    }
    Plugin p;
    if (!load(p, argv[1], asDll)) return 1;
    checkRecord(p);
    p.call(effOpen);
    p.call(effSetBlockSize, 0, 512);
    if (renderTo || against) {
        // First, while every setting is still the effect's own.
        const std::vector<float> output = render(p);
        if (renderTo) CHECK(writeRender(output, renderTo));
        if (against) CHECK(sameRender(output, against));
    }
    p.call(effSetSampleRate, 0, 0, nullptr, 44100.0f);
    p.call(effMainsChanged, 0, 1);
    checkTexts(p);
    checkParameters(p);
    checkProcessing(p);
    checkEditor(p);
    checkEditorCycles(p, 24);
    checkResponse(p);
    measureSpeed(p);
    p.call(effMainsChanged, 0, 0);
    CHECK(p.call(effClose) == 1);
    FreeLibrary(p.module);
    std::printf("%d failure(s)\n", failures);
    return failures ? 1 : 0;
}
