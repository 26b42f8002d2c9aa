#include "Encode.h"
#include <map>
#include <stdexcept>
#include <string>

namespace {

void put32(std::vector<uint8_t>& out, uint32_t v) {
    for (int k = 0; k < 4; ++k) out.push_back(uint8_t(v >> (8 * k)));
}

}  // namespace

std::vector<uint8_t> encodeKwif(const Image& picture) {
    std::vector<uint8_t> out{'K', 'W', 'I', 'F'};
    put32(out, uint32_t(picture.width()));
    put32(out, uint32_t(picture.height()));
    const std::vector<uint8_t> pixels = picture.bytes();
    out.insert(out.end(), pixels.begin(), pixels.end());
    return out;
}

std::vector<uint8_t> encodeKwvf(const std::vector<Image>& frames) {
    if (frames.empty()) throw std::runtime_error("a strip needs a frame");
    const int w = frames[0].width(), h = frames[0].height();
    const int bw = (w + 3) / 4, bh = (h + 3) / 4;
    std::map<std::string, uint16_t> numbers;  // block bytes -> block number, in order of first use
    std::string blocks;
    std::vector<uint16_t> index;
    for (const Image& frame : frames) {
        if (frame.width() != w || frame.height() != h) throw std::runtime_error("frames differ in size");
        const std::vector<uint8_t> px = frame.bytes();
        for (int by = 0; by < bh; ++by) {
            for (int bx = 0; bx < bw; ++bx) {
                std::string block(64, '\0');  // pixels beyond a partial edge stay transparent
                for (int i = 0; i < 4; ++i) {
                    for (int j = 0; j < 4; ++j) {
                        const int x = 4 * bx + j, y = 4 * by + i;
                        if (x < w && y < h) block.replace(std::size_t(16 * i + 4 * j), 4, reinterpret_cast<const char*>(&px[std::size_t(4 * (y * w + x))]), 4);
                    }
                }
                auto found = numbers.find(block);
                if (found == numbers.end()) {
                    if (numbers.size() > 0xFFFF) throw std::runtime_error("more blocks than 16-bit numbers reach");
                    found = numbers.emplace(block, uint16_t(numbers.size())).first;
                    blocks += block;
                }
                index.push_back(found->second);
            }
        }
    }
    std::vector<uint8_t> out{'K', 'W', 'V', 'F'};
    put32(out, uint32_t(w));
    put32(out, uint32_t(h));
    put32(out, uint32_t(numbers.size()));
    put32(out, uint32_t(frames.size()));
    out.insert(out.end(), blocks.begin(), blocks.end());
    for (uint16_t n : index) {
        out.push_back(uint8_t(n));
        out.push_back(uint8_t(n >> 8));
    }
    return out;
}
