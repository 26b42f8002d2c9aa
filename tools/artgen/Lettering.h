// A small stroke alphabet for the vendor's wordmark: every letter is a few straight strokes and arcs
// on a cap height of 1, drawn with round ends.
#pragma once
#include <string>
#include "Geometry.h"

class Lettering {
public:
    // The text `height` pixels tall, letters `tracking` pixels apart.
    Lettering(const std::string& text, float height, float tracking);

    float width() const;
    // Distance from the strokes' centre lines, in pixels, of a point relative to the top-left of the first capital.
    float distance(Vec p) const;

private:
    std::string text;
    float height;
    float tracking;
};
