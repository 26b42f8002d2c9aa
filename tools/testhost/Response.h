// The filter's gain at one frequency, measured through the plug-in's processReplacing.
#pragma once
#include "Plugin.h"

// Gain in dB of a sine of amplitude 0.5 at f Hz, after the filter has settled.
double measureGain(Plugin& plugin, double rate, double f);
