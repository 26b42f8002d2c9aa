// The filter's editor as its pictures and strips compose it (without the text the platform draws),
// so the art can be judged where it is used.
#pragma once
#include "graphics/KW_Pic_Base.h"
#include "graphics/KW_Pix_A32.h"

// Composes the 200 x 236 editor with the button on and the knob at the given frame.
void composeEditor(KW_Pic_Base<KW_Pix_A32>& editor, int knobFrame);
