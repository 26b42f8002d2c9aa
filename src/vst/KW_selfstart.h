// Start-up for an executable that a plug-in host has mapped with LoadLibrary.
#pragma once

// Makes the image runnable when its own start-up never ran: resolves its imports, applies the
// runtime's pseudo-relocations and runs the static constructors, once per process. Does nothing when
// the program was started normally. False when the image cannot run here (not mapped at the base it
// was linked for, or an import that cannot be found).
bool KW_selfstart();
