// The label rendered by the platform's font engine: the text is drawn on a cleared picture with a zero
// background, and every pixel the glyphs touched is made opaque.
#pragma once
#include <windows.h>
#include "widgets/KW_Wid_Text_Base.h"

class KW_Wid_Text_Win32 : public KW_Wid_Text_Base {
public:
    KW_Wid_Str<256> renderedText;  // the text the picture shows
    bool rendered = false;
    HFONT fontHandle = nullptr;    // owned

    ~KW_Wid_Text_Win32() override;

    // Renders first when the text has changed since the last rendering.
    void draw(KW_Pic_Base<KW_Pix_A32>& target, int32_t x, int32_t y, const KW_Rect& part) override;
    // Renders the text into the picture; nothing while the label is detached.
    void prepare() override;
    // A font that cannot be made leaves the previous one in use.
    void makeFont() override;

private:
    void render(HDC like);
    // Takes the font out of the picture's surface, so that it can be deleted.
    void deselectFont();
};
