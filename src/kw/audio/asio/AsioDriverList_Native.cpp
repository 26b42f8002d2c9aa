// Without a registry of COM servers there are no ASIO drivers: the list stays empty.
#include "audio/asio/AsioDriverList.h"

void AsioDriverList::scan() {}

int32_t AsioDriverList::create(const uint8_t*, IASIO**) { return ASIO_NOT_PRESENT; }

void AsioDriverList::endApartment() {}
