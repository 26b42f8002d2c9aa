// Every resource of the executable, drawn from code. Each painter adds its resources to the bundle.
#pragma once
#include "Bundle.h"

void paintBackdrops(Bundle& bundle);  // BGND, GMM
void paintFrames(Bundle& bundle);     // ALT ... ARB, GLT ... GRB
void paintLogo(Bundle& bundle);       // SITELOGO
void paintMeters(Bundle& bundle);     // I41X89, I91X17
void paintDials(Bundle& bundle);      // BIG, KNOB
void paintSlider(Bundle& bundle);     // TUNE
void paintButtons(Bundle& bundle);    // BUT, LOAD, PEEK, SAVE
