// The editor as a host shows it: in a top-level window of the host's, worked with the pointer.
#pragma once
#include "Plugin.h"

// Its size, the parent's placement, the knob and the button under the pointer, and closing.
void checkEditor(Plugin& plugin);
// Opened and closed again many times, with the frequency moved while it is closed: every opening shows
// the same picture for the same settings, and a closed editor leaves no window behind.
void checkEditorCycles(Plugin& plugin, int cycles);
