// The module that holds the framework's code: the executable itself when it runs on its own, and the
// plug-in's image (not the host's executable) when a host has loaded it.
#pragma once
#include <windows.h>

HMODULE KW_module();
