#include "widgets/KW_Wid_Text_Base.h"

namespace {

typedef KW_Wid_Text_Base Label;

KW_value opt_text(Label& l, const KW_value& a) {
    if (a.toText()) l.text.set(a.toText());
    return KW_value::text(l.text.get());
}

KW_value opt_colour(Label& l, const KW_value& a) {
    if (a.given()) l.colour = uint32_t(a.i);
    return KW_value::integer(int32_t(l.colour));
}

// font, size and bold make the font again only when they change.
KW_value opt_font(Label& l, const KW_value& a) {
    if (a.toText() && !l.font.same(a.toText())) {
        l.font.set(a.toText());
        l.makeFont();
    }
    return KW_value::text(l.font.get());
}

KW_value opt_size(Label& l, const KW_value& a) {
    if (a.given() && a.i != l.size) {
        l.size = a.i;
        l.makeFont();
    }
    return KW_value::integer(l.size);
}

KW_value opt_horz(Label& l, const KW_value& a) {
    if (a.given()) l.horz = a.i;
    return KW_value::integer(l.horz);
}

KW_value opt_bold(Label& l, const KW_value& a) {
    int32_t b;
    if (a.toInt(b) && b != l.bold) {
        l.bold = b != 0;
        l.makeFont();
    }
    return KW_value::integer(l.bold);
}

}  // namespace

void KW_Wid_Text_Base::makeFont() {}

KW_value* Label::m_text(KW_value* r, KW_Object* o, KW_value a) { return KW_member<Label, opt_text>(r, o, a); }
KW_value* Label::m_color(KW_value* r, KW_Object* o, KW_value a) { return KW_member<Label, opt_colour>(r, o, a); }
KW_value* Label::m_font(KW_value* r, KW_Object* o, KW_value a) { return KW_member<Label, opt_font>(r, o, a); }
KW_value* Label::m_size(KW_value* r, KW_Object* o, KW_value a) { return KW_member<Label, opt_size>(r, o, a); }
KW_value* Label::m_horz(KW_value* r, KW_Object* o, KW_value a) { return KW_member<Label, opt_horz>(r, o, a); }
KW_value* Label::m_bold(KW_value* r, KW_Object* o, KW_value a) { return KW_member<Label, opt_bold>(r, o, a); }
