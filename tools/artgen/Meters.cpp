// Level-meter pictures. The meter lights segments by recolouring pixels, so every segment pixel carries its
// segment number in the red byte with green and blue 0 (key 0, channel red); segments are numbered from 1
// so that clear pixels, all 0, belong to none. The housing never has green and blue both 0.
#include "Art.h"
#include "Controls.h"

namespace {

const Rgba scale = rgb(0x5a5f6a);

Image housing(int w, int h, float radius) {
    Image image(w, h);
    const Vec centre{w / 2.0f, h / 2.0f}, half{w / 2.0f - 0.25f, h / 2.0f - 0.25f};
    recess(image, [&](Vec p) { return roundBox(p, centre, half, radius); });
    return image;
}

void numbered(Image& image, int number, int left, int top, int w, int h) {
    for (int y = top; y < top + h; ++y)
        for (int x = left; x < left + w; ++x) image.set(x, y, Rgba{number / 255.0f, 0, 0, 1});
}

// 22 segments of 3 pixels across, from the left.
Image horizontal() {
    Image image = housing(91, 17, 3);
    for (int k = 1; k <= 22; ++k) numbered(image, k, 2 + 4 * (k - 1), 3, 3, 11);
    return image;
}

// 21 segments of 3 pixels up from the bottom, with a scale beside them, longer every fifth segment.
Image vertical() {
    Image image = housing(41, 89, 4);
    for (int k = 1; k <= 21; ++k) {
        const int top = 87 - 4 * k;
        numbered(image, k, 3, top, 22, 3);
        const int tick = (k - 1) % 5 == 0 ? 8 : 4;
        for (int x = 28; x < 28 + tick; ++x) image.set(x, top + 1, scale);
    }
    return image;
}

}  // namespace

void paintMeters(Bundle& bundle) {
    bundle.picture("I41X89", vertical());
    bundle.picture("I91X17", horizontal());
}
