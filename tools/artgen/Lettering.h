// A small stroke alphabet for the vendor's wordmark: every letter is a few straight strokes and arcs
// on a cap height of 1, drawn with round ends.
#pragma once
#include <string>
#include "Geometry.h"

class Lettering {
public:
    // The text at `origin` (top-left of its first capital), `height` pixels tall, letters `tracking` apart.
    Lettering(const std::string& text, Vec origin, float height, float tracking);

    float width() const;
    // Distance from the strokes' centre lines, in pixels.
    float distance(Vec p) const;

private:
    std::string text;
    Vec origin;
    float height;
    float tracking;
};
