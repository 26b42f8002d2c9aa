// A picture being drawn, in float colour: layers are laid one over another with coverage.
#pragma once
#include <cstdint>
#include <vector>

// A colour with straight (not premultiplied) alpha, every channel 0..1.
struct Rgba {
    float r = 0;
    float g = 0;
    float b = 0;
    float a = 0;
};

// 0xRRGGBB with an opacity.
Rgba rgb(uint32_t hex, float alpha = 1);
Rgba mix(Rgba from, Rgba to, float t);
Rgba withAlpha(Rgba c, float alpha);

class Image {
public:
    Image(int width, int height);

    int width() const { return w; }
    int height() const { return h; }

    // Lays c over pixel (x, y), covering the given share of it; pixels outside are ignored.
    void over(int x, int y, Rgba c, float share);
    // Replaces pixel (x, y) (for pixels whose bytes carry data, such as meter segment numbers).
    void set(int x, int y, Rgba c);
    Rgba at(int x, int y) const;

    // The pixels as stored: bytes blue, green, red, alpha, rows from the top.
    std::vector<uint8_t> bytes() const;

private:
    int w;
    int h;
    std::vector<Rgba> px;  // premultiplied
};
