// A test widget that paints its colour over whatever lies below, and counts how it is drawn and pressed.
#pragma once
#include <vector>
#include "widgets/KW_Wid.h"

struct Solid : KW_Wid {
    KW_Pix_A32 colour;
    int draws = 0;
    std::vector<KW_Rect> parts;
    int presses = 0;
    int releases = 0;

    Solid(int32_t l, int32_t t, int32_t w, int32_t h, KW_Pix_A32 c) : colour(c) {
        left = l;
        top = t;
        width = w;
        height = h;
    }
    void draw(KW_Pic_Base<KW_Pix_A32>& p, int32_t x, int32_t y, const KW_Rect& part) override {
        ++draws;
        parts.push_back(part);
        for (int32_t i = 0; i < part.bottom - part.top; ++i)
            for (int32_t j = 0; j < part.right - part.left; ++j) p.row(y + i)[x + j] = colour;
    }
    void press(int32_t, int32_t) override { ++presses; }
    void release() override { ++releases; }
};
