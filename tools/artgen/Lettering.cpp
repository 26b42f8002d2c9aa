#include "Lettering.h"
#include <limits>
#include <vector>

namespace {

struct Stroke {
    bool isArc;
    Vec a;        // segment start, or arc centre
    Vec b;        // segment end, or (arc from, arc to) as angles
    float radius;
};

Stroke line(float x0, float y0, float x1, float y1) { return {false, {x0, y0}, {x1, y1}, 0}; }
Stroke bend(float cx, float cy, float r, float from, float to) { return {true, {cx, cy}, {from, to}, r}; }

struct Glyph {
    float advance;
    std::vector<Stroke> strokes;
};

// Letters the wordmark uses; y runs down from the top of the capitals (0) to the baseline (1).
const Glyph& glyph(char c) {
    static const Glyph space{0.35f, {}};
    static const Glyph a{0.74f, {line(0, 1, 0.37f, 0), line(0.37f, 0, 0.74f, 1), line(0.14f, 0.64f, 0.60f, 0.64f)}};
    static const Glyph b{0.62f, {line(0, 0, 0, 1), line(0, 0, 0.36f, 0), bend(0.36f, 0.24f, 0.24f, 0, pi),
                                 line(0, 0.48f, 0.38f, 0.48f), line(0, 1, 0.38f, 1), bend(0.38f, 0.74f, 0.26f, 0, pi)}};
    static const Glyph d{0.8f, {line(0, 0, 0, 1), line(0, 0, 0.3f, 0), line(0, 1, 0.3f, 1), bend(0.3f, 0.5f, 0.5f, 0, pi)}};
    static const Glyph e{0.58f, {line(0, 0, 0, 1), line(0, 0, 0.58f, 0), line(0, 0.5f, 0.5f, 0.5f), line(0, 1, 0.58f, 1)}};
    static const Glyph i{0, {line(0, 0, 0, 1)}};
    static const Glyph m{0.86f, {line(0, 1, 0, 0), line(0, 0, 0.43f, 0.62f), line(0.43f, 0.62f, 0.86f, 0), line(0.86f, 0, 0.86f, 1)}};
    static const Glyph o{1, {bend(0.5f, 0.5f, 0.5f, 0, 2 * pi)}};
    static const Glyph r{0.64f, {line(0, 0, 0, 1), line(0, 0, 0.36f, 0), bend(0.36f, 0.25f, 0.25f, 0, pi),
                                 line(0, 0.5f, 0.36f, 0.5f), line(0.32f, 0.5f, 0.64f, 1)}};
    static const Glyph t{0.72f, {line(0, 0, 0.72f, 0), line(0.36f, 0, 0.36f, 1)}};
    static const Glyph u{0.7f, {line(0, 0, 0, 0.65f), bend(0.35f, 0.65f, 0.35f, pi / 2, 3 * pi / 2), line(0.7f, 0.65f, 0.7f, 0)}};
    static const Glyph x{0.7f, {line(0, 0, 0.7f, 1), line(0.7f, 0, 0, 1)}};
    switch (c) {
        case 'A': return a;
        case 'B': return b;
        case 'D': return d;
        case 'E': return e;
        case 'I': return i;
        case 'M': return m;
        case 'O': return o;
        case 'R': return r;
        case 'T': return t;
        case 'U': return u;
        case 'X': return x;
        default: return space;
    }
}

}  // namespace

Lettering::Lettering(const std::string& text, float height, float tracking)
    : text(text), height(height), tracking(tracking) {}

float Lettering::width() const {
    float w = 0;
    for (char c : text) w += glyph(c).advance * height + tracking;
    return text.empty() ? 0 : w - tracking;
}

float Lettering::distance(Vec p) const {
    float best = std::numeric_limits<float>::max();
    float left = 0;
    for (char c : text) {
        const Glyph& g = glyph(c);
        const Vec q = (p - Vec{left, 0}) * (1 / height);  // into the glyph's own units
        for (const Stroke& s : g.strokes) {
            const float d = s.isArc ? arc(q, s.a, s.radius, s.b.x, s.b.y) : segment(q, s.a, s.b);
            best = std::min(best, d * height);
        }
        left += g.advance * height + tracking;
    }
    return best;
}
