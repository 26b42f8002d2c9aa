// Fuzzes the KWIF reader and compositing from what it maps: any bytes are either refused or mapped so
// that exactly the pixels the data holds are read, and compositing them anywhere stays inside both pictures.
#include <cstddef>
#include <cstdint>
#include "core/KW_error.h"
#include "core/KW_resource.h"
#include "graphics/KW_Pic.h"

// This program embeds no resources.
const KW_Blob KW_blobs[] = {{nullptr, nullptr, 0}};

// Refusals come by the thousand here: they are not shown.
int KW_error_show(const char*) { return 1; }

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    KW_Pic<KW_Pix_A32> pic, dest;
    if (!pic.map(data, size)) return 0;
    if (12 + 4 * uint64_t(pic.width) * uint64_t(pic.height) != size) __builtin_trap();
    dest.resize(16, 16);
    const KW_Rect parts[] = {
        {0, 0, pic.width, pic.height}, {-7, -5, 20, 19}, {INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX}, {5, 5, 3, 3}};
    const int32_t places[][2] = {{0, 0}, {-3, 9}, {15, -15}, {INT32_MIN, INT32_MAX}};
    for (const KW_Rect& part : parts)
        for (const auto& at : places) KW_Pic<KW_Pix_A32>::composite(pic, dest, at[0], at[1], &part);
    return 0;
}
