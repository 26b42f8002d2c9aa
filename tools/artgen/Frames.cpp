// The outer border of the editor and the frame of the control panel, each cut as eight 10 x 10 pieces
// from one drawing of a framed 30 x 30 box: the corners are drawn once, the middle pieces repeat along
// the edges (the box's edges are straight there, so they repeat without a seam).
#include <cmath>
#include <string>
#include "Art.h"
#include "Paint.h"
#include "Palette.h"

namespace {

constexpr int piece = 10;
constexpr int box = 3 * piece;
const Vec centre{box / 2.0f, box / 2.0f};
const Vec half{box / 2.0f, box / 2.0f};

// Distance from the nearest straight edge of the box, inward: the panel face meets the frame on it.
float fromEdge(Vec p) { return std::min(std::min(p.x, p.y), std::min(box - p.x, box - p.y)); }

void cut(Bundle& bundle, char family, const Image& drawing) {
    const char columns[] = "LMR", rows[] = "TMB";
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) {
            if (r == 1 && c == 1) continue;
            Image part(piece, piece);
            for (int y = 0; y < piece; ++y)
                for (int x = 0; x < piece; ++x) part.over(x, y, drawing.at(c * piece + x, r * piece + y), 1);
            bundle.picture(std::string{family, columns[c], rows[r]}, part);
        }
    }
}

// The editor's edge: a dark rounded rim, a faint reflection inside it and a shadow falling inward.
// Everything stays translucent (at most 126 of 255) so the stripes show through.
Image outerBorder() {
    const float radius = 7, darkest = 0.49f;
    auto inside = [radius](Vec p) { return -roundBox(p, centre, half, radius); };
    Image image(box, box);
    fill(image, [&](Vec p) { return inside(p) - 1; }, withAlpha(palette::shadow, darkest));
    fill(image, [&](Vec p) { return inside(p) < 1 ? 1.0f : -1.0f; }, [&](Vec p) {
        const float fall = clamp01((inside(p) - 1) / (piece - 1));
        return withAlpha(palette::shadow, 0.28f * (1 - fall) * (1 - fall));
    });
    fill(image, [&](Vec p) { return std::fabs(inside(p) - 1.5f) - 0.5f; }, rgb(0xffffff, 0.09f));
    return image;
}

// The panel's frame: an outline, a bevel lit from the upper left, a body and a dark groove where the
// panel face begins. The face itself (6 pixels in) stays clear: the panel fill lies under or over it.
Image groupFrame() {
    const float radius = 3.5f, face = 6;
    auto outer = [radius](Vec p) { return roundBox(p, centre, half, radius); };
    auto band = [&](Vec p) { return fromEdge(p) - face; };
    auto lit = [&](Vec p) { return mix(palette::rimShade, palette::rimLight, 0.5f + 0.5f * facing(normalOf(outer, p))); };
    Image image(box, box);
    fill(image, [&](Vec p) { return std::max(outer(p), band(p)); }, palette::outline);
    fill(image, [&](Vec p) { return std::max(outer(p) + 1, band(p)); }, lit);
    fill(image, [&](Vec p) { return std::max(outer(p) + 2, band(p) + 1); }, [&](Vec p) {
        return mix(palette::rimBody, lit(p), 0.25f);
    });
    fill(image, [&](Vec p) { return std::max(outer(p) + 5, band(p)); }, palette::rimShade);
    return image;
}

}  // namespace

void paintFrames(Bundle& bundle) {
    cut(bundle, 'A', outerBorder());
    cut(bundle, 'G', groupFrame());
}
