// Named byte blocks ("DATA" resources) embedded in the executable, found by name without regard to case.
#pragma once
#include <cstddef>
#include "KW_export.h"

// Returns the bytes of the resource, valid for the life of the process, or none after reporting the failure.
// When size is given it receives the real length of the block (0 on failure).
const void* KW_resource(const char* name, std::size_t* size = nullptr);

#if !defined(_WIN32)
// The native build's resources: a table of named blocks ended by a row whose name is none,
// linked into each executable that reads resources.
struct KW_Blob {
    const char* name;
    const unsigned char* data;
    std::size_t size;
};
extern const KW_Blob KW_blobs[];
#endif
