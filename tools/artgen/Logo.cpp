// The vendor's mark for the top of the editor: a round badge with a low-pass curve, then the name.
// Everything around the letters stays clear, so the editor's stripes show through.
#include <algorithm>
#include <cmath>
#include <limits>
#include "Art.h"
#include "Lettering.h"
#include "Paint.h"
#include "Palette.h"

namespace {

// The response of a low-pass filter, drawn across the badge: flat, a soft knee, then the fall.
float curveDistance(Vec p, Vec centre, float radius) {
    float best = std::numeric_limits<float>::max();
    const int steps = 32;
    Vec previous{};
    for (int k = 0; k <= steps; ++k) {
        const float u = -0.62f + 1.24f * k / steps;
        const float fall = smoothstep(-0.05f, 0.75f, u);
        const Vec q = centre + Vec{u, -0.22f + 0.78f * fall * fall} * radius;
        if (k > 0) best = std::min(best, segment(p, previous, q));
        previous = q;
    }
    return best;
}

}  // namespace

void paintLogo(Bundle& bundle) {
    const int w = 160, h = 30;
    const float badge = 12, gap = 8, wordGap = 7, capital = 12;
    const Lettering name("TEMBRIX", capital, 3.2f), kind("AUDIO", capital, 3.2f);
    const float left = std::floor((w - (2 * badge + gap + name.width() + wordGap + kind.width())) / 2);
    const Vec centre{left + badge, h / 2.0f};
    const Vec nameAt{left + 2 * badge + gap, (h - capital) / 2}, kindAt = nameAt + Vec{name.width() + wordGap, 0};
    const Vec drop{0, 1};

    Image image(w, h);
    haze(image, [&](Vec p) { return circle(p, centre + drop, badge); }, withAlpha(palette::shadow, 0.7f), 1.5f);
    fill(image, [&](Vec p) { return circle(p, centre, badge); }, palette::well);
    fill(image, [&](Vec p) { return std::fabs(circle(p, centre, badge - 1.2f)) - 0.8f; }, palette::accent);
    fill(image, [&](Vec p) { return curveDistance(p, centre, badge) - 1.1f; }, palette::ink);
    haze(image, [&](Vec p) { return name.distance(p - nameAt - drop) - 1.1f; }, withAlpha(palette::shadow, 0.8f), 1.2f);
    haze(image, [&](Vec p) { return kind.distance(p - kindAt - drop) - 0.7f; }, withAlpha(palette::shadow, 0.8f), 1.2f);
    fill(image, [&](Vec p) { return name.distance(p - nameAt) - 1.1f; }, palette::ink);
    fill(image, [&](Vec p) { return kind.distance(p - kindAt) - 0.7f; }, palette::accent);
    bundle.picture("SITELOGO", image);
}
