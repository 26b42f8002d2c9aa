// Fuzzes the KWVF reader and drawing from what it maps: any bytes are either refused or mapped so that
// every frame can be drawn and read anywhere without leaving the strip's data or the picture.
#include <cstddef>
#include <cstdint>
#include "core/KW_error.h"
#include "core/KW_resource.h"
#include "graphics/KW_Pic.h"
#include "graphics/KW_Vid.h"

// This program embeds no resources.
const KW_Blob KW_blobs[] = {{nullptr, nullptr, 0}};

// Refusals come by the thousand here: they are not shown.
int KW_error_show(const char*) { return 1; }

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    KW_Vid vid;
    if (!vid.map(data, size)) return 0;
    const uint64_t perFrame = ((uint64_t(vid.width) + 3) / 4) * ((uint64_t(vid.height) + 3) / 4);
    if (20 + 64 * uint64_t(vid.blockCount) + 2 * uint64_t(vid.frameCount) * perFrame != size) __builtin_trap();
    KW_Pic<KW_Pix_A32> dest;
    dest.resize(16, 16);
    const KW_Rect parts[] = {
        {0, 0, vid.width, vid.height}, {-7, -5, 20, 19}, {INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX}, {2, 2, 6, 6}};
    const int32_t places[][2] = {{0, 0}, {-3, 9}, {INT32_MIN, INT32_MAX}};
    const int32_t frames[] = {-1, 0, vid.frameCount / 2, vid.frameCount - 1, vid.frameCount, INT32_MAX};
    uint32_t seen = 0;
    for (int32_t f : frames) {
        for (const KW_Rect& part : parts)
            for (const auto& at : places) vid.drawFrame(f, dest, at[0], at[1], part);
        for (int32_t y = -1; y <= 16; ++y)
            for (int32_t x = -1; x <= 16; ++x) seen += vid.pixelAt(f, x, y).word();
    }
    static volatile uint32_t sink;
    sink = seen;  // keeps the reads
    return 0;
}
