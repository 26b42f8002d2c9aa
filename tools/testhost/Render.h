// A fixed programme through the product's processReplacing: input with sweeps, noise and values no audio
// should hold, parameter moves and on/off switches between blocks of odd lengths, at three sample rates.
// Two builds of the product must give the same output for it, bit for bit.
#pragma once
#include <vector>
#include "Plugin.h"

// Both output channels of the whole programme, interleaved. Call it on a freshly opened effect; it leaves
// the parameters as it found them.
std::vector<float> render(Plugin& plugin);
// Writes the rendered output to a file; false when it cannot.
bool writeRender(const std::vector<float>& output, const char* file);
// Compares the rendered output with a file written by writeRender, bit for bit; prints the first
// difference and the number of differing values. True when they are identical.
bool sameRender(const std::vector<float>& output, const char* file);
