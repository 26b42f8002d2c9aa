#include "widgets/KW_Wid_Pic.h"

namespace {

// -res: maps the named KWIF resource; a width or height still 0 becomes the picture's. A name that maps
// nothing (missing or malformed, and reported) leaves the widget as it was.
KW_value resource(KW_Wid_Pic& w, const KW_value& a) {
    if (a.toText() && w.picture.mapResource(a.toText())) {
        w.resourceName.set(a.toText());
        if (w.width == 0) w.width = w.picture.width;
        if (w.height == 0) w.height = w.picture.height;
    }
    return KW_value::text(w.resourceName.get());
}

KW_Object* make() { return new KW_Wid_Pic; }

}  // namespace

void KW_Wid_Pic::draw(KW_Pic_Base<KW_Pix_A32>& target, int32_t x, int32_t y, const KW_Rect& part) {
    KW_Pic_Base<KW_Pix_A32>::composite(picture, target, x, y, &part);
}

const KW_Option KW_Wid_Pic::options[] = {
    KW_Option(make),
    KW_Option("res", KW_member<KW_Wid_Pic, resource>),
    KW_Option(KW_Wid::options),
};
