// The two-state buttons: a metal cap in a recess with a symbol on it. Frame 0 is off: the symbol is
// engraved, dark. Frame 1 is on: the cap is pressed and the symbol glows in the accent colour.
#include <algorithm>
#include <functional>
#include <vector>
#include "Art.h"
#include "Controls.h"

namespace {

using Mark = std::function<float(Vec)>;  // distance to the symbol's centre lines, in units of its half size

float polyline(Vec p, std::initializer_list<Vec> points) {
    float best = 1e9f;
    for (auto q = points.begin(); q + 1 != points.end(); ++q) best = std::min(best, segment(p, *q, *(q + 1)));
    return best;
}

float tray(Vec p) { return polyline(p, {{-0.95f, 0.25f}, {-0.95f, 0.95f}, {0.95f, 0.95f}, {0.95f, 0.25f}}); }

float power(Vec p) {
    return std::min(arc(p, {0, 0.1f}, 0.85f, 0.65f, 2 * pi - 0.65f), segment(p, {0, -1}, {0, -0.05f}));
}

float load(Vec p) {
    return std::min({tray(p), segment(p, {0, 0.5f}, {0, -0.95f}), polyline(p, {{-0.5f, -0.45f}, {0, -0.95f}, {0.5f, -0.45f}})});
}

float save(Vec p) {
    return std::min({tray(p), segment(p, {0, -0.95f}, {0, 0.5f}), polyline(p, {{-0.5f, 0}, {0, 0.5f}, {0.5f, 0}})});
}

float peek(Vec p) {
    const float lids = std::min(arc(p, {0, 1.05f}, 1.75f, -0.93f, 0.93f), arc(p, {0, -1.05f}, 1.75f, pi - 0.93f, pi + 0.93f));
    return std::min(lids, std::max(circle(p, {0, 0}, 0.3f), 0.0f));
}

Image button(const Mark& mark, bool on) {
    const int w = 40, h = 24;
    const Vec c{w / 2.0f, h / 2.0f};
    const float unit = 5.5f, stroke = 1.7f;
    Image image(w, h);
    recess(image, [&](Vec p) { return roundBox(p, c, {w / 2.0f - 0.75f, h / 2.0f - 0.75f}, 6); });
    cap(image, [&](Vec p) { return roundBox(p, c + Vec{0, on ? 0.5f : 0}, {15.5f, 8.5f}, 4); }, c.y - 8.5f, c.y + 8.5f, 0.6f, on);
    const Vec centre = c + Vec{0, on ? 0.5f : 0};
    auto line = [&](Vec p) { return mark((p - centre) * (1 / unit)) * unit; };
    if (on) {
        glowing(image, line, stroke, 0.9f);
    } else {
        // Engraved: a dark groove with a faint edge of light under it.
        fill(image, [&](Vec p) { return line(p - Vec{0, 0.8f}) - stroke / 2; }, withAlpha(rgb(0xaab0ba), 0.22f));
        fill(image, [&](Vec p) { return line(p) - stroke / 2; }, palette::markOff);
    }
    return image;
}

void pair(Bundle& bundle, const char* name, const Mark& mark) {
    bundle.strip(name, std::vector<Image>{button(mark, false), button(mark, true)});
}

}  // namespace

void paintButtons(Bundle& bundle) {
    pair(bundle, "BUT", power);
    pair(bundle, "LOAD", load);
    pair(bundle, "PEEK", peek);
    pair(bundle, "SAVE", save);
}
