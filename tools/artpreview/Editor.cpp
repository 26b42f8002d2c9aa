#include "Editor.h"
#include "graphics/KW_Pic.h"
#include "graphics/KW_Vid.h"

namespace {

struct Place {
    const char* resource;
    int32_t left, top, width, height;  // 0: the picture's own size
};

// The editor's picture widgets in the order the application attaches them (later ones lie on top).
const Place layout[] = {
    {"bgnd", 0, 0, 200, 236},   {"sitelogo", 20, 8, 0, 0},  {"alt", 0, 0, 10, 10},     {"amt", 10, 0, 180, 10},
    {"art", 190, 0, 10, 10},    {"alm", 0, 10, 10, 216},    {"arm", 190, 10, 10, 216}, {"alb", 0, 226, 10, 10},
    {"amb", 10, 226, 180, 10},  {"arb", 190, 226, 10, 10},  {"glt", 10, 56, 10, 10},   {"gmt", 20, 56, 160, 10},
    {"grt", 180, 56, 10, 10},   {"glm", 10, 66, 10, 150},   {"gmm", 16, 62, 168, 158}, {"grm", 180, 66, 10, 150},
    {"glb", 10, 216, 10, 10},   {"gmb", 20, 216, 160, 10},  {"grb", 180, 216, 10, 10},
};

void strip(KW_Pic_Base<KW_Pix_A32>& editor, const char* resource, int frame, int32_t left, int32_t top) {
    KW_Vid vid;
    if (vid.mapResource(resource)) vid.drawFrame(frame, editor, left, top, {0, 0, vid.width, vid.height});
}

}  // namespace

void composeEditor(KW_Pic_Base<KW_Pix_A32>& editor, int knobFrame) {
    editor.resize(200, 236);
    for (const Place& place : layout) {
        KW_Pic<KW_Pix_A32> picture;
        if (!picture.mapResource(place.resource)) continue;
        const KW_Rect part{0, 0, place.width ? place.width : picture.width, place.height ? place.height : picture.height};
        KW_Pic_Base<KW_Pix_A32>::composite(picture, editor, place.left, place.top, &part);
    }
    strip(editor, "but", 1, 21, 67);
    strip(editor, "big", knobFrame, 66, 126);
    // The copy to the screen ignores alpha (translucent pieces lower it): show the editor as the screen does.
    for (int32_t k = 0; k < editor.width * editor.height; ++k) editor.pixels[k].a = 255;
}
