#include "graphics/KW_Pic_Base.h"
#include <algorithm>
#include <cstring>
#include <new>
#include "core/KW_error.h"
#include "core/KW_resource.h"
#include "core/KW_status.h"
#include "graphics/KW_Pix_A32.h"

namespace {

// Every refusal of the reader is reported from the reader's one place.
void refuse(const char* message) {
    KW_error_func("../../../projects/KW/KW/Pic/Base", 21, "KW_Pic_Base<TPix>::map", __DATE__, __TIME__, message);
}

uint32_t le32(const unsigned char* p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

// Floor modulo: the tiling continues to the left of and above the origin.
int32_t wrap(int64_t v, int32_t n) {
    int64_t m = v % n;
    return int32_t(m < 0 ? m + n : m);
}

}  // namespace

template <class TPix>
KW_Pic_Base<TPix>::~KW_Pic_Base() {
    delete[] own;
}

template <class TPix>
bool KW_Pic_Base<TPix>::sizeAllowed(int32_t w, int32_t h) {
    if (w >= 0 && h >= 0 && int64_t(w) * h <= maxPixels) return true;
    KW_ERROR("KW_Pic_Base<TPix>::resize", KW_ERROR_MEMORY_CANNOT_ALLOCATE);
    return false;
}

template <class TPix>
bool KW_Pic_Base<TPix>::resize(int32_t w, int32_t h) {
    if (!sizeAllowed(w, h)) return false;
    TPix* fresh = new (std::nothrow) TPix[std::size_t(w) * std::size_t(h)]();
    if (!fresh) {
        KW_ERROR("KW_Pic_Base<TPix>::resize", KW_ERROR_MEMORY_CANNOT_ALLOCATE);
        return false;
    }
    delete[] own;
    own = fresh;
    pixels = fresh;
    width = w;
    height = h;
    return true;
}

template <class TPix>
bool KW_Pic_Base<TPix>::map(const void* data, std::size_t size) {
    if (!data) return false;
    const auto* bytes = static_cast<const unsigned char*>(data);
    if (size < 12 || std::memcmp(bytes, "KWIF", 4) != 0) {
        refuse("Invalid KWIF header");
        return false;
    }
    const uint64_t w = le32(bytes + 4), h = le32(bytes + 8);
    const uint64_t room = (size - 12) / sizeof(TPix);
    if (w > INT32_MAX || h > INT32_MAX || (w != 0 && h > room / w) || 12 + sizeof(TPix) * w * h != size) {
        refuse("KWIF size does not match the resource length");
        return false;
    }
    width = int32_t(w);
    height = int32_t(h);
    pixels = reinterpret_cast<TPix*>(const_cast<unsigned char*>(bytes + 12));
    return true;
}

template <class TPix>
bool KW_Pic_Base<TPix>::mapResource(const char* name) {
    if (!name) return false;
    std::size_t size = 0;
    const void* data = KW_resource(name, &size);
    return map(data, size);
}

template <class TPix>
void KW_Pic_Base<TPix>::composite(const KW_Pic_Base& s, KW_Pic_Base& d, int32_t x, int32_t y, const KW_Rect* part) {
    if (!part || !s.pixels || s.width <= 0 || s.height <= 0 || !d.pixels) return;
    // Part coordinate j lands on destination column j - part.left + x: keep the columns and rows that land inside.
    const int64_t shiftX = int64_t(x) - part->left, shiftY = int64_t(y) - part->top;
    const int64_t j0 = std::max<int64_t>(part->left, -shiftX), j1 = std::min<int64_t>(part->right, d.width - shiftX);
    const int64_t i0 = std::max<int64_t>(part->top, -shiftY), i1 = std::min<int64_t>(part->bottom, d.height - shiftY);
    if (j0 >= j1 || i0 >= i1) return;
    const int32_t firstColumn = wrap(j0, s.width);
    for (int64_t i = i0; i < i1; ++i) {
        const TPix* from = s.row(wrap(i, s.height));
        TPix* to = d.row(int32_t(i + shiftY)) + (j0 + shiftX);
        // Runs of whole source rows between the wraps, so that the inner loop is plain.
        int32_t c = firstColumn;
        for (int64_t n = j1 - j0; n > 0; c = 0) {
            const int64_t run = std::min<int64_t>(n, s.width - c);
            for (int64_t k = 0; k < run; ++k) to[k].blend(from[c + k]);
            to += run;
            n -= run;
        }
    }
}

template class KW_Pic_Base<KW_Pix_A32>;
