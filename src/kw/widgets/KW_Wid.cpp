#include "widgets/KW_Wid.h"
#include <algorithm>
#include "windows/KW_Win.h"

namespace {

int32_t farEdge(int32_t start, int32_t size) {
    return int32_t(std::clamp<int64_t>(int64_t(start) + size, INT32_MIN, INT32_MAX));
}

// -l, -t, -w, -h: converted integers that change only the field.
template <int32_t KW_Wid::*Field>
KW_value place(KW_Wid& w, const KW_value& a) {
    a.toInt(w.*Field);
    return KW_value::integer(w.*Field);
}

// -vis, -enabled: the raw 32 bits of any value, then a repaint.
template <int32_t KW_Wid::*Field>
KW_value flag(KW_Wid& w, const KW_value& a) {
    if (a.given()) {
        w.*Field = a.i;
        w.redraw();
    }
    return KW_value::integer(w.*Field);
}

// -win: a window attaches, 0 detaches; anything else is no window and changes nothing.
KW_value attach(KW_Wid& w, const KW_value& a) {
    if (a.given()) {
        if (KW_Win* win = KW_Object::from<KW_Win>(a)) KW_Win::setWindow(w, win);
        else if ((a.kind == KW_value::INTEGER || a.kind == KW_value::OBJECT) && a.value == 0)
            KW_Win::setWindow(w, nullptr);
    }
    return KW_value::object(w.window);
}

}  // namespace

KW_Wid::~KW_Wid() { KW_Win::setWindow(*this, nullptr); }

void KW_Wid::draw(KW_Pic_Base<KW_Pix_A32>&, int32_t, int32_t, const KW_Rect&) {}
void KW_Wid::prepare() {}

void KW_Wid::redraw() {
    prepare();
    if (window) window->paintRect(rect());
}

void KW_Wid::press(int32_t, int32_t) {}
void KW_Wid::drag(int32_t, int32_t) {}
bool KW_Wid::hit(int32_t, int32_t) { return true; }
void KW_Wid::release() {}

KW_Rect KW_Wid::rect() const { return {left, top, farEdge(left, width), farEdge(top, height)}; }

const KW_Option KW_Wid::options[] = {
    KW_Option(static_cast<KW_Factory>(nullptr)),
    KW_Option("l", KW_member<KW_Wid, place<&KW_Wid::left>>),
    KW_Option("t", KW_member<KW_Wid, place<&KW_Wid::top>>),
    KW_Option("w", KW_member<KW_Wid, place<&KW_Wid::width>>),
    KW_Option("h", KW_member<KW_Wid, place<&KW_Wid::height>>),
    KW_Option("win", KW_member<KW_Wid, attach>),
    KW_Option("vis", KW_member<KW_Wid, flag<&KW_Wid::visible>>),
    KW_Option("enabled", KW_member<KW_Wid, flag<&KW_Wid::enabled>>),
    KW_Option("delete", &KW_Object::m_delete),
    KW_Option(KW_Object::options),
};
