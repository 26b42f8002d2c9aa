// The standalone program: a small effect host around the executable's own plug-in entry. One process-wide
// state; the menu commands run on the user-interface thread under the host lock, the audio callback on
// the device thread only when it gets the lock without waiting.
#pragma once
#include <windows.h>
#include <cstdint>
#include "KW_Host_Instance.h"
#include "audio/KW_Rts.h"
#include "core/KW_status.h"

// The executable's own plug-in entry: the host loads its effect exactly as any other host would.
extern "C" AEffect* KW_CDECL VSTPluginMain(VstHostCallback host);

class KW_Host {
public:
    static constexpr int MAX_DRIVERS = 32, MAX_MODES = 32, MAX_INPUTS = 32, MAX_INSTANCES = 36;
    // Menu identifiers: the high four bits select the command, the low twelve carry an index.
    enum : int {
        ID_DRIVER = 0x1000, ID_MODE = 0x2000, ID_ADD = 0x3000, ID_DELETE = 0x4000,
        ID_INSTANCE = 0x5000, ID_INPUT = 0x6000, ID_HELP = 0x7000
    };

    struct Input {
        KW_Rts::Chan* chan;
        int32_t users;  // instances connected to it
    };

    static int run(HINSTANCE instance);

    // Runs the command of a menu identifier; 1 to 6 under the host lock, dropped when it stays held
    // for 1000 ms. A failure is reported once the lock is released.
    static void command(int id);
    static VstIntPtr KW_CDECL callback(AEffect* effect, int32_t opcode, int32_t index, VstIntPtr value,
                                       void* ptr, float opt);
    static void audio();
    static void shutdown();

private:
    // KW_Host_commands.cpp
    static KW_status selectDriver(int i);
    static KW_status selectMode(int j);
    static KW_status addInstance();
    static KW_status deleteInstance();
    static KW_status selectInstance(int k);
    static KW_status connectInput(int j);
    static void help();
    static void fillDriverMenus();
    static void reconnectInstances();
    static KW_status fail(int line, const char* proc, KW_status why);

    // KW_Host_menus.cpp
    static void buildMenus();
    static void listDrivers();
    static void append(HMENU menu, int id, const char* text, ULONG_PTR data);
    static void insert(HMENU menu, int position, int id, const char* text, ULONG_PTR data);
    static void mark(int id, bool on);
    static void rename(int id, int newId, const char* text);
    static void enable(int id, bool on);
    static void clear(HMENU menu, int count);

    // KW_Host_windows.cpp
    static void registerClasses(HINSTANCE instance);
    static void createWindows(HINSTANCE instance);
    static void fitToEditor();
    static LRESULT CALLBACK mainProc(HWND window, UINT message, WPARAM w, LPARAM l);

    static const char* inputName(int32_t input);

    static HANDLE lock;
    static KW_Rts* drivers[MAX_DRIVERS];
    static int driverCount, currentDriver;
    static KW_Rts::Mode* modes[MAX_MODES];
    static int modeCount, currentMode;
    static Input inputs[MAX_INPUTS];
    static int inputCount;
    static KW_Host_Instance* instances[MAX_INSTANCES];
    static int instanceCount, currentInstance;
    static float* work;  // staging, out0, out1, mixLeft, mixRight; frames each
    static int32_t frames;
    static KW_Rts::Chan workChan;
    static float* effectInputs[1];
    static HWND mainWindow, effectWindow;
    static HMENU bar, audioMenu, modeMenu, channelMenu, inputMenu;

    // The failure a command met, reported after the lock is released so that a box never holds it.
    struct Failure {
        int line;
        const char* proc;
        KW_status status;
    };
    static Failure failure;
};
