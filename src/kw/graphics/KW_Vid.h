// A frame strip mapped from a KWVF resource: equal frames cut into 4 x 4-pixel blocks, each distinct block
// stored once and every frame a table of block numbers. Drawn straight from the resource, block by block.
#pragma once
#include <cstddef>
#include <cstdint>
#include "graphics/KW_Pic_Base.h"
#include "graphics/KW_Pix_A32.h"
#include "graphics/KW_Rect.h"

class KW_Vid {
public:
    int32_t blockCount = 0;
    int32_t frameCount = 0;
    int32_t width = 0;
    int32_t height = 0;
    const KW_Pix_A32* blocks = nullptr;
    const uint16_t* index = nullptr;

    // Describes a KWVF strip of `size` bytes. Data whose sizes do not match its length, or whose block
    // numbers reach past its blocks, is reported and refused, and the strip stays as it was; no data
    // (a resource the loader did not find, and has reported) is refused silently.
    bool map(const void* data, std::size_t size);
    // map of the named "DATA" resource.
    bool mapResource(const char* name);

    // Blends the part (in frame coordinates) of a frame into the picture with the part's top-left corner at
    // (x, y). Only what lies inside both the frame and the picture is drawn; a frame number out of range
    // draws nothing and answers false.
    bool drawFrame(int32_t frame, KW_Pic_Base<KW_Pix_A32>& picture, int32_t x, int32_t y, const KW_Rect& part) const;

    // The frame's pixel at (x, y); transparent outside the strip.
    KW_Pix_A32 pixelAt(int32_t frame, int32_t x, int32_t y) const;

private:
    int64_t blockColumns() const { return (int64_t(width) + 3) / 4; }
    int64_t blockRows() const { return (int64_t(height) + 3) / 4; }
    // The block shown at block position (bx, by) of a frame.
    const KW_Pix_A32* blockAt(int32_t frame, int64_t bx, int64_t by) const;
};
