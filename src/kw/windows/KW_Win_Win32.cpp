#include "windows/KW_Win_Win32.h"
#include <cstdio>
#include "core/KW_module_Win32.h"

namespace {

char className[32];
ATOM registered = 0;

// Registers the child windows' class once; a registration that failed is tried again next time.
void registerClass(WNDPROC handler) {
    if (registered) return;
    const HINSTANCE module = KW_module();
    std::snprintf(className, sizeof className, "KWFRAMEx%8.8X", unsigned(uintptr_t(module)));
    WNDCLASSA c{};
    c.lpfnWndProc = handler;
    c.hInstance = module;
    c.lpszClassName = className;
    registered = RegisterClassA(&c);
}

// The position word's halves, each sign-extended.
int32_t lowWord(LPARAM p) { return int16_t(uint16_t(p & 0xFFFF)); }
int32_t highWord(LPARAM p) { return int16_t(uint16_t((p >> 16) & 0xFFFF)); }

}  // namespace

KW_Win_Win32::KW_Win_Win32(int32_t w, int32_t h) : KW_Win(w, h), paintLock(CreateMutexA(nullptr, FALSE, nullptr)) {}

KW_Win_Win32::~KW_Win_Win32() {
    if (parent) hwnd(nullptr);
    if (paintLock) CloseHandle(paintLock);
}

HWND KW_Win_Win32::hwnd(HWND p) {
    registerClass(message);
    if (p == parent) return p;
    if (parent) {
        if (handle) {
            SetWindowLongPtrA(handle, GWLP_USERDATA, 0);
            DestroyWindow(handle);
        }
        handle = nullptr;
        tilePicture.dropSurface();
    }
    // The pointer's state belonged to the old child window.
    hovered = captured = nullptr;
    leaveArmed = false;
    parent = p;
    if (!p) return nullptr;
    handle = CreateWindowExA(0, className, "Window", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, 0, 0,
                             width, height, p, nullptr, KW_module(), nullptr);
    if (!handle) return p;
    SetWindowLongPtrA(handle, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    HDC screen = GetDC(handle);
    tilePicture.makeSurface(screen);
    ReleaseDC(handle, screen);
    return p;
}

bool KW_Win_Win32::lockPaint() {
    const DWORD r = WaitForSingleObject(paintLock, 1000);
    // An abandoned lock is ours now: a thread ended while painting.
    return r == WAIT_OBJECT_0 || r == WAIT_ABANDONED;
}

void KW_Win_Win32::unlockPaint() { ReleaseMutex(paintLock); }

void KW_Win_Win32::paintRect(const KW_Rect& r) {
    if (!handle) return;
    HDC screen = GetDC(handle);
    if (!screen) return;
    paint(screen, r);
    ReleaseDC(handle, screen);
}

void KW_Win_Win32::paint(HDC surface, const KW_Rect& r) {
    if (!lockPaint()) return;
    HDC tile = tilePicture.surface;
    compose(r, [surface, tile](const KW_Rect& part, const KW_Rect& t) {
        BitBlt(surface, part.left, part.top, part.right - part.left, part.bottom - part.top, tile, part.left - t.left,
               part.top - t.top, SRCCOPY);
    });
    unlockPaint();
}

LRESULT CALLBACK KW_Win_Win32::message(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = reinterpret_cast<KW_Win_Win32*>(GetWindowLongPtrA(w, GWLP_USERDATA));
    return self ? self->handleMessage(msg, wp, lp) : DefWindowProcA(w, msg, wp, lp);
}

LRESULT KW_Win_Win32::handleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC surface = BeginPaint(handle, &ps);
        if (surface) paint(surface, {ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right, ps.rcPaint.bottom});
        EndPaint(handle, &ps);
        return 0;
    }
    case WM_CLOSE:
        PostQuitMessage(0);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_MOUSEMOVE:
        if (!leaveArmed) {
            leaveArmed = true;
            TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, handle, 0};
            TrackMouseEvent(&track);
        }
        pointerMove(lowWord(lp), highWord(lp));
        return 0;
    case WM_LBUTTONDOWN:
        SetCapture(handle);
        pointerDown(lowWord(lp), highWord(lp));
        return 0;
    case WM_LBUTTONUP:
        ReleaseCapture();
        pointerUp();
        return 0;
    case WM_MOUSELEAVE:
        // The next move asks for the next report.
        leaveArmed = false;
        ReleaseCapture();
        pointerLeft();
        return 0;
    default:
        return DefWindowProcA(handle, msg, wp, lp);
    }
}
