// A report is a blocking box without owner, so that it shows even before any window exists.
#include <windows.h>
#include "KW_error.h"

int KW_error_show(const char* report) { return MessageBoxA(nullptr, report, "ERROR", MB_OK); }
