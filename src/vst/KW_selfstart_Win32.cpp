// A host loads the executable with LoadLibrary, and for an .exe that runs no entry point: base
// relocations are not applied, imports are not resolved, neither the C runtime's start-up nor any
// static constructor runs. The executable is linked at a base of its own, so that it normally lands
// where it was linked; the plug-in entry then finishes the job the loader skipped. Until the imports
// are in place this code calls nothing imported, and is compiled so that the compiler inserts no
// library calls of its own (memcpy, memset).
#include "vst/KW_selfstart.h"
#include <windows.h>
#include <winternl.h>
#include <cstdint>

extern "C" BYTE __ImageBase[];  // the image's first byte, its DOS header
extern "C" void _pei386_runtime_relocator(void);
// The linker's constructor table: a count (or -1), the constructors, then a zero.
extern "C" void (*__CTOR_LIST__[])(void);

namespace {

// Set by the constructors, so it tells whether they (and with them the start-up) already ran.
volatile bool startedUp = false;
__attribute__((constructor)) void markStartedUp() {
    startedUp = true;
}

typedef HMODULE(WINAPI* LoadLibraryFn)(LPCSTR);
typedef FARPROC(WINAPI* GetProcAddressFn)(HMODULE, LPCSTR);
typedef BOOL(WINAPI* VirtualProtectFn)(LPVOID, SIZE_T, DWORD, PDWORD);

// True when the code runs at the address it was linked for: the executing address against the
// linker's absolute one.
__attribute__((noinline)) bool atLinkedBase() {
    uintptr_t here, linked;
#if defined(__x86_64__)
    asm volatile("lea 1f(%%rip), %0\n1:\n\tmovabs $1b, %1" : "=r"(here), "=r"(linked));
#else
    asm volatile("call 1f\n1:\n\tpop %0\n\tmov $1b, %1" : "=r"(here), "=r"(linked));
#endif
    return here == linked;
}

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

bool sameName(const char* a, const char* b) {
    for (; *a && *b; a++, b++)
        if (*a != *b) return false;
    return *a == *b;
}

IMAGE_DATA_DIRECTORY& directory(BYTE* module, int which) {
    auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(module);
    auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(module + dos->e_lfanew);
    return nt->OptionalHeader.DataDirectory[which];
}

// A loaded module by its file name (".dll" may be left off), found in the process's loader list.
BYTE* loadedModule(const char* name, int length) {
    PEB* peb;
#if defined(__x86_64__)
    asm("mov %%gs:0x60, %0" : "=r"(peb));
#else
    asm("mov %%fs:0x30, %0" : "=r"(peb));
#endif
    LIST_ENTRY* head = &peb->Ldr->InMemoryOrderModuleList;
    for (LIST_ENTRY* link = head->Flink; link != head; link = link->Flink) {
        auto* entry = CONTAINING_RECORD(link, LDR_DATA_TABLE_ENTRY, InMemoryOrderLinks);
        const WCHAR* path = entry->FullDllName.Buffer;
        int n = entry->FullDllName.Length / 2, start = n;
        while (start > 0 && path[start - 1] != L'\\' && path[start - 1] != L'/') start--;
        const WCHAR* file = path + start;
        const int fileLength = n - start;
        int i = 0;
        while (i < length && i < fileLength && lower(char(file[i])) == lower(name[i])) i++;
        if (i != length) continue;
        static const char dll[] = ".dll";
        int j = 0;
        while (i + j < fileLength && j < 4 && lower(char(file[i + j])) == dll[j]) j++;
        if (i == fileLength || (j == 4 && i + j == fileLength)) return static_cast<BYTE*>(entry->DllBase);
    }
    return nullptr;
}

// An exported function of a loaded module by name, following forwarders ("OTHER.Name") a few steps.
void* exported(BYTE* module, const char* name, int depth = 0) {
    if (!module) return nullptr;
    IMAGE_DATA_DIRECTORY& dir = directory(module, IMAGE_DIRECTORY_ENTRY_EXPORT);
    if (!dir.Size) return nullptr;
    auto* exports = reinterpret_cast<IMAGE_EXPORT_DIRECTORY*>(module + dir.VirtualAddress);
    auto* names = reinterpret_cast<DWORD*>(module + exports->AddressOfNames);
    auto* ordinals = reinterpret_cast<WORD*>(module + exports->AddressOfNameOrdinals);
    auto* functions = reinterpret_cast<DWORD*>(module + exports->AddressOfFunctions);
    for (DWORD i = 0; i < exports->NumberOfNames; i++) {
        if (!sameName(reinterpret_cast<const char*>(module + names[i]), name)) continue;
        const DWORD rva = functions[ordinals[i]];
        if (rva < dir.VirtualAddress || rva >= dir.VirtualAddress + dir.Size) return module + rva;
        const char* forward = reinterpret_cast<const char*>(module + rva);
        int dot = 0;
        while (forward[dot] && forward[dot] != '.') dot++;
        if (!forward[dot] || depth > 3) return nullptr;
        return exported(loadedModule(forward, dot), forward + dot + 1, depth + 1);
    }
    return nullptr;
}

// The runtime registers static destructors with the C library's _onexit, which would run them at the
// host's exit, long after the host unloaded us. Loaded by a host, they are not registered at all.
typedef int(__cdecl* ExitFunction)(void);
ExitFunction __cdecl skipExitRegistration(ExitFunction f) {
    return f;
}

bool resolveImports() {
    BYTE* self = __ImageBase;
    BYTE* kernel32 = loadedModule("kernel32", 8);
    auto load = reinterpret_cast<LoadLibraryFn>(exported(kernel32, "LoadLibraryA"));
    auto find = reinterpret_cast<GetProcAddressFn>(exported(kernel32, "GetProcAddress"));
    auto protect = reinterpret_cast<VirtualProtectFn>(exported(kernel32, "VirtualProtect"));
    if (!load || !find || !protect) return false;
    IMAGE_DATA_DIRECTORY& dir = directory(self, IMAGE_DIRECTORY_ENTRY_IMPORT);
    if (!dir.Size) return true;
    for (auto* imp = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(self + dir.VirtualAddress); imp->Name; imp++) {
        HMODULE module = load(reinterpret_cast<LPCSTR>(self + imp->Name));
        if (!module) return false;
        auto* lookup = reinterpret_cast<IMAGE_THUNK_DATA*>(
            self + (imp->OriginalFirstThunk ? imp->OriginalFirstThunk : imp->FirstThunk));
        auto* table = reinterpret_cast<IMAGE_THUNK_DATA*>(self + imp->FirstThunk);
        SIZE_T count = 0;
        while (lookup[count].u1.AddressOfData) count++;
        DWORD was;
        if (!protect(table, count * sizeof *table, PAGE_READWRITE, &was)) return false;
        for (SIZE_T i = 0; i < count; i++) {
            const ULONG_PTR data = lookup[i].u1.AddressOfData;
            LPCSTR what = IMAGE_SNAP_BY_ORDINAL(lookup[i].u1.Ordinal)
                              ? reinterpret_cast<LPCSTR>(IMAGE_ORDINAL(lookup[i].u1.Ordinal))
                              : reinterpret_cast<LPCSTR>(reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(self + data)->Name);
            FARPROC f = IMAGE_SNAP_BY_ORDINAL(lookup[i].u1.Ordinal) || !sameName(what, "_onexit")
                            ? find(module, what)
                            : reinterpret_cast<FARPROC>(reinterpret_cast<void*>(skipExitRegistration));
            if (!f) return false;
            table[i].u1.Function = reinterpret_cast<ULONG_PTR>(f);
        }
        protect(table, count * sizeof *table, was, &was);
    }
    return true;
}

// The constructors in the order the runtime runs them: from the last entry to the first.
void runConstructors() {
    uintptr_t count = reinterpret_cast<uintptr_t>(__CTOR_LIST__[0]);
    if (count == uintptr_t(-1))
        for (count = 0; __CTOR_LIST__[count + 1]; count++) {}
    for (uintptr_t i = count; i >= 1; i--) __CTOR_LIST__[i]();
}

}  // namespace

bool KW_selfstart() {
    if (startedUp) return true;
    if (!atLinkedBase() || !resolveImports()) return false;
    _pei386_runtime_relocator();
    runConstructors();
    return startedUp;
}
