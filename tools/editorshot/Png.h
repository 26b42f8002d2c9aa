// Writes 32-bit pixels (blue, green, red, alpha in memory, rows from the top) as an RGB PNG file.
#pragma once
#include <cstdint>

bool writePng(const char* path, const uint8_t* bgra, int32_t width, int32_t height);
