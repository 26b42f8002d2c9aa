#include "widgets/KW_Wid_Knob.h"
#include <algorithm>
#include <cmath>
#include "windows/KW_Win.h"

namespace {

// -val, -mn, -mx take an integer or a float; NaN and other kinds only read.
bool number(const KW_value& a, float& out) {
    float v;
    if (!a.toFloat(v) || std::isnan(v)) return false;
    out = v;
    return true;
}

KW_value val(KW_Wid_Knob& k, const KW_value& a) {
    float v;
    if (number(a, v)) k.setValue(v);
    return KW_value::real(k.value());
}

// A new end of the range keeps the value and moves the frame.
template <float KW_Wid_Knob::*End>
KW_value rangeEnd(KW_Wid_Knob& k, const KW_value& a) {
    float end;
    if (number(a, end)) {
        const float v = k.value();
        k.*End = end;
        k.setValue(v);
    }
    return KW_value::real(k.*End);
}

KW_Object* make() { return new KW_Wid_Knob; }

}  // namespace

void KW_Wid_Knob::draw(KW_Pic_Base<KW_Pix_A32>& target, int32_t x, int32_t y, const KW_Rect& part) {
    if (showsFrame()) strip.drawFrame(frame, target, x, y, part);
}

void KW_Wid_Knob::redraw() {
    if (!window || !mapped() || !showsFrame()) return;
    prepare();
    window->paintRect(rect());
    if (callback) callback(userData);
}

void KW_Wid_Knob::press(int32_t x, int32_t y) {
    if (!mapped()) return;
    dragX = x;
    dragY = y;
    dragFrame = frame;
}

void KW_Wid_Knob::drag(int32_t x, int32_t y) {
    if (!mapped()) return;
    // Right and up turn it on, left and down back; past an end the drag is anchored anew at that end,
    // so reversing turns the knob at once.
    const int64_t f = int64_t(dragFrame) + (int64_t(x) - dragX) - (int64_t(y) - dragY);
    if (f < 0 || f >= strip.frameCount) {
        dragX = x;
        dragY = y;
        frame = f < 0 ? 0 : strip.frameCount - 1;
        dragFrame = frame;
    } else {
        frame = int32_t(f);
    }
    if (variable) report(KW_value::real(value()));
    else redraw();
}

float KW_Wid_Knob::value() const {
    return float(minimum + (frame / span()) * ((long double)maximum - minimum));
}

void KW_Wid_Knob::setValue(float v) {
    if (!mapped()) return;
    const long double last = std::max(strip.frameCount - 1, 0);
    long double f = 0;
    if (maximum != minimum) f = last * ((long double)v - minimum) / ((long double)maximum - minimum);
    if (std::isnan(f)) return;
    frame = int32_t(std::clamp<long double>(f, INT32_MIN, INT32_MAX));
    redraw();
}

const KW_Option KW_Wid_Knob::options[] = {
    KW_Option(make),
    KW_Option("res", m_res),
    KW_Option("com", m_com),
    KW_Option("val", KW_member<KW_Wid_Knob, val>),
    KW_Option("dat", m_dat),
    KW_Option("mn", KW_member<KW_Wid_Knob, rangeEnd<&KW_Wid_Knob::minimum>>),
    KW_Option("mx", KW_member<KW_Wid_Knob, rangeEnd<&KW_Wid_Knob::maximum>>),
    KW_Option("var", m_var),
    KW_Option(KW_Wid::options),
};
