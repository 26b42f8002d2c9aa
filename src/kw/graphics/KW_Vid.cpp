#include "graphics/KW_Vid.h"
#include <algorithm>
#include <cstring>
#include "core/KW_error.h"
#include "core/KW_resource.h"

namespace {

constexpr std::size_t headerBytes = 20;
constexpr std::size_t blockBytes = 16 * sizeof(KW_Pix_A32);

// Every refusal of the reader is reported from the reader's one place.
void refuse(const char* message) {
    KW_error_func("../../../projects/KW/KW/Vid", 14, "KW_Vid::map", __DATE__, __TIME__, message);
}

uint32_t le32(const unsigned char* p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

}  // namespace

bool KW_Vid::map(const void* data, std::size_t size) {
    if (!data) return false;
    const auto* bytes = static_cast<const unsigned char*>(data);
    if (size < headerBytes || std::memcmp(bytes, "KWVF", 4) != 0) {
        refuse("Invalid KWVF header");
        return false;
    }
    const uint64_t w = le32(bytes + 4), h = le32(bytes + 8), b = le32(bytes + 12), f = le32(bytes + 16);
    const uint64_t perFrame = ((w + 3) / 4) * ((h + 3) / 4);
    const uint64_t rest = size - headerBytes;
    bool fits = w <= INT32_MAX && h <= INT32_MAX && b <= INT32_MAX && f <= INT32_MAX && b <= rest / blockBytes;
    const uint64_t tableBytes = fits ? rest - b * blockBytes : 0;
    fits = fits && (perFrame == 0 || f <= tableBytes / 2 / perFrame) && 2 * f * perFrame == tableBytes;
    if (!fits) {
        refuse("KWVF size does not match the resource length");
        return false;
    }
    const auto* table = reinterpret_cast<const uint16_t*>(bytes + headerBytes + b * blockBytes);
    const uint64_t entries = f * perFrame;
    for (uint64_t k = 0; k < entries; ++k) {
        if (table[k] >= b) {
            refuse("KWVF block number beyond the block count");
            return false;
        }
    }
    width = int32_t(w);
    height = int32_t(h);
    blockCount = int32_t(b);
    frameCount = int32_t(f);
    blocks = reinterpret_cast<const KW_Pix_A32*>(bytes + headerBytes);
    index = table;
    return true;
}

bool KW_Vid::mapResource(const char* name) {
    if (!name) return false;
    std::size_t size = 0;
    const void* data = KW_resource(name, &size);
    return map(data, size);
}

const KW_Pix_A32* KW_Vid::blockAt(int32_t frame, int64_t bx, int64_t by) const {
    const int64_t position = (frame * blockRows() + by) * blockColumns() + bx;
    return blocks + 16 * std::size_t(index[position]);
}

bool KW_Vid::drawFrame(int32_t frame, KW_Pic_Base<KW_Pix_A32>& picture, int32_t x, int32_t y,
                       const KW_Rect& part) const {
    if (!index || frame < 0 || frame >= frameCount) return false;
    // Frame pixel (j, i) lands on picture pixel (j + shiftX, i + shiftY).
    const int64_t shiftX = int64_t(x) - part.left, shiftY = int64_t(y) - part.top;
    const int64_t left = std::max<int64_t>({part.left, 0, -shiftX});
    const int64_t top = std::max<int64_t>({part.top, 0, -shiftY});
    const int64_t right = std::min<int64_t>({part.right, width, picture.width - shiftX});
    const int64_t bottom = std::min<int64_t>({part.bottom, height, picture.height - shiftY});
    if (left >= right || top >= bottom || !picture.pixels) return true;
    for (int64_t by = top / 4; by <= (bottom - 1) / 4; ++by) {
        const int64_t i0 = std::max(top, 4 * by), i1 = std::min(bottom, 4 * by + 4);
        for (int64_t bx = left / 4; bx <= (right - 1) / 4; ++bx) {
            const int64_t j0 = std::max(left, 4 * bx), j1 = std::min(right, 4 * bx + 4);
            const KW_Pix_A32* block = blockAt(frame, bx, by);
            for (int64_t i = i0; i < i1; ++i) {
                const KW_Pix_A32* from = block + 4 * (i - 4 * by) + (j0 - 4 * bx);
                KW_Pix_A32* to = picture.row(int32_t(i + shiftY)) + (j0 + shiftX);
                for (int64_t j = j0; j < j1; ++j) (to++)->blend(*from++);
            }
        }
    }
    return true;
}

KW_Pix_A32 KW_Vid::pixelAt(int32_t frame, int32_t x, int32_t y) const {
    if (!index || frame < 0 || frame >= frameCount || x < 0 || y < 0 || x >= width || y >= height) return {};
    return blockAt(frame, x / 4, y / 4)[4 * (y % 4) + x % 4];
}
