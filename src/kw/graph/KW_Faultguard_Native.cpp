// Processor faults arrive as signals. The handlers jump back to the recovery point of the faulting
// thread when it is inside a guarded run, and otherwise hand the signal to whoever had it before.
#include "graph/KW_Faultguard.h"
#include <csetjmp>
#include <csignal>

namespace {

const int faultSignals[] = {SIGFPE, SIGSEGV, SIGBUS, SIGILL};
struct sigaction previous[sizeof faultSignals / sizeof faultSignals[0]];

// Plain thread-local pointer: no constructor, so reading it in a signal handler is safe.
thread_local sigjmp_buf* recovery = nullptr;

void onFault(int sig, siginfo_t* info, void* uc) {
    if (sigjmp_buf* point = recovery) siglongjmp(*point, 1);
    for (unsigned i = 0; i < sizeof faultSignals / sizeof faultSignals[0]; ++i) {
        if (faultSignals[i] != sig) continue;
        const struct sigaction& old = previous[i];
        if (old.sa_flags & SA_SIGINFO) {
            old.sa_sigaction(sig, info, uc);
        } else if (old.sa_handler != SIG_IGN && old.sa_handler != SIG_DFL) {
            old.sa_handler(sig);
        } else {
            // Back to the old disposition; the faulting instruction runs again and meets it.
            sigaction(sig, &old, nullptr);
        }
    }
}

}  // namespace

void KW_Faultguard::installHandlers() {
    struct sigaction act = {};
    act.sa_sigaction = onFault;
    // NODEFER keeps the signal unblocked after the jump, so no mask needs saving per block.
    act.sa_flags = SA_SIGINFO | SA_NODEFER | SA_ONSTACK;
    sigemptyset(&act.sa_mask);
    for (unsigned i = 0; i < sizeof faultSignals / sizeof faultSignals[0]; ++i)
        sigaction(faultSignals[i], &act, &previous[i]);
}

bool KW_Faultguard::trap(Body body, void* context) {
    sigjmp_buf point;
    sigjmp_buf* const outer = recovery;
    if (sigsetjmp(point, 0)) {
        recovery = outer;
        return false;
    }
    recovery = &point;
    const bool ok = call(body, context);
    recovery = outer;
    return ok;
}
