// The native build's resources: the KW_blobs table linked into the program, names compared without case.
#include "KW_error.h"
#include "KW_resource.h"

static bool sameName(const char* a, const char* b) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    for (; *a && *b; ++a, ++b)
        if (lower(*a) != lower(*b)) return false;
    return *a == *b;
}

const void* KW_resource(const char* name, std::size_t* size) {
    if (size) *size = 0;
    for (const KW_Blob* blob = KW_blobs; name && blob->name; ++blob) {
        if (sameName(blob->name, name)) {
            if (size) *size = blob->size;
            return blob->data;
        }
    }
    KW_ERROR("KW_resource", name);
    return nullptr;
}
