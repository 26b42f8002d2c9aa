// The two resource formats: KWIF still pictures and KWVF frame strips of deduplicated 4 x 4 blocks.
#pragma once
#include <cstdint>
#include <vector>
#include "Image.h"

std::vector<uint8_t> encodeKwif(const Image& picture);

// Every frame the same size. Throws when the strip needs more distinct blocks than 16-bit numbers reach.
std::vector<uint8_t> encodeKwvf(const std::vector<Image>& frames);
