#include "Art.h"
#include <array>
#include <cstring>
#include <functional>
#include <map>
#include <vector>
#include "core/KW_resource.h"

namespace {

typedef std::vector<unsigned char> Bytes;
typedef std::function<KW_Pix_A32(int frame, int x, int y)> Painter;

void put32(Bytes& b, uint32_t v) {
    for (int k = 0; k < 4; ++k) b.push_back(uint8_t(v >> (8 * k)));
}
void putPixel(Bytes& b, KW_Pix_A32 p) { put32(b, p.word()); }

Bytes kwif(int w, int h, const std::function<KW_Pix_A32(int, int)>& paint) {
    Bytes b{'K', 'W', 'I', 'F'};
    put32(b, w);
    put32(b, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) putPixel(b, paint(x, y));
    return b;
}

// Blocks are stored once each, numbered in the order they first appear.
Bytes kwvf(int w, int h, int frames, const Painter& paint) {
    const int bw = (w - 1) / 4 + 1, bh = (h - 1) / 4 + 1;
    std::map<std::array<uint32_t, 16>, uint16_t> numbers;
    std::vector<std::array<uint32_t, 16>> blocks;
    std::vector<uint16_t> index;
    for (int f = 0; f < frames; ++f)
        for (int by = 0; by < bh; ++by)
            for (int bx = 0; bx < bw; ++bx) {
                std::array<uint32_t, 16> block{};
                for (int k = 0; k < 16; ++k) block[k] = paint(f, 4 * bx + k % 4, 4 * by + k / 4).word();
                auto found = numbers.emplace(block, uint16_t(blocks.size()));
                if (found.second) blocks.push_back(block);
                index.push_back(found.first->second);
            }
    Bytes b{'K', 'W', 'V', 'F'};
    put32(b, w);
    put32(b, h);
    put32(b, uint32_t(blocks.size()));
    put32(b, frames);
    for (const auto& block : blocks)
        for (uint32_t word : block) put32(b, word);
    for (uint16_t n : index) {
        b.push_back(uint8_t(n));
        b.push_back(uint8_t(n >> 8));
    }
    return b;
}

const Bytes solidBytes = kwif(63, 63, art::solid);
const Bytes logoBytes = kwif(160, 30, [](int, int) { return KW_Pix_A32{90, 90, 90, 255}; });
const Bytes faintBytes = kwif(10, 10, [](int, int) { return KW_Pix_A32{0, 0, 200, 100}; });
const Bytes butBytes = kwvf(40, 24, 2, art::but);
const Bytes bigBytes = kwvf(64, 64, 265, art::big);
const Bytes oneBytes = kwvf(8, 8, 1, [](int, int, int) { return KW_Pix_A32{255, 255, 255, 255}; });

}  // namespace

namespace art {

KW_Pix_A32 solid(int x, int y) { return {77, uint8_t(y), uint8_t(x), 255}; }

KW_Pix_A32 but(int frame, int x, int) {
    const uint8_t alpha = x < 4 ? 127 : x < 8 ? 128 : x < 20 ? 100 : 255;
    return {20, 50, uint8_t(100 + 100 * frame), alpha};
}

KW_Pix_A32 big(int frame, int x, int y) {
    if (x < 8 || x >= 56 || y < 8 || y >= 56) return {};
    return {7, uint8_t(frame / 256), uint8_t(frame % 256), 255};
}

}  // namespace art

const KW_Blob KW_blobs[] = {
    {"SOLID", solidBytes.data(), solidBytes.size()},
    {"LOGO", logoBytes.data(), logoBytes.size()},
    {"FAINT", faintBytes.data(), faintBytes.size()},
    {"BUT", butBytes.data(), butBytes.size()},
    {"BIG", bigBytes.data(), bigBytes.size()},
    {"ONE", oneBytes.data(), oneBytes.size()},
    {"NOTPIC", butBytes.data(), butBytes.size()},
    {"NOTVID", faintBytes.data(), faintBytes.size()},
    {nullptr, nullptr, 0},
};
