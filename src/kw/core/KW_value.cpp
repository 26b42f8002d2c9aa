// The tagged value: the empty value every query starts from, and the conversions options share.
#include "KW_value.h"
#include <cmath>

KW_value KW_EMPTY(0, KW_value::EMPTY, -1);

void KW_value::changed(void* data) { (void)data; }

bool KW_value::toInt(int32_t& out) const {
    if (kind == INTEGER) {
        out = i;
        return true;
    }
    if (kind != FLOAT || std::isnan(f)) return false;
    // Truncate toward zero; out-of-range floats stop at the ends instead of wrapping.
    if (f >= 2147483648.0f) out = INT32_MAX;
    else if (f <= -2147483648.0f) out = INT32_MIN;
    else out = static_cast<int32_t>(f);
    return true;
}

bool KW_value::toFloat(float& out) const {
    if (kind == FLOAT) out = f;
    else if (kind == INTEGER) out = static_cast<float>(i);
    else return false;
    return true;
}
