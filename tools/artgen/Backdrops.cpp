// The two opaque textures: the editor's diagonal stripes and the brushed face of the control panel.
// Both repeat over areas larger than themselves, so both are periodic in their own size.
#include <cmath>
#include <cstdint>
#include "Art.h"
#include "Paint.h"
#include "Palette.h"

namespace {

// Stripes along x + y with a period that divides the picture's size, so the texture tiles without a seam.
Image stripes() {
    const int size = 63;
    const float period = 9, band = 4;
    Image image(size, size);
    fill(image, [](Vec) { return -1.0f; }, palette::backdrop);
    fill(image, [&](Vec p) {
        const float t = std::fmod(p.x + p.y, period);
        const float along = t < band ? -std::min(t, band - t) : std::min(t - band, period - t);
        return along / std::sqrt(2.0f);  // distance across the stripe
    }, palette::backdropStripe);
    return image;
}

// A repeatable hash of a lattice point, 0..1.
float hash(uint32_t x, uint32_t y) {
    uint32_t h = x * 0x8da6b343u ^ y * 0xd8163841u;
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    h ^= h >> 15;
    return float(h & 0xffff) / 65535.0f;
}

// Value noise on a lattice of cells x rows that wraps around, smoothly interpolated.
float wrappingNoise(float u, float v, int cells, int rows) {
    const int x0 = int(std::floor(u)), y0 = int(std::floor(v));
    const float fx = smoothstep(0, 1, u - x0), fy = smoothstep(0, 1, v - y0);
    auto at = [&](int x, int y) { return hash(uint32_t((x % cells + cells) % cells), uint32_t((y % rows + rows) % rows)); };
    const float top = at(x0, y0) + (at(x0 + 1, y0) - at(x0, y0)) * fx;
    const float bottom = at(x0, y0 + 1) + (at(x0 + 1, y0 + 1) - at(x0, y0 + 1)) * fx;
    return top + (bottom - top) * fy;
}

// Horizontal brushing: long streaks along x, fine variation across them; every lattice wraps at the size.
Image brushedPanel() {
    const int size = 128;
    Image image(size, size);
    fill(image, [](Vec) { return -1.0f; }, [&](Vec p) {
        const float streaks = wrappingNoise(p.x / 32, p.y / 2, size / 32, size / 2);
        const float grain = wrappingNoise(p.x / 4, p.y, size / 4, size);
        const float lift = (streaks - 0.5f) * 0.022f + (grain - 0.5f) * 0.010f;
        Rgba c = palette::panel;
        c.r += lift;
        c.g += lift;
        c.b += lift;
        return c;
    });
    return image;
}

}  // namespace

void paintBackdrops(Bundle& bundle) {
    bundle.picture("BGND", stripes());
    bundle.picture("GMM", brushedPanel());
}
