// What the button and the knob share: a widget drawn from a frame strip, hit where the shown frame is
// opaque enough, that either calls a plain callback or reports to a value bound to it.
// A widget without a mapped strip draws nothing, is never hit and ignores the pointer.
#pragma once
#include "core/KW_value.h"
#include "graphics/KW_Vid.h"
#include "widgets/KW_Wid.h"
#include "widgets/KW_Wid_Str.h"

class KW_Wid_Vid : public KW_Wid {
public:
    typedef void (*Callback)(void* userData);

    KW_Vid strip;
    int32_t frame = 0;            // the frame shown, and the one the hit test reads
    Callback callback = nullptr;
    void* userData = nullptr;     // handed to callback and to the bound value's changed
    KW_Wid_Str<64> resourceName;  // the last name -res could map
    KW_value* variable = nullptr; // the bound value

    bool mapped() const { return strip.index != nullptr; }
    // Alpha 128 or more at the point of the shown frame.
    bool hit(int32_t x, int32_t y) override;

protected:
    // Writes the wanted value into the bound value and calls its changed with userData.
    void report(const KW_value& wanted);

    // The options both classes list: res, com, dat, var.
    static KW_value* m_res(KW_value* r, KW_Object* o, KW_value a);
    static KW_value* m_com(KW_value* r, KW_Object* o, KW_value a);
    static KW_value* m_dat(KW_value* r, KW_Object* o, KW_value a);
    static KW_value* m_var(KW_value* r, KW_Object* o, KW_value a);
};
