// A picture from the executable's resources, repeated over the widget's rectangle from its top-left corner.
#pragma once
#include "graphics/KW_Pic.h"
#include "widgets/KW_Wid.h"
#include "widgets/KW_Wid_Str.h"

class KW_Wid_Pic : public KW_Wid {
public:
    KW_Pic<KW_Pix_A32> picture;
    KW_Wid_Str<64> resourceName;  // the last name -res could map

    void draw(KW_Pic_Base<KW_Pix_A32>& target, int32_t x, int32_t y, const KW_Rect& part) override;

    static const KW_Option options[];
};
