// What the display shows of a window's client area, as 32-bit BGRA pixels, row by row from the top.
#pragma once
#include <windows.h>
#include <cstdint>
#include <vector>

std::vector<uint8_t> screenshot(HWND window, int32_t width, int32_t height);
