// An editor of the application's kind in a real child window on the bench's display: a parent window at the
// screen's corner, the platform window inside it, and the background, button and knob made by command
// from the program's art. Pointer messages are posted as the platform would send them, with the cursor
// really there, and what the window shows is read back from its surface.
#pragma once
#include <windows.h>
#include <vector>
#include "core/KW_command.h"
#include "widgets/KW_Wid_Butt.h"
#include "widgets/KW_Wid_Knob.h"
#include "widgets/KW_Wid_Pic.h"
#include "windows/KW_Win_Win32.h"

struct Editor {
    static constexpr int32_t W = 200, H = 236;
    HWND parent;
    KW_Win_Win32 win{W, H};
    KW_Wid_Pic* background = nullptr;
    KW_Wid_Butt* button = nullptr;
    KW_Wid_Knob* knob = nullptr;

    Editor();
    ~Editor();

    // Handles the messages that are waiting, and those that come within the next few milliseconds.
    void pump(int ms = 60);
    // Moves the cursor to the client point and posts the message there.
    void pointer(UINT message, int32_t x, int32_t y);
    // The window's pixels as 0x00RRGGBB, row by row.
    std::vector<uint32_t> screen();
    // What the window composes for its whole client area now, in the same form.
    std::vector<uint32_t> composed();
    // Paints the whole client area one colour, straight onto the window's surface.
    void cover(COLORREF c);

    static uint32_t rgb(const std::vector<uint32_t>& s, int32_t x, int32_t y) { return s[y * W + x]; }
    static HWND makeParent(int32_t x);
};
