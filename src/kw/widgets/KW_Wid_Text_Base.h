// One line of text: what the label shows and how (colour, font, size, alignment, weight). Rendering into the
// label's picture is the platform's part; without it the label shows nothing.
#pragma once
#include "widgets/KW_Wid_Pic.h"
#include "widgets/KW_Wid_Str.h"

class KW_Wid_Text_Base : public KW_Wid_Pic {
public:
    KW_Wid_Str<256> text{"test string"};  // a copy: the caller's text may go away after the command
    uint32_t colour = 0xFFFFFF;            // 0x00BBGGRR, red in the low byte
    uint32_t backColour = 0;               // behind the characters; no option sets it
    KW_Wid_Str<32> font;                   // face name; empty: the platform's default font
    int32_t size = 0;                      // character height in pixels
    int32_t horz = 0;                      // 0 centred, negative left, positive right
    uint8_t bold = 0;

    // Makes the font from font, size and bold when both font and size are set.
    virtual void makeFont();

protected:
    // The label's options: text, color, font, size, horz, bold. None of them renders or repaints.
    static KW_value* m_text(KW_value* r, KW_Object* o, KW_value a);
    static KW_value* m_color(KW_value* r, KW_Object* o, KW_value a);
    static KW_value* m_font(KW_value* r, KW_Object* o, KW_value a);
    static KW_value* m_size(KW_value* r, KW_Object* o, KW_value a);
    static KW_value* m_horz(KW_value* r, KW_Object* o, KW_value a);
    static KW_value* m_bold(KW_value* r, KW_Object* o, KW_value a);
};
