#include "app/KW_Main_Vst_Editor.h"
#include "app/KW_Main_Vst.h"
#if defined(_WIN32)
#include "windows/KW_Win_Win32.h"
#else
#include "windows/KW_Win.h"
#endif

ERect KW_Main_Vst_Editor::rect;

KW_Main_Vst_Editor::KW_Main_Vst_Editor(KW_Main_Vst& m)
    : AEffEditor(&m), window(new KW_Main_Vst_Window(m.application.width, m.application.height)), main(m) {}

KW_Main_Vst_Editor::~KW_Main_Vst_Editor() {
    delete window;
}

KW_Application& KW_Main_Vst_Editor::application() {
    return main.application;
}

bool KW_Main_Vst_Editor::getRect(ERect** r) {
    rect = {0, 0, int16_t(application().height), int16_t(application().width)};
    *r = &rect;
    return true;
}

bool KW_Main_Vst_Editor::open(void* parent) {
    showIn(parent);
    application().attach(window);
    window->paintRect({0, 0, window->width, window->height});
    return true;
}

void KW_Main_Vst_Editor::close() {
    application().detach();
    hide();
}
