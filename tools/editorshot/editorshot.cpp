// Opens the filter's editor in a top-level window, takes what the screen shows of it, compares that with
// the editor composed off screen (exactly, outside the text labels, whose lettering is the system's) and
// writes the screenshot as a PNG.   editorshot OUT.png
#include <windows.h>
#include <cstdio>
#include <cstring>
#include <vector>
#include "Png.h"
#include "Screenshot.h"
#include "app/KW_Main_Vst.h"
#include "app/KW_Main_Vst_Editor.h"
#include "widgets/KW_Wid.h"
#include "windows/KW_Win_Win32.h"

namespace {

// The editor as the window composes it, tile by tile.
std::vector<uint8_t> composed(KW_Win_Win32& window) {
    std::vector<uint8_t> out(size_t(window.width) * window.height * 4);
    window.compose({0, 0, window.width, window.height}, [&](const KW_Rect& part, const KW_Rect& tile) {
        for (int32_t y = part.top; y < part.bottom; y++)
            for (int32_t x = part.left; x < part.right; x++) {
                const KW_Pix_A32& p = window.tilePicture.row(y - tile.top)[x - tile.left];
                std::memcpy(&out[(size_t(y) * window.width + x) * 4], &p, 4);
            }
    });
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::printf("usage: editorshot OUT.png\n");
        return 2;
    }
    KW_Main_Vst fx(nullptr);
    fx.setSampleRate(44100.0f);
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "KIRNEDITORSHOT";
    RegisterClassA(&wc);
    // The pointer may still rest where an earlier program left it; over the editor it would light a widget.
    SetCursorPos(0, 0);
    HWND parent = CreateWindowA(wc.lpszClassName, "KIRN editor", WS_POPUP | WS_VISIBLE, 40, 40, 10, 10, nullptr, nullptr,
                                wc.hInstance, nullptr);
    auto& editor = static_cast<KW_Main_Vst_Editor&>(*fx.getEditor());
    editor.open(parent);
    for (int i = 0; i < 20; i++) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
        Sleep(20);
    }
    KW_Win_Win32& window = *editor.window;
    const std::vector<uint8_t> shown = screenshot(window.handle, window.width, window.height);
    const std::vector<uint8_t> wanted = composed(window);
    long differing = 0, compared = 0;
    for (int32_t y = 0; y < window.height; y++)
        for (int32_t x = 0; x < window.width; x++) {
            bool text = false;
            for (int slot : {10, 23, int(KW_Application::CAPTION), int(KW_Application::VALUE_LABEL)}) {
                KW_Wid* w = fx.application.widgets[slot];
                text = text || (w && x >= w->left && x < w->left + w->width && y >= w->top && y < w->top + w->height);
            }
            if (text) continue;
            const size_t at = (size_t(y) * window.width + x) * 4;
            compared++;
            if (std::memcmp(&shown[at], &wanted[at], 3) != 0) differing++;
        }
    std::printf("editor %dx%d: %ld of %ld pixels outside the text labels differ from the composition\n",
                int(window.width), int(window.height), differing, compared);
    const bool written = writePng(argv[1], shown.data(), window.width, window.height);
    std::printf("%s %s\n", written ? "wrote" : "could not write", argv[1]);
    editor.close();
    DestroyWindow(parent);
    return differing == 0 && written ? 0 : 1;
}
