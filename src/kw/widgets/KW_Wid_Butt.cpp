#include "widgets/KW_Wid_Butt.h"
#include <cmath>

namespace {

// -val: any non-zero number switches on (NaN counts as 0); answers the state as 0.0 or 1.0.
KW_value val(KW_Wid_Butt& b, const KW_value& a) {
    float v;
    if (a.toFloat(v)) b.setState(!std::isnan(v) && v != 0);
    return KW_value::real(b.state);
}

KW_Object* make() { return new KW_Wid_Butt; }

}  // namespace

void KW_Wid_Butt::draw(KW_Pic_Base<KW_Pix_A32>& target, int32_t x, int32_t y, const KW_Rect& part) {
    strip.drawFrame(state, target, x, y, part);
}

void KW_Wid_Butt::redraw() {
    frame = state;
    KW_Wid::redraw();
}

void KW_Wid_Butt::press(int32_t, int32_t) {
    if (!mapped()) return;
    const uint8_t wanted = state ? 0 : 1;
    if (!variable) {
        setState(wanted);
        return;
    }
    KW_value v = KW_value::integer(wanted);
    v.length = variable->length;
    report(v);
}

uint8_t KW_Wid_Butt::setState(uint8_t s) {
    if (s == state) return state;
    state = s;
    redraw();
    if (callback) callback(userData);
    return state;
}

const KW_Option KW_Wid_Butt::options[] = {
    KW_Option(make),
    KW_Option("res", m_res),
    KW_Option("com", m_com),
    KW_Option("var", m_var),
    KW_Option("val", KW_member<KW_Wid_Butt, val>),
    KW_Option("dat", m_dat),
    KW_Option(KW_Wid::options),
};
