// The 32-bit pixel: bytes blue, green, red, alpha in memory, read as one little-endian word 0xAARRGGBB.
#pragma once
#include <cstdint>

struct KW_Pix_A32 {
    uint8_t b = 0;
    uint8_t g = 0;
    uint8_t r = 0;
    uint8_t a = 0;

    static KW_Pix_A32 of(uint32_t word) {
        return {uint8_t(word), uint8_t(word >> 8), uint8_t(word >> 16), uint8_t(word >> 24)};
    }
    uint32_t word() const { return uint32_t(b) | uint32_t(g) << 8 | uint32_t(r) << 16 | uint32_t(a) << 24; }

    // The one blend of every drawing operation: each byte, alpha included, moves toward the source's by
    // s.a / 256, rounded down. Dividing by 256 (a shift) is what the stored art is made for: an opaque source
    // leaves a trace of what was below (white over black gives 254), a source of alpha 0 leaves it as it was.
    void blend(KW_Pix_A32 s) {
        r = toward(r, s.r, s.a);
        g = toward(g, s.g, s.a);
        b = toward(b, s.b, s.a);
        a = toward(a, s.a, s.a);
    }

private:
    // The difference is signed and the shift arithmetic, so the step is floored; the result stays in 0..255.
    static uint8_t toward(int d, int s, int weight) { return uint8_t(d + (((s - d) * weight) >> 8)); }
};

static_assert(sizeof(KW_Pix_A32) == 4, "a pixel is one 32-bit word");
