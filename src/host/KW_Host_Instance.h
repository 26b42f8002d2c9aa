// One effect loaded by the standalone host: the record its plug-in entry returned, the device input it
// listens to and the text of its "&Channel" item.
#pragma once
#include <cstdint>
#include "vst/AEffect.h"

class KW_Host_Instance {
public:
    AEffect* effect = nullptr;  // owned: closed when the instance goes
    int32_t input = -1;         // index into the host's inputs, -1 unconnected
    char label[64] = {};

    KW_Host_Instance() = default;
    KW_Host_Instance(const KW_Host_Instance&) = delete;
    KW_Host_Instance& operator=(const KW_Host_Instance&) = delete;
    ~KW_Host_Instance();

    // "<position + 1>. <input name>".
    void relabel(int position, const char* inputName);
    VstIntPtr send(int32_t opcode, int32_t index, VstIntPtr value, void* ptr, float opt);
};
