#include "KW_Host.h"
#include <cstring>
#include "audio/KW_Rts_Asio.h"
#include "audio/KW_Rts_Win32.h"
#include "core/KW_command.h"
#include "core/KW_error.h"

HANDLE KW_Host::lock = nullptr;
KW_Rts* KW_Host::drivers[MAX_DRIVERS] = {};
int KW_Host::driverCount = 0, KW_Host::currentDriver = -1;
KW_Rts::Mode* KW_Host::modes[MAX_MODES] = {};
int KW_Host::modeCount = 0, KW_Host::currentMode = -1;
KW_Host::Input KW_Host::inputs[MAX_INPUTS] = {};
int KW_Host::inputCount = 0;
KW_Host_Instance* KW_Host::instances[MAX_INSTANCES] = {};
int KW_Host::instanceCount = 0, KW_Host::currentInstance = -1;
float* KW_Host::work = nullptr;
int32_t KW_Host::frames = 0;
KW_Rts::Chan KW_Host::workChan{"work", 0, 0};
float* KW_Host::effectInputs[1] = {};
HWND KW_Host::mainWindow = nullptr, KW_Host::effectWindow = nullptr;
HMENU KW_Host::bar = nullptr, KW_Host::audioMenu = nullptr, KW_Host::modeMenu = nullptr,
      KW_Host::channelMenu = nullptr, KW_Host::inputMenu = nullptr;
KW_Host::Failure KW_Host::failure = {0, nullptr, nullptr};

static constexpr int32_t FLOAT32_FORMAT = 0x1002004;

int KW_Host::run(HINSTANCE instance) {
    lock = CreateMutexA(nullptr, FALSE, nullptr);
    workChan.format = FLOAT32_FORMAT;
    KW_Rts_Asio::classInit(audio);
    KW_Rts_Win32::classInit(audio);
    registerClasses(instance);
    buildMenus();
    listDrivers();
    if (driverCount == 0)
        KW_error_func("host", 1022, "WinMain", __DATE__, __TIME__, "No audio drivers found");
    else
        command(ID_DRIVER);
    createWindows(instance);
    command(ID_ADD);
    fitToEditor();
    ShowWindow(mainWindow, SW_SHOW);
    KW_initall();
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}

void KW_Host::command(int id) {
    if (id == ID_HELP) return help();
    // A box a stream shows inside a command runs a message loop on this thread, where the mutex would
    // let a second command in; it is dropped like one that finds the lock held.
    static bool inCommand = false;
    if (inCommand) return;
    DWORD got = WaitForSingleObject(lock, 1000);
    if (got != WAIT_OBJECT_0 && got != WAIT_ABANDONED) return;
    inCommand = true;
    failure = {0, nullptr, KW_OK};
    int index = id & 0xfff;
    switch (id & 0xf000) {
    case ID_DRIVER: selectDriver(index); break;
    case ID_MODE: selectMode(index); break;
    case ID_ADD: addInstance(); break;
    case ID_DELETE: deleteInstance(); break;
    case ID_INSTANCE: selectInstance(index); break;
    case ID_INPUT: connectInput(index); break;
    default: break;
    }
    Failure met = failure;
    inCommand = false;
    ReleaseMutex(lock);
    if (met.status != KW_OK)
        KW_error_func("host", met.line, met.proc, __DATE__, __TIME__, met.status ? met.status : "");
}

KW_status KW_Host::fail(int line, const char* proc, KW_status why) {
    failure = {line, proc, why};
    return why;
}

VstIntPtr KW_CDECL KW_Host::callback(AEffect*, int32_t opcode, int32_t, VstIntPtr, void* ptr, float) {
    if (opcode == audioMasterVersion) return 2400;
    if (opcode == audioMasterGetVendorString && ptr) {
        std::strcpy(static_cast<char*>(ptr), "Steinberg Media Technologies");
        return 1;
    }
    return 0;
}

const char* KW_Host::inputName(int32_t input) {
    return input >= 0 && input < inputCount ? inputs[input].chan->name : "Unconnected";
}
