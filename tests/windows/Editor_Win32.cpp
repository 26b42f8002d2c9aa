#include "Editor_Win32.h"
#include <gtest/gtest.h>

HWND Editor::makeParent(int32_t x) {
    static ATOM registered = [] {
        WNDCLASSA c{};
        c.lpfnWndProc = DefWindowProcA;
        c.hInstance = GetModuleHandleA(nullptr);
        c.lpszClassName = "KWTESTPARENT";
        return RegisterClassA(&c);
    }();
    (void)registered;
    return CreateWindowExA(0, "KWTESTPARENT", "editor", WS_POPUP | WS_VISIBLE, x, 0, W, H, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

Editor::Editor() : parent(makeParent(0)) {
    SetCursorPos(600, 600);  // away from the window until a test moves it there
    EXPECT_NE(nullptr, parent);
    EXPECT_EQ(parent, win.hwnd(parent));
    KW_command("KW_Wid_Pic -w %i -h %i -l 0 -t 0 -res bgnd", &background, W, H);
    KW_command("KW_Wid_Butt -w 40 -h 24 -l 21 -t 67 -res but", &button);
    KW_command("KW_Wid_Knob -w 64 -h 64 -l 66 -t 126 -res big -mn 20 -mx 10000", &knob);
    for (KW_Wid* w : std::initializer_list<KW_Wid*>{background, button, knob}) KW_command("KW_Wid %o -win %o", w, &win);
    InvalidateRect(win.handle, nullptr, FALSE);
    pump();
}

Editor::~Editor() {
    for (KW_Wid* w : std::initializer_list<KW_Wid*>{knob, button, background}) KW_command("%o -delete", w);
    win.hwnd(nullptr);
    DestroyWindow(parent);
    pump(0);
}

void Editor::pump(int ms) {
    const DWORD until = GetTickCount() + ms;
    do {
        MSG m;
        while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
        if (ms) Sleep(5);
    } while (GetTickCount() < until);
}

void Editor::pointer(UINT message, int32_t x, int32_t y) {
    POINT p{x, y};
    ClientToScreen(win.handle, &p);
    SetCursorPos(p.x, p.y);
    pump(20);
    PostMessageA(win.handle, message, message == WM_LBUTTONDOWN ? MK_LBUTTON : 0, MAKELPARAM(x, y));
    pump(20);
}

std::vector<uint32_t> Editor::screen() {
    HDC dc = GetDC(win.handle);
    HDC mem = CreateCompatibleDC(dc);
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = W;
    bi.bmiHeader.biHeight = -H;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(mem, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(mem, dib);
    BitBlt(mem, 0, 0, W, H, dc, 0, 0, SRCCOPY);
    GdiFlush();
    std::vector<uint32_t> s(static_cast<const uint32_t*>(bits), static_cast<const uint32_t*>(bits) + W * H);
    for (uint32_t& p : s) p &= 0xFFFFFF;
    SelectObject(mem, old);
    DeleteObject(dib);
    DeleteDC(mem);
    ReleaseDC(win.handle, dc);
    return s;
}

std::vector<uint32_t> Editor::composed() {
    std::vector<uint32_t> s(W * H);
    win.compose({0, 0, W, H}, [this, &s](const KW_Rect& part, const KW_Rect& tile) {
        for (int32_t y = part.top; y < part.bottom; ++y)
            for (int32_t x = part.left; x < part.right; ++x)
                s[y * W + x] = win.tilePicture.row(y - tile.top)[x - tile.left].word() & 0xFFFFFF;
    });
    return s;
}

void Editor::cover(COLORREF c) {
    HDC dc = GetDC(win.handle);
    HBRUSH b = CreateSolidBrush(c);
    RECT r{0, 0, W, H};
    FillRect(dc, &r, b);
    DeleteObject(b);
    ReleaseDC(win.handle, dc);
    pump(0);
}
