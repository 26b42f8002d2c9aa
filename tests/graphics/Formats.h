// Building KWIF and KWVF resources byte by byte, so that tests can feed the readers exact and broken data.
#pragma once
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>
#include "graphics/KW_Pix_A32.h"

namespace formats {

using Bytes = std::vector<unsigned char>;

inline void put32(Bytes& b, uint32_t v) {
    for (int k = 0; k < 4; ++k) b.push_back(static_cast<unsigned char>(v >> (8 * k)));
}

inline void putPixel(Bytes& b, KW_Pix_A32 p) { b.insert(b.end(), {p.b, p.g, p.r, p.a}); }

// A KWIF header (any magic) followed by the given pixels.
inline Bytes kwif(uint32_t w, uint32_t h, const std::vector<KW_Pix_A32>& pixels, const char* magic = "KWIF") {
    Bytes b(magic, magic + 4);
    put32(b, w);
    put32(b, h);
    for (KW_Pix_A32 p : pixels) putPixel(b, p);
    return b;
}

// A distinct, fully opaque pixel for every number, so tests can tell which source pixel landed where.
inline KW_Pix_A32 tag(uint32_t n) { return {uint8_t(n), uint8_t(n >> 8), uint8_t(n >> 16), 255}; }

// A KWVF strip: header, blocks (16 pixels each) and the block index table as given.
inline Bytes kwvf(uint32_t w, uint32_t h, uint32_t frames, const std::vector<std::vector<KW_Pix_A32>>& blocks,
                  const std::vector<uint16_t>& index, const char* magic = "KWVF") {
    Bytes b(magic, magic + 4);
    put32(b, w);
    put32(b, h);
    put32(b, uint32_t(blocks.size()));
    put32(b, frames);
    for (const auto& block : blocks)
        for (KW_Pix_A32 p : block) putPixel(b, p);
    for (uint16_t n : index) {
        b.push_back(uint8_t(n));
        b.push_back(uint8_t(n >> 8));
    }
    return b;
}

// Block k whose pixel (j, i) is tag(1000 k + 4 i + j).
inline std::vector<KW_Pix_A32> taggedBlock(uint32_t k) {
    std::vector<KW_Pix_A32> block;
    for (uint32_t n = 0; n < 16; ++n) block.push_back(tag(1000 * k + n));
    return block;
}

}  // namespace formats
