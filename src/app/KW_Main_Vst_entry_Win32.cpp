// The plug-in entry a host calls after loading the executable; exported as VSTPluginMain, main and MAIN,
// with _MAIN a second function calling it (see vst/KIRN.def).
#include <type_traits>
#include "app/KW_Main_Vst.h"
#include "vst/KW_selfstart.h"

extern "C" AEffect* KW_CDECL VSTPluginMain(VstHostCallback host) {
    // Loaded by a host, nothing of the program's start-up has run yet.
    if (!host || !KW_selfstart()) return nullptr;
    if (host(nullptr, audioMasterVersion, 0, 0, nullptr, 0.0f) == 0) return nullptr;
    try {
        return (new KW_Main_Vst(host))->getAeffect();
    } catch (...) {
        return nullptr;
    }
}

extern "C" AEffect* KW_CDECL KW_MAIN(VstHostCallback host) {
    return VSTPluginMain(host);
}

static_assert(std::is_same_v<decltype(&VSTPluginMain), VstPluginEntry>);
static_assert(std::is_same_v<decltype(&KW_MAIN), VstPluginEntry>);
