#include "audio/asio/AsioCalls.h"
#include <cstring>
#include "audio/asio/AsioDrivers.h"
#include "audio/asio/resolver/IASIOThiscallResolver.h"

IASIO* asioDriver = nullptr;

namespace {

IASIOThiscallResolver resolver;

// Copies a text a driver wrote into a roomier scratch buffer, so that one written without its zero
// or past its size is cut instead of read or written beyond the record.
template <size_t N, class Fill>
void fetchText(char (&to)[N], Fill fill) {
    char scratch[512] = {};
    fill(scratch);
    std::memcpy(to, scratch, N - 1);
    to[N - 1] = 0;
}

}  // namespace

int32_t ASIOInit(ASIODriverInfo* info) {
    if (!info) return ASIO_INVALID_ARGUMENT;
    info->driverVersion = 0;
    std::strcpy(info->name, "No ASIO Driver");
    if (!asioDriver) return ASIO_NOT_PRESENT;
    if (asioDriver != &resolver) resolver.driver = asioDriver;
    asioDriver = &resolver;
    if (!asioDriver->init(info->sysRef)) {
        fetchText(info->errorMessage, [](char* t) { asioDriver->getErrorMessage(t); });
        asioDriver = nullptr;
        return ASIO_NOT_PRESENT;
    }
    std::strcpy(info->errorMessage, "No ASIO Driver Error");
    fetchText(info->name, [](char* t) { asioDriver->getDriverName(t); });
    info->driverVersion = asioDriver->getDriverVersion();
    return ASIO_OK;
}

int32_t ASIOExit() {
    if (asioDrivers) asioDrivers->removeCurrentDriver();
    asioDriver = nullptr;
    return ASIO_OK;
}

int32_t ASIOStart() { return asioDriver ? asioDriver->start() : ASIO_NOT_PRESENT; }

int32_t ASIOStop() { return asioDriver ? asioDriver->stop() : ASIO_NOT_PRESENT; }

int32_t ASIOGetChannels(int32_t* inputs, int32_t* outputs) {
    if (!inputs || !outputs) return ASIO_INVALID_ARGUMENT;
    if (asioDriver) return asioDriver->getChannels(inputs, outputs);
    *inputs = *outputs = 0;
    return ASIO_NOT_PRESENT;
}

int32_t ASIOGetBufferSize(int32_t* minimum, int32_t* maximum, int32_t* preferred, int32_t* granularity) {
    if (!minimum || !maximum || !preferred || !granularity) return ASIO_INVALID_ARGUMENT;
    if (asioDriver) return asioDriver->getBufferSize(minimum, maximum, preferred, granularity);
    *minimum = *maximum = *preferred = *granularity = 0;
    return ASIO_NOT_PRESENT;
}

int32_t ASIOCanSampleRate(double rate) { return asioDriver ? asioDriver->canSampleRate(rate) : ASIO_NOT_PRESENT; }

int32_t ASIOSetSampleRate(double rate) { return asioDriver ? asioDriver->setSampleRate(rate) : ASIO_NOT_PRESENT; }

int32_t ASIOGetChannelInfo(ASIOChannelInfo* info) {
    if (!info) return ASIO_INVALID_ARGUMENT;
    if (asioDriver) return asioDriver->getChannelInfo(info);
    info->channelGroup = -1;
    info->type = 0;
    std::strcpy(info->name, "None");
    return ASIO_NOT_PRESENT;
}

int32_t ASIOCreateBuffers(ASIOBufferInfo* infos, int32_t count, int32_t size, ASIOCallbacks* callbacks) {
    if (!infos && count > 0) return ASIO_INVALID_ARGUMENT;
    if (asioDriver) return asioDriver->createBuffers(infos, count, size, callbacks);
    for (int32_t i = 0; i < count; ++i) infos[i].buffers[0] = infos[i].buffers[1] = nullptr;
    return ASIO_NOT_PRESENT;
}
