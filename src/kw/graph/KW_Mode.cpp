#include "graph/KW_Mode.h"
#include <cstring>

const char* const KW_Mode::names[COUNT] = {"set", "add", "sub", "stn", "adn", "sbn"};

int32_t KW_Mode::find(const char* name) {
    if (!name) return -1;
    for (int32_t m = COUNT - 1; m >= 0; --m)
        if (std::strcmp(name, names[m]) == 0) return m;
    return -1;
}
