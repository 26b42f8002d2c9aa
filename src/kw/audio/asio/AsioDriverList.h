// The ASIO drivers registered on this computer, in registry order, and the opening and closing of
// their driver objects by position.
#pragma once
#include <cstdint>
#include "audio/asio/IASIO.h"

class AsioDriverList {
public:
    struct Entry {
        int32_t id;
        uint8_t classId[16];
        char name[128];
        IASIO* driver;  // while open; released on close
        Entry* next;
    };

    AsioDriverList();
    ~AsioDriverList();
    AsioDriverList(const AsioDriverList&) = delete;
    AsioDriverList& operator=(const AsioDriverList&) = delete;

    int32_t getNumDevices() const { return count; }
    // 0, or ASIO_INVALID_ARGUMENT, ASIO_NOT_FOUND, ASIO_ALREADY_OPEN or the system's creation error.
    int32_t openDriver(int32_t id, IASIO** driver);
    int32_t closeDriver(int32_t id);
    // The name in size bytes; a longer one is cut to size - 4 characters followed by "...".
    int32_t entryName(int32_t id, char* text, int32_t size) const;

protected:
    Entry* entries = nullptr;
    int32_t count = 0;

private:
    bool apartment = false;  // this list began the thread's COM apartment and ends it

    Entry* find(int32_t id) const;
    void append(const uint8_t classId[16], const char* name);
    // The platform's part: reading the registrations, creating a driver object, the COM apartment.
    void scan();
    static int32_t create(const uint8_t classId[16], IASIO** driver);
    void endApartment();
};
