// Without a platform window system the editor's window is composed off screen only.
#include "app/KW_Main_Vst_Editor.h"

void KW_Main_Vst_Editor::showIn(void*) {}

void KW_Main_Vst_Editor::hide() {}
