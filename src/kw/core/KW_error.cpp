// The error report: six lines naming the message, where it came from and when the code was built.
#include "KW_error.h"
#include <cstdio>
#include <cstring>
#include <mutex>

namespace {
char report[4096];  // the last report
std::mutex reporting;

const char* orEmpty(const char* s) { return s ? s : ""; }
}  // namespace

int KW_error_func(const char* file, int line, const char* proc, const char* date, const char* time,
                  const char* message) {
    char shown[sizeof report];
    {
        std::lock_guard<std::mutex> hold(reporting);
        std::snprintf(report, sizeof report, "Error: %s\nFile: %s\nLine: %d\nProc: %s\nDate: %s\nTime: %s",
                      orEmpty(message), orEmpty(file), line, orEmpty(proc), orEmpty(date), orEmpty(time));
        std::memcpy(shown, report, sizeof report);
    }
    // Shown from a copy: the box blocks, and another thread may report meanwhile.
    return KW_error_show(shown);
}
