// Writes a picture as a PNG file (8-bit RGBA, stored without compression: previews only need to be exact).
#pragma once
#include <string>
#include "graphics/KW_Pic_Base.h"
#include "graphics/KW_Pix_A32.h"

bool writePng(const std::string& path, const KW_Pic_Base<KW_Pix_A32>& picture);
