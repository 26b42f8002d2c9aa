// Shapes as signed distances in pixels (negative inside), and the coverage of a pixel by them.
#pragma once
#include <algorithm>
#include <cmath>

struct Vec {
    float x = 0;
    float y = 0;
};
inline Vec operator+(Vec a, Vec b) { return {a.x + b.x, a.y + b.y}; }
inline Vec operator-(Vec a, Vec b) { return {a.x - b.x, a.y - b.y}; }
inline Vec operator*(Vec a, float k) { return {a.x * k, a.y * k}; }
inline float dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y; }
inline float length(Vec a) { return std::sqrt(dot(a, a)); }

constexpr float pi = 3.14159265358979f;

inline float clamp01(float v) { return std::clamp(v, 0.0f, 1.0f); }
inline float smoothstep(float e0, float e1, float v) {
    const float t = clamp01((v - e0) / (e1 - e0));
    return t * t * (3 - 2 * t);
}

// The share of a pixel inside a shape, from the distance at its centre: a one-pixel ramp across the edge.
inline float coverage(float distance) { return clamp01(0.5f - distance); }
// A soft edge spread over `blur` pixels each side, for shadows and glows.
inline float softCoverage(float distance, float blur) { return smoothstep(blur, -blur, distance); }

inline float circle(Vec p, Vec centre, float radius) { return length(p - centre) - radius; }

// A box of the given half size with corners rounded by `radius`.
inline float roundBox(Vec p, Vec centre, Vec half, float radius) {
    const Vec q{std::fabs(p.x - centre.x) - half.x + radius, std::fabs(p.y - centre.y) - half.y + radius};
    const Vec outside{std::max(q.x, 0.0f), std::max(q.y, 0.0f)};
    return length(outside) + std::min(std::max(q.x, q.y), 0.0f) - radius;
}

// Distance to the segment a-b (a line of no width: subtract half the stroke width).
inline float segment(Vec p, Vec a, Vec b) {
    const Vec ab = b - a;
    const float t = clamp01(dot(p - a, ab) / std::max(dot(ab, ab), 1e-12f));
    return length(p - (a + ab * t));
}

// Direction of an angle measured clockwise from straight up, in screen coordinates (y down).
inline Vec heading(float angle) { return {std::sin(angle), -std::cos(angle)}; }

// Distance to the arc of a circle from angle `from` clockwise to angle `to` (headings as above).
inline float arc(Vec p, Vec centre, float radius, float from, float to) {
    const Vec d = p - centre;
    float a = std::atan2(d.x, -d.y);
    while (a < from) a += 2 * pi;
    if (a <= to) return std::fabs(length(d) - radius);
    return std::min(length(p - (centre + heading(from) * radius)), length(p - (centre + heading(to) * radius)));
}
