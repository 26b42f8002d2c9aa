// The horizontal slider: the knobs' family laid flat. A track lit from the left up to a metal thumb
// with a pointer line; frame 0 has the thumb at the left end, the last frame at the right end.
#include <vector>
#include "Art.h"
#include "Controls.h"

namespace {

Image slider(float position) {
    const int w = 120, h = 24;
    const float cy = h / 2.0f, trackLeft = 8, trackRight = 112;
    const float thumb = 14 + (w - 28) * position;
    Image image(w, h);
    recess(image, [&](Vec p) { return roundBox(p, {w / 2.0f, cy}, {w / 2.0f - 0.75f, cy - 0.75f}, 6); });
    fill(image, [&](Vec p) { return segment(p, {trackLeft, cy}, {trackRight, cy}) - 1.6f; }, palette::track);
    if (position > 0) glowing(image, [&](Vec p) { return segment(p, {trackLeft, cy}, {thumb, cy}); }, 3.2f, 0.75f);
    cap(image, [&](Vec p) { return roundBox(p, {thumb, cy}, {6, 9.5f}, 3); }, cy - 9.5f, cy + 9.5f, 0.6f);
    fill(image, [&](Vec p) { return segment(p, {thumb, cy - 5}, {thumb, cy + 5}) - 1; }, palette::pointer);
    return image;
}

}  // namespace

void paintSlider(Bundle& bundle) {
    std::vector<Image> frames;
    for (int f = 0; f < 100; ++f) frames.push_back(slider(f / 99.0f));
    bundle.strip("TUNE", frames);
}
