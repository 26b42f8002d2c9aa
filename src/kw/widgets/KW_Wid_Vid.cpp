#include "widgets/KW_Wid_Vid.h"

namespace {

// Options that keep an address take it from an integer or an object value; texts and floats are no address.
bool address(const KW_value& a, void*& out) {
    if (a.kind != KW_value::INTEGER && a.kind != KW_value::OBJECT) return false;
    out = a.p;
    return true;
}

// -res: maps the named KWVF strip; the frame stays and nothing is repainted. A name that maps nothing
// (missing or malformed, and reported) leaves the widget as it was.
KW_value opt_resource(KW_Wid_Vid& w, const KW_value& a) {
    if (a.toText() && w.strip.mapResource(a.toText())) w.resourceName.set(a.toText());
    return KW_value::text(w.resourceName.get());
}

KW_value opt_callback(KW_Wid_Vid& w, const KW_value& a) {
    void* p;
    if (address(a, p)) w.callback = reinterpret_cast<KW_Wid_Vid::Callback>(p);
    return KW_value::object(reinterpret_cast<void*>(w.callback));
}

KW_value opt_userData(KW_Wid_Vid& w, const KW_value& a) {
    address(a, w.userData);
    return KW_value::object(w.userData);
}

KW_value opt_variable(KW_Wid_Vid& w, const KW_value& a) {
    void* p;
    if (address(a, p)) w.variable = static_cast<KW_value*>(p);
    return KW_value::object(w.variable);
}

}  // namespace

bool KW_Wid_Vid::hit(int32_t x, int32_t y) { return strip.pixelAt(frame, x, y).a >= 128; }

void KW_Wid_Vid::report(const KW_value& wanted) {
    variable->value = wanted.value;
    variable->kind = wanted.kind;
    variable->length = wanted.length;
    variable->changed(userData);
}

KW_value* KW_Wid_Vid::m_res(KW_value* r, KW_Object* o, KW_value a) { return KW_member<KW_Wid_Vid, opt_resource>(r, o, a); }
KW_value* KW_Wid_Vid::m_com(KW_value* r, KW_Object* o, KW_value a) { return KW_member<KW_Wid_Vid, opt_callback>(r, o, a); }
KW_value* KW_Wid_Vid::m_dat(KW_value* r, KW_Object* o, KW_value a) { return KW_member<KW_Wid_Vid, opt_userData>(r, o, a); }
KW_value* KW_Wid_Vid::m_var(KW_value* r, KW_Object* o, KW_value a) { return KW_member<KW_Wid_Vid, opt_variable>(r, o, a); }
