// The platform window: a child window of a parent handed over later, which composes and shows tiles under a
// paint lock and turns the platform's paint and pointer messages into the window's operations.
#pragma once
#include <windows.h>
#include "windows/KW_Win.h"

class KW_Win_Win32 : public KW_Win {
public:
    HWND parent = nullptr;
    HWND handle = nullptr;
    bool leaveArmed = false;  // a leave report has been asked for since the pointer last left
    HANDLE paintLock;

    KW_Win_Win32(int32_t width, int32_t height);
    ~KW_Win_Win32() override;

    // Creates, replaces (another parent) or removes (none) the child window; answers the parent in force.
    HWND hwnd(HWND parent);

    // Composes the rectangle and copies it to the child window now; nothing without a child window.
    void paintRect(const KW_Rect& r) override;
    // Composes the rectangle and copies it to the surface, unless the paint lock stays taken for 1000 ms.
    void paint(HDC surface, const KW_Rect& r);

    // The paint lock, held by one thread at a time and again by the same thread; waits at most 1000 ms.
    bool lockPaint();
    void unlockPaint();

private:
    static LRESULT CALLBACK message(HWND w, UINT msg, WPARAM wp, LPARAM lp);
    LRESULT handleMessage(UINT msg, WPARAM wp, LPARAM lp);
};
