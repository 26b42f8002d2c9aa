#include "graphics/KW_Pic_Win32.h"
#include "core/KW_error.h"
#include "core/KW_status.h"
#include "graphics/KW_Pix_A32.h"

template <class TPix>
KW_Pic_Win32<TPix>::~KW_Pic_Win32() {
    dropSurface();
    if (bitmap) DeleteObject(bitmap);
}

template <class TPix>
bool KW_Pic_Win32<TPix>::resize(int32_t w, int32_t h) {
    if (!this->sizeAllowed(w, h)) return false;
    BITMAPINFOHEADER wanted{};
    wanted.biSize = sizeof wanted;
    wanted.biWidth = w;
    wanted.biHeight = -h;  // negative: rows from the top
    wanted.biPlanes = 1;
    wanted.biBitCount = 32;
    wanted.biCompression = BI_RGB;
    void* memory = nullptr;
    HBITMAP fresh = nullptr;
    if (w > 0 && h > 0) {
        fresh = CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&wanted), DIB_RGB_COLORS, &memory, nullptr, 0);
        if (!fresh) {
            KW_ERROR("KW_Pic_Win32<TPix>::resize", KW_ERROR_MEMORY_CANNOT_ALLOCATE);
            return false;
        }
    }
    // The old bitmap can only be deleted once the surface no longer holds it.
    if (surface) {
        HGDIOBJ previous = SelectObject(surface, fresh ? static_cast<HGDIOBJ>(fresh) : original);
        if (!original) original = previous;
    }
    if (bitmap) DeleteObject(bitmap);
    bitmap = fresh;
    description = wanted;
    this->pixels = static_cast<TPix*>(memory);
    this->width = w;
    this->height = h;
    return true;
}

template <class TPix>
HDC KW_Pic_Win32<TPix>::makeSurface(HDC like) {
    if (surface) return surface;
    surface = CreateCompatibleDC(like);
    if (surface && bitmap) original = SelectObject(surface, bitmap);
    return surface;
}

template <class TPix>
void KW_Pic_Win32<TPix>::dropSurface() {
    if (!surface) return;
    if (original) SelectObject(surface, original);
    DeleteDC(surface);
    surface = nullptr;
    original = nullptr;
}

template class KW_Pic_Win32<KW_Pix_A32>;
