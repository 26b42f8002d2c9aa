// A rectangle in pixels; right and bottom are exclusive.
#pragma once
#include <algorithm>
#include <cstdint>

struct KW_Rect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    bool empty() const { return left >= right || top >= bottom; }

    KW_Rect intersect(const KW_Rect& o) const {
        return {std::max(left, o.left), std::max(top, o.top), std::min(right, o.right), std::min(bottom, o.bottom)};
    }
};
