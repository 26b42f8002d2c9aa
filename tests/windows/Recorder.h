// A window whose paintRect composes like the platform window and records what it shows: every rectangle
// asked for, every tile part copied, and a picture of the whole window as the screen would hold it.
#pragma once
#include <vector>
#include "graphics/KW_Pic.h"
#include "windows/KW_Win.h"

struct Recorder : KW_Win {
    KW_Pic<KW_Pix_A32> screen;
    std::vector<KW_Rect> asked;
    std::vector<KW_Rect> shown;

    Recorder(int32_t w, int32_t h) : KW_Win(w, h) { screen.resize(w, h); }

    void paintRect(const KW_Rect& r) override {
        asked.push_back(r);
        compose(r, [this](const KW_Rect& part, const KW_Rect& tile) {
            shown.push_back(part);
            for (int32_t y = part.top; y < part.bottom; ++y)
                for (int32_t x = part.left; x < part.right; ++x)
                    screen.row(y)[x] = tilePicture.row(y - tile.top)[x - tile.left];
        });
    }
    void forget() {
        asked.clear();
        shown.clear();
    }
    KW_Pix_A32 at(int32_t x, int32_t y) const { return screen.row(y)[x]; }
};
