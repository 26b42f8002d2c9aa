#include "Image.h"
#include <algorithm>
#include <cmath>

Rgba rgb(uint32_t hex, float alpha) {
    return {float((hex >> 16) & 255) / 255, float((hex >> 8) & 255) / 255, float(hex & 255) / 255, alpha};
}

Rgba mix(Rgba from, Rgba to, float t) {
    return {from.r + (to.r - from.r) * t, from.g + (to.g - from.g) * t, from.b + (to.b - from.b) * t,
            from.a + (to.a - from.a) * t};
}

Rgba withAlpha(Rgba c, float alpha) {
    c.a = alpha;
    return c;
}

Image::Image(int width, int height) : w(width), h(height), px(std::size_t(width) * height) {}

void Image::over(int x, int y, Rgba c, float share) {
    if (x < 0 || y < 0 || x >= w || y >= h) return;
    const float a = std::clamp(c.a * share, 0.0f, 1.0f);
    Rgba& d = px[std::size_t(y) * w + x];
    d.r = c.r * a + d.r * (1 - a);
    d.g = c.g * a + d.g * (1 - a);
    d.b = c.b * a + d.b * (1 - a);
    d.a = a + d.a * (1 - a);
}

void Image::set(int x, int y, Rgba c) {
    if (x < 0 || y < 0 || x >= w || y >= h) return;
    px[std::size_t(y) * w + x] = {c.r * c.a, c.g * c.a, c.b * c.a, c.a};
}

Rgba Image::at(int x, int y) const {
    const Rgba& p = px[std::size_t(y) * w + x];
    if (p.a <= 0) return {};
    return {p.r / p.a, p.g / p.a, p.b / p.a, p.a};
}

std::vector<uint8_t> Image::bytes() const {
    auto byte = [](float v) { return uint8_t(std::lround(std::clamp(v, 0.0f, 1.0f) * 255)); };
    std::vector<uint8_t> out;
    out.reserve(px.size() * 4);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const Rgba c = at(x, y);
            const uint8_t a = byte(c.a);
            // A fully transparent pixel is stored as 0, so transparent surroundings deduplicate and read as empty.
            out.push_back(a ? byte(c.b) : 0);
            out.push_back(a ? byte(c.g) : 0);
            out.push_back(a ? byte(c.r) : 0);
            out.push_back(a);
        }
    }
    return out;
}
