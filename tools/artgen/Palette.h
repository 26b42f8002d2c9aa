// The one family of colours every resource is drawn from: a dark graphite panel, brushed metal controls
// and an orchid accent that matches the editor's caption colours.
#pragma once
#include "Image.h"

namespace palette {

inline const Rgba backdrop = rgb(0x17191e);      // editor background
inline const Rgba backdropStripe = rgb(0x1c1f25);
inline const Rgba panel = rgb(0x25282f);         // face of the group panel
inline const Rgba rimLight = rgb(0x5c626d);      // bevels facing the light (from the top left)
inline const Rgba rimShade = rgb(0x15171b);      // bevels facing away
inline const Rgba rimBody = rgb(0x33373f);
inline const Rgba outline = rgb(0x08090b);
inline const Rgba well = rgb(0x0f1114);          // recess under every control
inline const Rgba track = rgb(0x33373f);         // unlit part of a value track
inline const Rgba metalTop = rgb(0x6a707b);      // control caps, lit from above
inline const Rgba metalBottom = rgb(0x2a2e35);
inline const Rgba pointer = rgb(0xf1f2f6);
inline const Rgba accent = rgb(0xd27ab8);        // value tracks, lit marks
inline const Rgba accentHot = rgb(0xffb4e6);     // the core of a lit mark
inline const Rgba markOff = rgb(0x17191d);
inline const Rgba ink = rgb(0xe8eaf0);           // logo lettering
inline const Rgba shadow = rgb(0x000000);

}  // namespace palette
