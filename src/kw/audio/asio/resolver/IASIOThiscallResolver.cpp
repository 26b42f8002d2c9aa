#include "audio/asio/resolver/IASIOThiscallResolver.h"

typedef IASIOThiscallResolver R;

int32_t R::QueryInterface(const void*, void** object) {
    if (object) *object = nullptr;
    return int32_t(0x80004002);  // no such interface
}
uint32_t R::AddRef() { return 1; }
uint32_t R::Release() { return 1; }

int32_t R::init(void* sysHandle) { return driver->init(sysHandle); }
void R::getDriverName(char* name) { driver->getDriverName(name); }
int32_t R::getDriverVersion() { return driver->getDriverVersion(); }
void R::getErrorMessage(char* text) { driver->getErrorMessage(text); }
int32_t R::start() { return driver->start(); }
int32_t R::stop() { return driver->stop(); }
int32_t R::getChannels(int32_t* inputs, int32_t* outputs) { return driver->getChannels(inputs, outputs); }
int32_t R::getLatencies(int32_t* input, int32_t* output) { return driver->getLatencies(input, output); }
int32_t R::getBufferSize(int32_t* minimum, int32_t* maximum, int32_t* preferred, int32_t* granularity) {
    return driver->getBufferSize(minimum, maximum, preferred, granularity);
}
int32_t R::canSampleRate(double rate) { return driver->canSampleRate(rate); }
int32_t R::getSampleRate(double* rate) { return driver->getSampleRate(rate); }
int32_t R::setSampleRate(double rate) { return driver->setSampleRate(rate); }
int32_t R::getClockSources(ASIOClockSource* clocks, int32_t* count) { return driver->getClockSources(clocks, count); }
int32_t R::setClockSource(int32_t reference) { return driver->setClockSource(reference); }
int32_t R::getSamplePosition(ASIOSamples* position, ASIOTimeStamp* stamp) {
    return driver->getSamplePosition(position, stamp);
}
int32_t R::getChannelInfo(ASIOChannelInfo* info) { return driver->getChannelInfo(info); }
int32_t R::createBuffers(ASIOBufferInfo* infos, int32_t count, int32_t size, ASIOCallbacks* callbacks) {
    return driver->createBuffers(infos, count, size, callbacks);
}
int32_t R::disposeBuffers() { return driver->disposeBuffers(); }
int32_t R::controlPanel() { return driver->controlPanel(); }
int32_t R::future(int32_t selector, void* option) { return driver->future(selector, option); }
int32_t R::outputReady() { return driver->outputReady(); }
