// Laying shapes into an image: each pixel is covered according to the shape's distance at its centre.
#pragma once
#include "Geometry.h"
#include "Image.h"

// Fills the shape (distance function of a point) with a colour that may vary with the point.
template <class Distance, class Colour>
void fill(Image& image, Distance distance, Colour colour) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const Vec p{x + 0.5f, y + 0.5f};
            const float share = coverage(distance(p));
            if (share > 0) image.over(x, y, colour(p), share);
        }
    }
}

template <class Distance>
void fill(Image& image, Distance distance, Rgba colour) {
    fill(image, distance, [colour](Vec) { return colour; });
}

// A soft halo or shadow around the shape, fading over `blur` pixels each side of its edge.
template <class Distance>
void haze(Image& image, Distance distance, Rgba colour, float blur) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const float share = softCoverage(distance(Vec{x + 0.5f, y + 0.5f}), blur);
            if (share > 0) image.over(x, y, colour, share);
        }
    }
}

// How much a surface with this outward normal faces the light, which comes from the upper left: -1 .. 1.
inline float facing(Vec normal) {
    const Vec light{-0.4f, -0.92f};
    const float n = length(normal);
    return n > 0 ? dot(normal, light) / n : 0;
}

// The outward normal of a shape at a point, from its distance function.
template <class Distance>
Vec normalOf(Distance distance, Vec p) {
    const float e = 0.25f;
    return {distance(p + Vec{e, 0}) - distance(p - Vec{e, 0}), distance(p + Vec{0, e}) - distance(p - Vec{0, e})};
}
