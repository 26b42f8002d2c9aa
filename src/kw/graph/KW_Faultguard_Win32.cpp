// Processor faults arrive as structured exceptions. A vectored handler resumes a faulting thread that
// is inside a guarded run at its recovery point, by rewriting the thread's context to where
// __builtin_setjmp left it; everything else goes on to the next handler.
#include "graph/KW_Faultguard.h"
#include <windows.h>

namespace {

// Per-thread recovery point in a plain TLS slot: no allocation on first use from any thread.
DWORD slot = TLS_OUT_OF_INDEXES;

// The buffer of __builtin_setjmp: frame pointer, resume address, stack pointer, two spare words.
typedef void* Point[5];

bool isFault(DWORD code) {
    switch (code) {
    case EXCEPTION_ACCESS_VIOLATION:
    case EXCEPTION_ARRAY_BOUNDS_EXCEEDED:
    case EXCEPTION_DATATYPE_MISALIGNMENT:
    case EXCEPTION_ILLEGAL_INSTRUCTION:
    case EXCEPTION_IN_PAGE_ERROR:
    case EXCEPTION_INT_DIVIDE_BY_ZERO:
    case EXCEPTION_INT_OVERFLOW:
    case EXCEPTION_PRIV_INSTRUCTION:
        return true;
    default:
        // C++ exceptions, breakpoints, stack overflow and floating-point traps (which stay pending in
        // the x87 status and would fire again) take their usual way.
        return false;
    }
}

LONG CALLBACK onFault(EXCEPTION_POINTERS* e) {
    if (slot == TLS_OUT_OF_INDEXES || !isFault(e->ExceptionRecord->ExceptionCode))
        return EXCEPTION_CONTINUE_SEARCH;
    void** point = static_cast<void**>(TlsGetValue(slot));
    if (!point) return EXCEPTION_CONTINUE_SEARCH;
    CONTEXT* c = e->ContextRecord;
#if defined(_WIN64)
    c->Rbp = reinterpret_cast<DWORD64>(point[0]);
    c->Rip = reinterpret_cast<DWORD64>(point[1]);
    c->Rsp = reinterpret_cast<DWORD64>(point[2]);
#else
    c->Ebp = reinterpret_cast<DWORD>(point[0]);
    c->Eip = reinterpret_cast<DWORD>(point[1]);
    c->Esp = reinterpret_cast<DWORD>(point[2]);
#endif
    return EXCEPTION_CONTINUE_EXECUTION;
}

}  // namespace

void KW_Faultguard::installHandlers() {
    slot = TlsAlloc();
    AddVectoredExceptionHandler(1, onFault);
}

bool KW_Faultguard::trap(Body body, void* context) {
    Point point;
    void* volatile const outer = TlsGetValue(slot);
    // The resumed code finds every register clobbered and reloads what it needs from this frame.
    if (__builtin_setjmp(point)) {
        TlsSetValue(slot, outer);
        return false;
    }
    TlsSetValue(slot, point);
    const bool ok = call(body, context);
    TlsSetValue(slot, outer);
    return ok;
}
