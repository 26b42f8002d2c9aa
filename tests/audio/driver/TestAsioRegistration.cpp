// Registers every test driver as ASIO drivers are registered: the class with its server file under
// HKEY_CLASSES_ROOT "clsid", the driver entry under HKEY_LOCAL_MACHINE "software\asio".
#include <windows.h>
#include <string>
#include "TestAsioConfig.h"

namespace {

HMODULE thisModule() {
    HMODULE m = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(&thisModule), &m);
    return m;
}

bool setText(HKEY root, const std::string& path, const char* value, const std::string& text) {
    HKEY key;
    if (RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return false;
    LONG r = RegSetValueExA(key, value, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()), DWORD(text.size() + 1));
    RegCloseKey(key);
    return r == ERROR_SUCCESS;
}

std::string classKey(const TestAsioConfig& c) { return std::string("CLSID\\") + c.clsid; }
std::string driverKey(const TestAsioConfig& c) { return std::string("software\\asio\\") + c.key; }

}  // namespace

extern "C" __declspec(dllexport) HRESULT STDAPICALLTYPE DllRegisterServer() {
    char file[MAX_PATH];
    if (!GetModuleFileNameA(thisModule(), file, sizeof file)) return E_FAIL;
    bool ok = true;
    for (int r = 0; r < TEST_ASIO_DRIVER_COUNT; ++r) {
        const TestAsioConfig& c = TEST_ASIO_DRIVERS[r];
        if (c.clsid) {
            const char* server = c.has(TestAsioConfig::MISSING_SERVER) ? "C:\\kw-no-such-dir\\missing.dll" : file;
            ok = ok && setText(HKEY_CLASSES_ROOT, classKey(c), nullptr, "KW test ASIO driver") &&
                 setText(HKEY_CLASSES_ROOT, classKey(c) + "\\InprocServer32", nullptr, server) &&
                 setText(HKEY_CLASSES_ROOT, classKey(c) + "\\InprocServer32", "ThreadingModel", "Apartment") &&
                 setText(HKEY_LOCAL_MACHINE, driverKey(c), "clsid", c.clsid);
        }
        if (c.description) ok = ok && setText(HKEY_LOCAL_MACHINE, driverKey(c), "description", c.description);
    }
    return ok ? S_OK : E_FAIL;
}

extern "C" __declspec(dllexport) HRESULT STDAPICALLTYPE DllUnregisterServer() {
    for (int r = 0; r < TEST_ASIO_DRIVER_COUNT; ++r) {
        const TestAsioConfig& c = TEST_ASIO_DRIVERS[r];
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, driverKey(c).c_str());
        RegDeleteKeyA(HKEY_LOCAL_MACHINE, driverKey(c).c_str());
        if (c.clsid) {
            RegDeleteTreeA(HKEY_CLASSES_ROOT, classKey(c).c_str());
            RegDeleteKeyA(HKEY_CLASSES_ROOT, classKey(c).c_str());
        }
    }
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, "software\\asio");  // only when no other driver is left in it
    return S_OK;
}
