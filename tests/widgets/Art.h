// Small art whose every pixel the tests know, linked in as the program's resources:
//   SOLID  KWIF 63 x 63, opaque, pixel (x, y) = (red x, green y, blue 77)
//   LOGO   KWIF 160 x 30, opaque grey
//   FAINT  KWIF 10 x 10, red 200, alpha 100
//   BUT    KWVF 40 x 24, 2 frames: red 100 + 100 x frame, green 50, blue 20; alpha by column:
//          x < 4: 127, x < 8: 128, x < 20: 100, else 255
//   BIG    KWVF 64 x 64, 265 frames: inside (8..56) opaque red frame % 256, green frame / 256,
//          blue 7; transparent outside
//   ONE    KWVF 8 x 8, 1 frame, opaque white
//   NOTPIC a KWVF strip (not a picture); NOTVID a KWIF picture (not a strip)
#pragma once
#include <cstdint>
#include "graphics/KW_Pix_A32.h"

namespace art {

KW_Pix_A32 solid(int x, int y);
KW_Pix_A32 but(int frame, int x, int y);
KW_Pix_A32 big(int frame, int x, int y);

}  // namespace art
