// Resources of type "DATA" in the module that holds this code: the executable is also loaded as a
// plug-in, and then the process's own executable is the host's.
#include <windows.h>
#include "KW_error.h"
#include "KW_module_Win32.h"
#include "KW_resource.h"
#include "KW_status.h"

const void* KW_resource(const char* name, std::size_t* size) {
    if (size) *size = 0;
    const HMODULE module = KW_module();
    HRSRC found = name ? FindResourceA(module, name, "DATA") : nullptr;
    if (!found) {
        KW_ERROR("KW_resource", name);
        return nullptr;
    }
    HGLOBAL loaded = LoadResource(module, found);
    if (!loaded) {
        KW_ERROR("KW_resource", KW_ERROR_RESOURCE_CANNOT_LOAD);
        return nullptr;
    }
    const void* bytes = LockResource(loaded);
    if (!bytes) {
        KW_ERROR("KW_resource", KW_ERROR_RESOURCE_CANNOT_LOCK);
        return nullptr;
    }
    if (size) *size = SizeofResource(module, found);
    return bytes;
}
