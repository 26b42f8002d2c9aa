#include "audio/asio/AsioDriverList.h"
#include <cstring>

AsioDriverList::AsioDriverList() { scan(); }

AsioDriverList::~AsioDriverList() {
    while (Entry* e = entries) {
        if (e->driver) e->driver->Release();
        entries = e->next;
        delete e;
    }
    endApartment();
}

AsioDriverList::Entry* AsioDriverList::find(int32_t id) const {
    for (Entry* e = entries; e; e = e->next)
        if (e->id == id) return e;
    return nullptr;
}

void AsioDriverList::append(const uint8_t classId[16], const char* name) {
    Entry** end = &entries;
    while (*end) end = &(*end)->next;
    Entry* e = new Entry{count++, {}, {}, nullptr, nullptr};
    std::memcpy(e->classId, classId, sizeof e->classId);
    std::strncpy(e->name, name, sizeof e->name - 1);
    *end = e;
}

int32_t AsioDriverList::openDriver(int32_t id, IASIO** driver) {
    if (!driver) return ASIO_INVALID_ARGUMENT;
    Entry* e = find(id);
    if (!e) return ASIO_NOT_FOUND;
    if (e->driver) return ASIO_ALREADY_OPEN;
    int32_t r = create(e->classId, &e->driver);
    if (r != ASIO_OK) {
        e->driver = nullptr;
        return r;
    }
    *driver = e->driver;
    return ASIO_OK;
}

int32_t AsioDriverList::closeDriver(int32_t id) {
    Entry* e = find(id);
    if (e && e->driver) {
        e->driver->Release();
        e->driver = nullptr;
    }
    return ASIO_OK;
}

int32_t AsioDriverList::entryName(int32_t id, char* text, int32_t size) const {
    if (!text || size < 1) return ASIO_INVALID_ARGUMENT;
    Entry* e = find(id);
    if (!e) return ASIO_NOT_FOUND;
    if (int32_t(std::strlen(e->name)) < size) {
        std::strcpy(text, e->name);
    } else if (size > 4) {
        std::memcpy(text, e->name, size - 4);
        std::strcpy(text + size - 4, "...");
    } else {
        std::memcpy(text, e->name, size - 1);
        text[size - 1] = 0;
    }
    return ASIO_OK;
}
