// The main window, the effect window the editors open in, and the end of the program.
#include "KW_Host.h"
#include <shellapi.h>
#include "audio/KW_Rts_Asio.h"
#include "audio/KW_Rts_Win32.h"
#include "core/KW_error.h"

static constexpr DWORD CLASS_STYLE = CS_SAVEBITS | CS_BYTEALIGNCLIENT;
static constexpr DWORD MAIN_STYLE = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
static constexpr int LEFT = 50, TOP = 50;

void KW_Host::registerClasses(HINSTANCE instance) {
    WNDCLASSEXA main = {};
    main.cbSize = sizeof main;
    main.style = CLASS_STYLE;
    main.lpfnWndProc = mainProc;
    main.hInstance = instance;
    main.hIcon = LoadIconA(instance, "icon");
    main.hIconSm = LoadIconA(instance, "ComboSmallIcon");
    main.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    main.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    main.lpszClassName = "KWWINDOW";
    RegisterClassExA(&main);

    WNDCLASSEXA effect = main;
    effect.lpfnWndProc = DefWindowProcA;
    effect.hIcon = effect.hIconSm = nullptr;
    effect.hbrBackground = CreateSolidBrush(RGB(32, 64, 96));
    effect.lpszClassName = "KIRNEFFECT";
    RegisterClassExA(&effect);
}

void KW_Host::createWindows(HINSTANCE instance) {
    mainWindow = CreateWindowExA(0, "KWWINDOW", "KIRN", MAIN_STYLE, LEFT, TOP, 600, 450, nullptr, bar,
                                 instance, nullptr);
    effectWindow = CreateWindowExA(0, "KIRNEFFECT", "", WS_CHILD | WS_VISIBLE, 0, 0, 20, 20, mainWindow,
                                   nullptr, instance, nullptr);
}

// The main window's client area becomes exactly the first instance's editor, titled with its product.
void KW_Host::fitToEditor() {
    RECT client = {0, 0, 600, 800};
    ERect* rect = nullptr;
    char product[64] = {};
    if (instanceCount > 0) {
        instances[0]->send(effEditGetRect, 0, 0, &rect, 0.0f);
        instances[0]->send(effGetProductString, 0, 0, product, 0.0f);
    }
    if (rect)
        client = {rect->left, rect->top, rect->right, rect->bottom};
    else
        KW_error_func("host", 1062, "WinMain", __DATE__, __TIME__, "Cannot get metrics of effect editor");
    product[sizeof product - 1] = 0;
    if (*product) SetWindowTextA(mainWindow, product);
    int width = client.right - client.left, height = client.bottom - client.top;
    RECT frame = {0, 0, width, height};
    AdjustWindowRect(&frame, MAIN_STYLE, TRUE);
    MoveWindow(mainWindow, LEFT, TOP, frame.right - frame.left, frame.bottom - frame.top, TRUE);
    MoveWindow(effectWindow, 0, 0, width, height, TRUE);
}

LRESULT CALLBACK KW_Host::mainProc(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (!window) return 0;
    if (message == WM_CLOSE) {
        shutdown();
        return 0;
    }
    if (message == WM_COMMAND && HIWORD(w) == 0 && l == 0) {
        command(LOWORD(w));
        return 0;
    }
    return DefWindowProcA(window, message, w, l);
}

void KW_Host::help() {
    ShellExecuteA(mainWindow, "open", "https://www.tembrix.example/doc/lowhighpass1", "", "", SW_SHOWNORMAL);
}

// Runs without the lock: once the stream is freed no block comes any more.
void KW_Host::shutdown() {
    ShowWindow(mainWindow, SW_HIDE);
    if (currentDriver >= 0) {
        KW_Rts* driver = drivers[currentDriver];
        if (currentMode >= 0) driver->free();
        driver->exit();
        currentDriver = currentMode = -1;
    }
    for (int k = 0; k < instanceCount; ++k) {
        if (instances[k]->input >= 0) --inputs[instances[k]->input].users;
        delete instances[k];
        instances[k] = nullptr;
    }
    instanceCount = 0;
    currentInstance = -1;
    KW_Rts_Asio::destroyAll();
    KW_Rts_Win32::destroyAll();
    driverCount = 0;
    delete[] work;
    work = nullptr;
    PostQuitMessage(0);
}
