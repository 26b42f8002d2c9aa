// The one sample converter between device channels and float work buffers.
#include <cstring>
#include "audio/KW_Rts.h"

std::atomic<bool> KW_Rts::conversionFailed{false};

namespace {

struct Format {
    int stride;
    int shift;  // 32 - significant bits: how far integer samples move to be left-justified
    int kind;   // 0 to 3: integers of 1 to 4 bytes; 4 float32; 5 float64
};

bool decode(int32_t word, Format& f) {
    uint32_t w = uint32_t(word);
    int bits = (w >> 8) & 0xFF;
    int size = (bits + ((w >> 16) & 0xFF)) / 8;
    f.stride = w & 0xFF;
    f.shift = 32 - bits;
    if (w >> 24) {
        f.kind = size == 4 ? 4 : size == 8 ? 5 : -1;
    } else {
        f.kind = size - 1;
        if (size < 1 || size > 4 || bits < 1 || bits > 8 * size) f.kind = -1;
    }
    return f.kind >= 0;
}

// Little-endian signed integers of Size bytes.
template <int Size>
struct Int {
    static constexpr bool real = false;
    static int32_t get(const uint8_t* p) {
        uint32_t u = 0;
        for (int i = 0; i < Size; ++i) u |= uint32_t(p[i]) << (8 * i);
        return int32_t(u << (32 - 8 * Size)) >> (32 - 8 * Size);
    }
    static void put(uint8_t* p, int32_t v) {
        for (int i = 0; i < Size; ++i) p[i] = uint8_t(uint32_t(v) >> (8 * i));
    }
};

template <class F>
struct Real {
    static constexpr bool real = true;
    static long double get(const uint8_t* p) {
        F x;
        std::memcpy(&x, p, sizeof x);
        return x;
    }
    static void put(uint8_t* p, long double x) {
        F y = F(x);
        std::memcpy(p, &y, sizeof y);
    }
};

// Out-of-range values go to the nearest end; NaN, which has no nearest end, becomes silence.
long double clamp(long double x) {
    if (x > 1.0L) return 1.0L;
    if (x < -1.0L) return -1.0L;
    return x == x ? x : 0.0L;
}

typedef void (*Converter)(uint8_t* d, const uint8_t* s, int32_t n, const Format& df, const Format& sf);

// Integers travel left-justified in 32 bits; integer to integer moves bits only, anything that
// meets a float goes through the clamped value in extended precision.
template <class Src, class Dst>
void convert(uint8_t* d, const uint8_t* s, int32_t n, const Format& df, const Format& sf) {
    const long double scale = 2147483647.0L;
    for (int32_t i = 0; i < n; ++i, s += sf.stride, d += df.stride) {
        if constexpr (Src::real) {
            long double x = clamp(Src::get(s));
            if constexpr (Dst::real)
                Dst::put(d, x);
            else
                Dst::put(d, int32_t(x * scale) >> df.shift);
        } else {
            int32_t v = int32_t(uint32_t(Src::get(s)) << sf.shift);
            if constexpr (Dst::real)
                Dst::put(d, clamp(v * (1.0L / scale)));
            else
                Dst::put(d, v >> df.shift);
        }
    }
}

template <class Src>
constexpr Converter row[6] = {convert<Src, Int<1>>, convert<Src, Int<2>>, convert<Src, Int<3>>,
                              convert<Src, Int<4>>, convert<Src, Real<float>>, convert<Src, Real<double>>};

constexpr const Converter* converters[6] = {row<Int<1>>, row<Int<2>>, row<Int<3>>,
                                            row<Int<4>>, row<Real<float>>, row<Real<double>>};

}  // namespace

KW_status KW_Rts::copyBuffer(Chan& destination, Chan& source) {
    if (conversionFailed.load(std::memory_order_relaxed)) return nullptr;
    if (source.count != destination.count) {
        conversionFailed.store(true, std::memory_order_relaxed);
        return nullptr;
    }
    Format df, sf;
    if (!decode(destination.format, df) || !decode(source.format, sf) || source.count < 0) return nullptr;
    if (source.count && (!source.data || !destination.data)) return nullptr;
    converters[sf.kind][df.kind](static_cast<uint8_t*>(destination.data), static_cast<const uint8_t*>(source.data),
                                 source.count, df, sf);
    return KW_OK;
}
