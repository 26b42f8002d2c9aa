// The bench itself: Windows programs under wine64 get a real display and real wave devices.
#include <windows.h>
#include <mmsystem.h>
#include <gtest/gtest.h>

namespace {

LRESULT CALLBACK paintRed(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(w, &ps);
        HBRUSH red = CreateSolidBrush(RGB(200, 30, 40));
        FillRect(dc, &ps.rcPaint, red);
        DeleteObject(red);
        EndPaint(w, &ps);
        return 0;
    }
    return DefWindowProcA(w, msg, wp, lp);
}

// Copies one pixel of the window's drawing surface into a DIB we can read.
COLORREF pixelOf(HWND w, int x, int y) {
    HDC dc = GetDC(w);
    HDC mem = CreateCompatibleDC(dc);
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = 1;
    bi.bmiHeader.biHeight = -1;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(mem, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(mem, dib);
    BitBlt(mem, 0, 0, 1, 1, dc, x, y, SRCCOPY);
    GdiFlush();
    const unsigned char* p = static_cast<const unsigned char*>(bits);
    COLORREF c = RGB(p[2], p[1], p[0]);
    SelectObject(mem, old);
    DeleteObject(dib);
    DeleteDC(mem);
    ReleaseDC(w, dc);
    return c;
}

TEST(Bench, WindowPaintsAndReadsBack) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = paintRed;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "KWBENCHSMOKE";
    ASSERT_NE(RegisterClassA(&wc), 0);
    HWND w = CreateWindowA("KWBENCHSMOKE", "bench", WS_POPUP | WS_VISIBLE, 10, 10, 64, 48, nullptr, nullptr,
                           wc.hInstance, nullptr);
    ASSERT_NE(w, nullptr);
    UpdateWindow(w);
    MSG m;
    while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
    EXPECT_EQ(pixelOf(w, 20, 20), RGB(200, 30, 40));
    DestroyWindow(w);
    UnregisterClassA("KWBENCHSMOKE", wc.hInstance);
}

TEST(Bench, SoundServerGivesWaveDevices) {
    EXPECT_GE(waveInGetNumDevs(), 1u);
    EXPECT_GE(waveOutGetNumDevs(), 1u);
}

}  // namespace
