#include "Editor.h"
#include <cstdio>
#include <vector>
#include "Check.h"
#include "Screenshot.h"

namespace {

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

// A top-level window of the host's for the editor.
HWND hostWindow(const char* title, DWORD style) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "KIRNTESTHOST";
    RegisterClassA(&wc);  // fails harmlessly when it is registered already
    return CreateWindowA(wc.lpszClassName, title, style | WS_VISIBLE, 120, 90, 400, 400, nullptr, nullptr,
                         wc.hInstance, nullptr);
}

// Lets the editor paint: the messages of a few frames.
void settle() {
    for (int i = 0; i < 10; i++) {
        pump();
        Sleep(20);
    }
}

}  // namespace

void checkEditor(Plugin& p) {
    ERect* rect = nullptr;
    CHECK(p.call(effEditGetRect, 0, 0, &rect) == 1);
    CHECK(rect && rect->top == 0 && rect->left == 0 && rect->bottom == 236 && rect->right == 200);
    HWND parent = hostWindow("KIRN test host", WS_OVERLAPPEDWINDOW);
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

void checkEditorCycles(Plugin& p, int cycles) {
    AEffect& e = *p.effect;
    const float before = e.getParameter(&e, 1);
    SetCursorPos(0, 0);  // a pointer resting over the editor would light a widget
    HWND parent = hostWindow("KIRN test host: cycles", WS_POPUP);
    CHECK(parent != nullptr);
    const float settings[] = {0.14829659f, 0.8f};
    std::vector<uint8_t> first[2];
    int differing = 0, leftOpen = 0, failedOpen = 0;
    for (int cycle = 0; cycle < cycles; cycle++) {
        e.setParameter(&e, 1, settings[cycle % 2]);
        if (p.call(effEditOpen, 0, 0, parent) != 1) failedOpen++;
        settle();
        HWND child = GetWindow(parent, GW_CHILD);
        std::vector<uint8_t> shown = child ? screenshot(child, 200, 236) : std::vector<uint8_t>();
        if (cycle < 2)
            first[cycle] = shown;
        else if (shown != first[cycle % 2])
            differing++;
        p.call(effEditClose);
        pump();
        if (GetWindow(parent, GW_CHILD)) leftOpen++;
    }
    std::printf("editor: %d cycles, %d failed to open, %d showed another picture, %d left a window\n", cycles,
                failedOpen, differing, leftOpen);
    CHECK(failedOpen == 0 && differing == 0 && leftOpen == 0);
    CHECK(!first[0].empty() && first[0] != first[1]);  // the knob and its label follow the parameter
    DestroyWindow(parent);
    e.setParameter(&e, 1, before);
}
