// The one error report of the framework: six lines naming message, place and build time,
// shown in a blocking box captioned "ERROR" (standard error on the native build).
#pragma once
#include "KW_export.h"

extern "C" KW_EXPORT int KW_error_func(const char* file, int line, const char* proc, const char* date,
                                       const char* time, const char* message);

// The platform's part: shows a formatted report and returns the answer (1, OK, where nobody is asked).
int KW_error_show(const char* report);

// Reports from the calling place.
#define KW_ERROR(proc, message) KW_error_func(__FILE__, __LINE__, (proc), __DATE__, __TIME__, (message))
