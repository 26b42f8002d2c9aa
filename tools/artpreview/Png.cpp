#include "Png.h"
#include <algorithm>
#include <cstdint>
#include <fstream>
#include <vector>

namespace {

uint32_t crc32(const uint8_t* data, std::size_t n, uint32_t crc = 0) {
    static const auto table = [] {
        std::vector<uint32_t> t(256);
        for (uint32_t k = 0; k < 256; ++k) {
            uint32_t c = k;
            for (int bit = 0; bit < 8; ++bit) c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[k] = c;
        }
        return t;
    }();
    crc = ~crc;
    for (std::size_t k = 0; k < n; ++k) crc = table[(crc ^ data[k]) & 255] ^ (crc >> 8);
    return ~crc;
}

void putBig32(std::vector<uint8_t>& out, uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(uint8_t(v >> shift));
}

void chunk(std::vector<uint8_t>& out, const char* type, const std::vector<uint8_t>& body) {
    putBig32(out, uint32_t(body.size()));
    const std::size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), body.begin(), body.end());
    putBig32(out, crc32(&out[start], out.size() - start));
}

// A zlib stream of stored (uncompressed) deflate blocks.
std::vector<uint8_t> zlibStored(const std::vector<uint8_t>& raw) {
    std::vector<uint8_t> out{0x78, 0x01};
    std::size_t at = 0;
    do {
        const std::size_t n = std::min<std::size_t>(raw.size() - at, 65535);
        out.push_back(at + n == raw.size() ? 1 : 0);
        out.push_back(uint8_t(n));
        out.push_back(uint8_t(n >> 8));
        out.push_back(uint8_t(~n));
        out.push_back(uint8_t(~n >> 8));
        out.insert(out.end(), raw.begin() + std::ptrdiff_t(at), raw.begin() + std::ptrdiff_t(at + n));
        at += n;
    } while (at < raw.size());
    uint32_t a = 1, b = 0;
    for (uint8_t v : raw) {
        a = (a + v) % 65521;
        b = (b + a) % 65521;
    }
    putBig32(out, b << 16 | a);
    return out;
}

}  // namespace

bool writePng(const std::string& path, const KW_Pic_Base<KW_Pix_A32>& picture) {
    std::vector<uint8_t> raw;
    for (int32_t y = 0; y < picture.height; ++y) {
        raw.push_back(0);  // no filter
        for (int32_t x = 0; x < picture.width; ++x) {
            const KW_Pix_A32 p = picture.row(y)[x];
            raw.insert(raw.end(), {p.r, p.g, p.b, p.a});
        }
    }
    std::vector<uint8_t> header;
    putBig32(header, uint32_t(picture.width));
    putBig32(header, uint32_t(picture.height));
    header.insert(header.end(), {8, 6, 0, 0, 0});  // 8 bits, RGBA, deflate, no filter choice, no interlace
    std::vector<uint8_t> file{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    chunk(file, "IHDR", header);
    chunk(file, "IDAT", zlibStored(raw));
    chunk(file, "IEND", {});
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(file.data()), std::streamsize(file.size()));
    return bool(out);
}
