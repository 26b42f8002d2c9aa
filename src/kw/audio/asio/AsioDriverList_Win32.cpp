// Drivers register under HKEY_LOCAL_MACHINE "software\asio", one sub-key each naming the COM class
// ("clsid") and a "description"; the class's InprocServer32 names the server file.
#include <windows.h>
#include <objbase.h>
#include <cstring>
#include "audio/asio/AsioDriverList.h"

namespace {

// A text value of at most size - 1 characters, terminated whatever the registry holds.
bool readText(HKEY key, const char* value, char* text, DWORD size) {
    DWORD type = 0, got = size - 1;
    if (RegQueryValueExA(key, value, nullptr, &type, reinterpret_cast<BYTE*>(text), &got) != ERROR_SUCCESS ||
        type != REG_SZ)
        return false;
    text[got] = 0;
    return true;
}

// True when the class is registered with an in-process server file that exists. Key names are
// compared without regard to case, so opening the class's key finds what a search of every class would.
bool serverExists(const char* clsid) {
    if (std::strchr(clsid, '\\')) return false;
    char path[600] = "clsid\\";
    std::strncat(path, clsid, 256);
    std::strcat(path, "\\InprocServer32");
    HKEY key;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    char file[512];
    bool found = readText(key, nullptr, file, sizeof file) && GetFileAttributesA(file) != INVALID_FILE_ATTRIBUTES;
    RegCloseKey(key);
    return found;
}

}  // namespace

void AsioDriverList::scan() {
    HKEY asio;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "software\\asio", 0, KEY_READ, &asio) != ERROR_SUCCESS) return;
    char keyName[128];
    for (DWORD i = 0;; ++i) {
        DWORD size = sizeof keyName;
        LONG r = RegEnumKeyExA(asio, i, keyName, &size, nullptr, nullptr, nullptr, nullptr);
        if (r == ERROR_MORE_DATA) continue;  // a name too long to be one of ours
        if (r != ERROR_SUCCESS) break;
        HKEY entry;
        if (RegOpenKeyExA(asio, keyName, 0, KEY_READ, &entry) != ERROR_SUCCESS) continue;
        char clsid[256], description[256];
        if (readText(entry, "clsid", clsid, sizeof clsid) && serverExists(clsid)) {
            wchar_t wide[100] = {};
            CLSID id = {};
            MultiByteToWideChar(CP_ACP, 0, clsid, -1, wide, 99);
            if (CLSIDFromString(wide, &id) != NOERROR) id = CLSID{};
            append(reinterpret_cast<const uint8_t*>(&id),
                   readText(entry, "description", description, sizeof description) ? description : keyName);
        }
        RegCloseKey(entry);
    }
    RegCloseKey(asio);
    if (count) apartment = SUCCEEDED(CoInitialize(nullptr));
}

int32_t AsioDriverList::create(const uint8_t classId[16], IASIO** driver) {
    CLSID id;
    std::memcpy(&id, classId, sizeof id);
    void* object = nullptr;
    HRESULT r = CoCreateInstance(id, nullptr, CLSCTX_INPROC_SERVER, id, &object);
    if (FAILED(r)) return int32_t(r);
    if (!object) return ASIO_NOT_PRESENT;
    *driver = static_cast<IASIO*>(object);
    return ASIO_OK;
}

void AsioDriverList::endApartment() {
    if (apartment) CoUninitialize();
    apartment = false;
}
