#include "widgets/KW_Wid_Text_Win32.h"
#include <algorithm>
#include "windows/KW_Win_Win32.h"

KW_Wid_Text_Win32::~KW_Wid_Text_Win32() {
    deselectFont();
    if (fontHandle) DeleteObject(fontHandle);
}

void KW_Wid_Text_Win32::draw(KW_Pic_Base<KW_Pix_A32>& target, int32_t x, int32_t y, const KW_Rect& part) {
    if (!rendered || !renderedText.same(text.get())) prepare();
    KW_Wid_Pic::draw(target, x, y, part);
}

void KW_Wid_Text_Win32::prepare() {
    if (!window) return;
    // The picture is shared with the window's paints, which may run on another thread.
    auto* platform = dynamic_cast<KW_Win_Win32*>(window);
    if (!platform) {
        render(nullptr);
        return;
    }
    if (!platform->lockPaint()) return;
    render(platform->tilePicture.surface);
    platform->unlockPaint();
}

void KW_Wid_Text_Win32::render(HDC like) {
    if (width <= 0 || height <= 0) return;
    if ((picture.width != width || picture.height != height) && !picture.resize(width, height)) return;
    HDC dc = picture.makeSurface(like);
    if (!dc || !picture.pixels) return;
    SetMapMode(dc, MM_TEXT);
    if (fontHandle) SelectObject(dc, fontHandle);
    GdiFlush();
    std::fill(picture.pixels, picture.pixels + std::size_t(width) * height, KW_Pix_A32{});
    SetBkColor(dc, backColour);
    SetTextColor(dc, colour);
    RECT box{0, 0, width, height};
    const UINT align = horz == 0 ? DT_CENTER : horz < 0 ? DT_LEFT : DT_RIGHT;
    DrawTextA(dc, text.get(), -1, &box, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | align);
    GdiFlush();
    for (KW_Pix_A32* p = picture.pixels; p != picture.pixels + std::size_t(width) * height; ++p)
        if (p->word() != 0) p->a = 255;
    renderedText.set(text.get());
    rendered = true;
}

void KW_Wid_Text_Win32::makeFont() {
    if (font.empty() || size == 0) return;
    HFONT made = CreateFontA(-size, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_TT_PRECIS,
                             CLIP_DEFAULT_PRECIS, PROOF_QUALITY, DEFAULT_PITCH | FF_DONTCARE, font.get());
    if (!made) return;
    deselectFont();
    if (fontHandle) DeleteObject(fontHandle);
    fontHandle = made;
}

void KW_Wid_Text_Win32::deselectFont() {
    if (picture.surface) SelectObject(picture.surface, GetStockObject(SYSTEM_FONT));
}
