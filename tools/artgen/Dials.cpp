// The knobs: a metal cap in a round recess, a value track around it lit up to the pointer's angle.
// Frame 0 points to the lower left, the middle frame straight up, the last to the lower right (a
// clockwise sweep of 270 degrees). Only the pointer and the end of the lit track change from frame to
// frame, so most blocks are shared.
#include <vector>
#include "Art.h"
#include "Controls.h"

namespace {

constexpr float sweepFrom = -0.75f * pi, sweepTo = 0.75f * pi;

Image dial(int size, float position) {
    const float s = size / 64.0f;
    const Vec c{size / 2.0f, size / 2.0f};
    const float angle = sweepFrom + (sweepTo - sweepFrom) * position;
    const float ring = 27 * s, ringWidth = 3.2f * s, body = 21 * s;
    Image image(size, size);
    recess(image, [&](Vec p) { return circle(p, c, size / 2.0f - 0.75f); });
    fill(image, [&](Vec p) { return arc(p, c, ring, sweepFrom, sweepTo) - ringWidth / 2; }, palette::track);
    if (position > 0) glowing(image, [&](Vec p) { return arc(p, c, ring, sweepFrom, angle); }, ringWidth, s);
    cap(image, [&](Vec p) { return circle(p, c, body); }, c.y - body, c.y + body, s);
    const Vec inner = c + heading(angle) * (6 * s), outer = c + heading(angle) * (17 * s);
    haze(image, [&](Vec p) { return segment(p - Vec{0, 0.8f * s}, inner, outer) - 1.4f * s; },
         withAlpha(palette::shadow, 0.6f), 1.0f * s);
    fill(image, [&](Vec p) { return segment(p, inner, outer) - 1.3f * s; }, palette::pointer);
    return image;
}

std::vector<Image> dialFrames(int size, int frames) {
    std::vector<Image> out;
    for (int f = 0; f < frames; ++f) out.push_back(dial(size, float(f) / float(frames - 1)));
    return out;
}

}  // namespace

void paintDials(Bundle& bundle) {
    bundle.strip("BIG", dialFrames(64, 265));
    bundle.strip("KNOB", dialFrames(32, 100));
}
