// A window of 192 x 128 with an opaque background, a button at (10, 10) and a knob at (100, 40), all from
// the test art, attached in that order.
#pragma once
#include "Recorder.h"
#include "Solid.h"
#include "widgets/KW_Wid_Butt.h"
#include "widgets/KW_Wid_Knob.h"

struct Scene {
    static constexpr KW_Pix_A32 ground{30, 20, 10, 255};  // red 10, green 20, blue 30
    Recorder win{192, 128};
    Solid background{0, 0, 192, 128, ground};
    KW_Wid_Butt button;
    KW_Wid_Knob knob;

    Scene() {
        place(button, 10, 10, 40, 24, "but");
        place(knob, 100, 40, 64, 64, "big");
        KW_Win::setWindow(background, &win);
        KW_Win::setWindow(button, &win);
        KW_Win::setWindow(knob, &win);
        win.paintRect({0, 0, 192, 128});
        win.forget();
    }
    template <class W>
    static void place(W& w, int32_t l, int32_t t, int32_t width, int32_t height, const char* strip) {
        w.left = l;
        w.top = t;
        w.width = width;
        w.height = height;
        w.strip.mapResource(strip);
    }
};
