// The one loaded ASIO driver: loading by name unloads the previous one, and restores it when the new
// one cannot be loaded.
#pragma once
#include "audio/asio/AsioDriverList.h"

class AsioDrivers : public AsioDriverList {
public:
    int32_t current = -1;  // the loaded driver's position, -1 for none

    bool loadDriver(const char* name);
    void removeCurrentDriver();
    // The loaded driver's name as entryName gives it in 32 bytes; false and "" without one.
    bool getCurrentDriverName(char* text) const;
};

// The process's driver list, made by the ASIO stream class's registration.
extern AsioDrivers* asioDrivers;

// Loads the driver of that name through the process's list; false without a list.
bool loadAsioDriver(const char* name);
