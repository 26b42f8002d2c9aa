// The editor as the plug-in interface sees it: one window of the editor's size, handed to the
// application on open (which attaches its widgets) and taken back on close.
#pragma once
#include "vst/AEffEditor.h"

class KW_Main_Vst;
class KW_Application;
#if defined(_WIN32)
class KW_Win_Win32;
typedef KW_Win_Win32 KW_Main_Vst_Window;
#else
class KW_Win;
typedef KW_Win KW_Main_Vst_Window;
#endif

class KW_Main_Vst_Editor : public AEffEditor {
public:
    explicit KW_Main_Vst_Editor(KW_Main_Vst& main);
    ~KW_Main_Vst_Editor() override;

    bool getRect(ERect** rect) override;
    bool open(void* parent) override;
    void close() override;
    void idle() override {}

    KW_Main_Vst_Window* window;

private:
    KW_Application& application();
    // The platform's part of open and close: place the parent and make the child window in it;
    // remove the child window.
    void showIn(void* parent);
    void hide();

    KW_Main_Vst& main;
    // Handed out by getRect; one record for every editor.
    static ERect rect;
};
