// A picture: width x height pixels, row by row from the top, no padding. Its pixels are either storage
// that resize gave it or a KWIF resource mapped in place, which is read-only and never freed.
#pragma once
#include <cstddef>
#include <cstdint>
#include "graphics/KW_Rect.h"

template <class TPix>
class KW_Pic_Base {
public:
    int32_t width = 0;
    int32_t height = 0;
    TPix* pixels = nullptr;

    // Largest picture resize gives: row offsets and byte counts stay within 32 bits.
    static constexpr int64_t maxPixels = int64_t(1) << 26;

    KW_Pic_Base() = default;
    KW_Pic_Base(const KW_Pic_Base&) = delete;
    KW_Pic_Base& operator=(const KW_Pic_Base&) = delete;
    virtual ~KW_Pic_Base();

    // Gives the picture storage of its own for w x h pixels, all 0. A size it cannot have (negative, larger
    // than maxPixels, or memory refused) is reported and leaves the picture as it was.
    virtual bool resize(int32_t w, int32_t h);

    // Shows a KWIF picture of `size` bytes in place. Data that is not exactly one KWIF picture is reported
    // and refused, and the picture stays as it was; no data (a resource the loader did not find, and has
    // reported) is refused silently. Storage from an earlier resize stays allocated.
    bool map(const void* data, std::size_t size);
    // map of the named "DATA" resource.
    bool mapResource(const char* name);

    TPix* row(int32_t y) const { return pixels + std::ptrdiff_t(y) * width; }

    // Blends the part of the source into the destination with that part's top-left corner at (x, y).
    // The source repeats as a tiling anchored at (0, 0) of the part's coordinates, negative ones included;
    // whatever falls outside the destination is left out.
    static void composite(const KW_Pic_Base& source, KW_Pic_Base& destination, int32_t x, int32_t y,
                          const KW_Rect* part);

protected:
    // True for a size resize can give; otherwise reports it.
    static bool sizeAllowed(int32_t w, int32_t h);

private:
    TPix* own = nullptr;
};
