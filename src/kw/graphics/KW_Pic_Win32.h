// The Windows picture: its storage is a 32-bit top-down bitmap whose memory the program writes directly,
// and it can carry an off-screen surface with that bitmap selected, for copies to the screen and text.
#pragma once
#include <windows.h>
#include "graphics/KW_Pic_Base.h"

template <class TPix>
class KW_Pic_Win32 : public KW_Pic_Base<TPix> {
public:
    HDC surface = nullptr;
    HBITMAP bitmap = nullptr;
    BITMAPINFOHEADER description{};

    KW_Pic_Win32() = default;
    ~KW_Pic_Win32() override;

    // Replaces the bitmap by one of w x h pixels, all 0 (a 0-pixel picture has none); a surface keeps
    // showing the picture's bitmap.
    bool resize(int32_t w, int32_t h) override;

    // The surface, created compatible with `like` on first use, with the bitmap selected.
    HDC makeSurface(HDC like);
    // Deletes the surface; the bitmap stays.
    void dropSurface();

private:
    HGDIOBJ original = nullptr;  // the surface's own bitmap, put back before the surface is deleted
};
