// A small plug-in host: loads the product with LoadLibrary (as hosts do, so none of its start-up runs),
// calls its entry with our callback and drives the record through every road a host takes, the editor
// in a real window included. Exit status 0 when every check held.
//   testhost KIRN.exe [--as-dll]     --as-dll: load a copy named KIRN-copy.dll instead
#include <windows.h>
#include <cmath>
#include <string>
#include <vector>
#include "Check.h"
#include "Plugin.h"
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

void pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
}

// Pointer input as the user gives it: the system's own input queue, at a point of the window w.
void pointer(HWND w, UINT message, int x, int y) {
    POINT at{x, y};
    ClientToScreen(w, &at);
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = LONG(at.x * 65535.0 / (GetSystemMetrics(SM_CXSCREEN) - 1) + 0.5);
    input.mi.dy = LONG(at.y * 65535.0 / (GetSystemMetrics(SM_CYSCREEN) - 1) + 0.5);
    input.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    if (message == WM_LBUTTONDOWN) input.mi.dwFlags |= MOUSEEVENTF_LEFTDOWN;
    if (message == WM_LBUTTONUP) input.mi.dwFlags |= MOUSEEVENTF_LEFTUP;
    SendInput(1, &input, sizeof input);
    for (int i = 0; i < 3; i++) {
        Sleep(5);
        pump();
    }
}

// The editor in a top-level window of our own: its size, the parent's placement, the knob and the button
// under the pointer, and closing.
void checkEditor(Plugin& p) {
    ERect* rect = nullptr;
    CHECK(p.call(effEditGetRect, 0, 0, &rect) == 1);
    CHECK(rect && rect->top == 0 && rect->left == 0 && rect->bottom == 236 && rect->right == 200);
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "KIRNTESTHOST";
    RegisterClassA(&wc);
    HWND parent = CreateWindowA("KIRNTESTHOST", "KIRN test host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 120, 90, 400, 400,
                                nullptr, nullptr, wc.hInstance, nullptr);
    CHECK(parent != nullptr);
    CHECK(p.call(effEditOpen, 0, 0, parent) == 1);
    pump();
    RECT placed;
    GetWindowRect(parent, &placed);
    CHECK(placed.left == 120 && placed.top == 90);
    CHECK(placed.right - placed.left == 200 && placed.bottom - placed.top == 236);
    HWND child = GetWindow(parent, GW_CHILD);
    CHECK(child != nullptr);
    if (child) {
        AEffect& e = *p.effect;
        const float before = e.getParameter(&e, 1);
        const int kx = 66 + 32, ky = 126 + 32;  // the knob's centre
        pointer(child, WM_MOUSEMOVE, kx, ky);
        pointer(child, WM_LBUTTONDOWN, kx, ky);
        for (int step = 1; step <= 30; step++) pointer(child, WM_MOUSEMOVE, kx, ky - step);
        pointer(child, WM_LBUTTONUP, kx, ky - 30);
        std::printf("knob turned: parameter %.6f -> %.6f (%s)\n", before, e.getParameter(&e, 1),
                    p.text(effGetParamDisplay, 1).c_str());
        CHECK(e.getParameter(&e, 1) != before);
        const int bx = 21 + 20, by = 67 + 12;  // the button's centre
        pointer(child, WM_MOUSEMOVE, bx, by);
        pointer(child, WM_LBUTTONDOWN, bx, by);
        pointer(child, WM_LBUTTONUP, bx, by);
        CHECK(e.getParameter(&e, 0) == 0.0f);
        e.setParameter(&e, 0, 1.0f);
    }
    p.call(effEditClose);
    pump();
    CHECK(GetWindow(parent, GW_CHILD) == nullptr);
    DestroyWindow(parent);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::printf("usage: testhost KIRN.exe [--as-dll]\n");
        return 2;
    }
    Plugin p;
    if (!load(p, argv[1], argc > 2 && std::string(argv[2]) == "--as-dll")) return 1;
    checkRecord(p);
    p.call(effOpen);
    p.call(effSetSampleRate, 0, 0, nullptr, 44100.0f);
    p.call(effSetBlockSize, 0, 512);
    p.call(effMainsChanged, 0, 1);
    checkTexts(p);
    checkParameters(p);
    checkProcessing(p);
    checkEditor(p);
    checkResponse(p);
    measureSpeed(p);
    p.call(effMainsChanged, 0, 0);
    CHECK(p.call(effClose) == 1);
    FreeLibrary(p.module);
    std::printf("%d failure(s)\n", failures);
    return failures ? 1 : 0;
}
