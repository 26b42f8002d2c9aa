// A two-state push button from a frame strip: frame 0 off, frame 1 on. A press toggles it, or, when the
// button is bound to a value, only asks that value for the other state and waits for -val.
#pragma once
#include "widgets/KW_Wid_Vid.h"

class KW_Wid_Butt : public KW_Wid_Vid {
public:
    uint8_t state = 0;

    void draw(KW_Pic_Base<KW_Pix_A32>& target, int32_t x, int32_t y, const KW_Rect& part) override;
    // Shows the state: frame = state, then repaints.
    void redraw() override;
    void press(int32_t x, int32_t y) override;

    // A new state repaints the button and calls the callback; the state it has changes nothing.
    uint8_t setState(uint8_t s);

    static const KW_Option options[];
};
