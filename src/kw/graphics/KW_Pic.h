// The picture every part of the framework uses: the picture class of the platform it is built for.
#pragma once
#include "graphics/KW_Pix_A32.h"
#if defined(_WIN32)
#include "graphics/KW_Pic_Win32.h"
template <class TPix>
class KW_Pic : public KW_Pic_Win32<TPix> {};
#else
#include "graphics/KW_Pic_Base.h"
template <class TPix>
class KW_Pic : public KW_Pic_Base<TPix> {};
#endif
