// Without message boxes a report goes to standard error; it is acknowledged at once, as OK (1).
#include <cstdio>
#include "KW_error.h"

int KW_error_show(const char* report) {
    std::fprintf(stderr, "%s\n", report);
    std::fflush(stderr);
    return 1;
}
