#include "audio/asio/AsioDrivers.h"
#include <cstring>
#include "audio/asio/AsioCalls.h"

AsioDrivers* asioDrivers = nullptr;

namespace {
const int32_t NAME_SIZE = 32;  // the size of the names the streams and menus use
}

bool AsioDrivers::loadDriver(const char* name) {
    if (!name) return false;
    char candidate[NAME_SIZE];
    int32_t id = 0;
    while (id < count && !(entryName(id, candidate, NAME_SIZE) == ASIO_OK && !std::strcmp(candidate, name))) ++id;
    if (id == count) return false;

    char previous[NAME_SIZE];
    getCurrentDriverName(previous);
    removeCurrentDriver();
    if (openDriver(id, &asioDriver) == ASIO_OK) {
        current = id;
        return true;
    }
    asioDriver = nullptr;
    if (previous[0] && std::strcmp(previous, name)) loadDriver(previous);
    return false;
}

void AsioDrivers::removeCurrentDriver() {
    if (current != -1) closeDriver(current);
    current = -1;
}

bool AsioDrivers::getCurrentDriverName(char* text) const {
    text[0] = 0;
    return current != -1 && entryName(current, text, NAME_SIZE) == ASIO_OK;
}

bool loadAsioDriver(const char* name) { return asioDrivers && asioDrivers->loadDriver(name); }
