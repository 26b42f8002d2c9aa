// What every control is made of, so that knobs, slider, buttons and meters are one family: a dark recess,
// a brushed metal cap lit from the upper left, and value marks in the accent colour with a glow.
// Shapes are distance functions of a point; `scale` is the control's size relative to the large knob.
#pragma once
#include <cmath>
#include "Paint.h"
#include "Palette.h"

// The recess a control sits in: dark, with a lip of light along its lower edge.
template <class Shape>
void recess(Image& image, Shape shape) {
    fill(image, shape, palette::well);
    fill(image, [&](Vec p) { return std::fabs(shape(p) + 0.5f) - 0.5f; }, [&](Vec p) {
        return withAlpha(palette::rimLight, 0.5f * clamp01(-facing(normalOf(shape, p))));
    });
}

// A metal cap spanning rows top .. bottom, with its shadow, a bevelled edge and a slightly dished face.
// A pressed cap sits lower and darker.
template <class Shape>
void cap(Image& image, Shape shape, float top, float bottom, float scale, bool pressed = false) {
    const float drop = (pressed ? 0.6f : 1.6f) * scale;
    haze(image, [&](Vec p) { return shape(p - Vec{0, drop}); }, withAlpha(palette::shadow, 0.7f), 2 * scale);
    const float dim = pressed ? 0.78f : 1;
    auto metal = [&](Vec p, float from, float to) {
        Rgba c = mix(palette::metalTop, palette::metalBottom, clamp01((p.y - top) / (bottom - top)) * (to - from) + from);
        return Rgba{c.r * dim, c.g * dim, c.b * dim, 1};
    };
    fill(image, shape, [&](Vec p) { return metal(p, 0, 1); });
    fill(image, [&](Vec p) { return std::fabs(shape(p) + 0.9f * scale) - 0.9f * scale; }, [&](Vec p) {
        const float light = facing(normalOf(shape, p));
        return light > 0 ? withAlpha(rgb(0xc4c9d2), 0.55f * light) : withAlpha(palette::shadow, -0.45f * light);
    });
    fill(image, [&](Vec p) { return shape(p) + 3.2f * scale; }, [&](Vec p) { return metal(p, 0.55f, 0.3f); });
}

// A lit value mark along a centre line: the accent colour with a soft glow around it.
template <class Line>
void glowing(Image& image, Line line, float width, float scale) {
    haze(image, [&](Vec p) { return line(p) - width / 2; }, withAlpha(palette::accent, 0.4f), 2.2f * scale);
    fill(image, [&](Vec p) { return line(p) - width / 2; }, palette::accent);
    fill(image, [&](Vec p) { return line(p) - width / 5; }, withAlpha(palette::accentHot, 0.6f));
}
