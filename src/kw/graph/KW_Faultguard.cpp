#include "graph/KW_Faultguard.h"

bool KW_Faultguard::run(Body body, void* context) {
    install();
    return trap(body, context);
}

void KW_Faultguard::install() {
    static const bool installed = (installHandlers(), true);
    (void)installed;
}

bool KW_Faultguard::call(Body body, void* context) noexcept {
    try {
        body(context);
        return true;
    } catch (...) {
        return false;
    }
}
