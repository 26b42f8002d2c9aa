// Rectangles in test expectations: compared field by field and printed as (left,top,right,bottom).
#pragma once
#include <ostream>
#include "graphics/KW_Rect.h"

inline bool operator==(const KW_Rect& a, const KW_Rect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

inline std::ostream& operator<<(std::ostream& o, const KW_Rect& r) {
    return o << "(" << r.left << "," << r.top << "," << r.right << "," << r.bottom << ")";
}
