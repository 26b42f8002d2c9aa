// A rotary control from a frame strip, one frame per pointer position. Dragging moves one frame per pixel;
// the frame maps linearly to a value between the minimum (frame 0) and the maximum (the last frame).
// Bound to a value, the knob only reports the new value to it and waits for -val to move.
#pragma once
#include "widgets/KW_Wid_Vid.h"

class KW_Wid_Knob : public KW_Wid_Vid {
public:
    int32_t dragX = 0;  // where the current drag is anchored, widget coordinates
    int32_t dragY = 0;
    int32_t dragFrame = 0;
    float minimum = 0.0f;
    float maximum = 100.0f;

    // A frame outside the strip is not drawn.
    void draw(KW_Pic_Base<KW_Pix_A32>& target, int32_t x, int32_t y, const KW_Rect& part) override;
    // Repaints and calls the callback, unless the knob is detached, has no strip or shows no frame of it.
    void redraw() override;
    void press(int32_t x, int32_t y) override;
    void drag(int32_t x, int32_t y) override;

    // The value of the frame shown.
    float value() const;
    // Moves to the frame of the value (truncated toward zero, not limited to the strip) and redraws.
    // Without a strip, or for a value that gives no frame (NaN), nothing changes.
    void setValue(float v);

    static const KW_Option options[];

private:
    bool showsFrame() const { return frame >= 0 && frame < strip.frameCount; }
    // What a frame number is divided by to give its share of the range: the last frame's number, at least 1.
    long double span() const { return strip.frameCount > 1 ? strip.frameCount - 1 : 1; }
};
