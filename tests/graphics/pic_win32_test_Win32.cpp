// The Windows picture: its pixels are the memory of a 32-bit top-down bitmap that drawing surfaces see.
#include <gtest/gtest.h>
#include <windows.h>
#include "graphics/KW_Pic.h"

using Picture = KW_Pic<KW_Pix_A32>;

TEST(PictureWin32, ResizeCreatesATopDownBitmapOverThePixels) {
    Picture pic;
    ASSERT_TRUE(pic.resize(5, 3));
    ASSERT_NE(nullptr, pic.bitmap);
    DIBSECTION dib{};
    ASSERT_EQ(int(sizeof dib), GetObject(pic.bitmap, sizeof dib, &dib));
    EXPECT_EQ(static_cast<void*>(pic.pixels), dib.dsBm.bmBits);
    EXPECT_EQ(5, dib.dsBm.bmWidth);
    EXPECT_EQ(3, dib.dsBm.bmHeight);
    EXPECT_EQ(32, dib.dsBm.bmBitsPixel);
    EXPECT_EQ(40u, pic.description.biSize);
    EXPECT_EQ(5, pic.description.biWidth);
    EXPECT_EQ(-3, pic.description.biHeight);
    EXPECT_EQ(1, pic.description.biPlanes);
    EXPECT_EQ(32, pic.description.biBitCount);
    EXPECT_EQ(DWORD(BI_RGB), pic.description.biCompression);
    for (int k = 0; k < 15; ++k) EXPECT_EQ(0u, pic.pixels[k].word());
}

TEST(PictureWin32, ResizeReplacesTheBitmap) {
    Picture pic;
    ASSERT_TRUE(pic.resize(4, 4));
    HBITMAP first = pic.bitmap;
    ASSERT_TRUE(pic.resize(8, 2));
    EXPECT_NE(first, pic.bitmap);
    EXPECT_EQ(0u, GetObjectType(first));  // deleted
    EXPECT_EQ(-2, pic.description.biHeight);
}

// What the platform draws through the surface lands in the picture's rows, top row first, bytes blue,
// green, red; and the surface follows the picture when it is resized.
TEST(PictureWin32, TheSurfaceDrawsIntoThePixels) {
    Picture pic;
    ASSERT_TRUE(pic.resize(6, 4));
    HDC screen = GetDC(nullptr);
    HDC surface = pic.makeSurface(screen);
    ReleaseDC(nullptr, screen);
    ASSERT_NE(nullptr, surface);
    EXPECT_EQ(surface, pic.makeSurface(nullptr));
    EXPECT_EQ(static_cast<HGDIOBJ>(pic.bitmap), GetCurrentObject(surface, OBJ_BITMAP));
    SetPixel(surface, 4, 1, RGB(10, 20, 30));
    GdiFlush();
    EXPECT_EQ(10, pic.row(1)[4].r);
    EXPECT_EQ(20, pic.row(1)[4].g);
    EXPECT_EQ(30, pic.row(1)[4].b);

    HBITMAP old = pic.bitmap;
    ASSERT_TRUE(pic.resize(3, 3));
    EXPECT_EQ(static_cast<HGDIOBJ>(pic.bitmap), GetCurrentObject(surface, OBJ_BITMAP));
    EXPECT_EQ(0u, GetObjectType(old));
    SetPixel(surface, 2, 2, RGB(1, 2, 3));
    GdiFlush();
    EXPECT_EQ(1, pic.row(2)[2].r);

    pic.dropSurface();
    EXPECT_EQ(nullptr, pic.surface);
    EXPECT_NE(0u, GetObjectType(pic.bitmap));  // the bitmap stays with the picture
}

TEST(PictureWin32, AnEmptySizeHasNoBitmap) {
    Picture pic;
    ASSERT_TRUE(pic.resize(4, 4));
    ASSERT_TRUE(pic.resize(0, 7));
    EXPECT_EQ(nullptr, pic.bitmap);
    EXPECT_EQ(nullptr, pic.pixels);
    EXPECT_EQ(0, pic.width);
    EXPECT_EQ(7, pic.height);
}
