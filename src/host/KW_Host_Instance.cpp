#include "KW_Host_Instance.h"
#include <cstdio>

KW_Host_Instance::~KW_Host_Instance() {
    if (effect) send(effClose, 0, 0, nullptr, 0.0f);
}

void KW_Host_Instance::relabel(int position, const char* inputName) {
    std::snprintf(label, sizeof label, "%d. %s", position + 1, inputName);
}

VstIntPtr KW_Host_Instance::send(int32_t opcode, int32_t index, VstIntPtr value, void* ptr, float opt) {
    return effect ? effect->dispatcher(effect, opcode, index, value, ptr, opt) : 0;
}
