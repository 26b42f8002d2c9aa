// The driver calls of the ASIO streams: each goes to the loaded driver (through the calling-convention
// resolver once ASIOInit has run) and answers ASIO_NOT_PRESENT without one.
#pragma once
#include "audio/asio/IASIO.h"

// The driver the calls use; set by loading, cleared by ASIOExit or a failed ASIOInit.
extern IASIO* asioDriver;

int32_t ASIOInit(ASIODriverInfo* info);
int32_t ASIOExit();
int32_t ASIOStart();
int32_t ASIOStop();
int32_t ASIOGetChannels(int32_t* inputs, int32_t* outputs);
int32_t ASIOGetBufferSize(int32_t* minimum, int32_t* maximum, int32_t* preferred, int32_t* granularity);
int32_t ASIOCanSampleRate(double rate);
int32_t ASIOSetSampleRate(double rate);
int32_t ASIOGetChannelInfo(ASIOChannelInfo* info);
int32_t ASIOCreateBuffers(ASIOBufferInfo* infos, int32_t count, int32_t size, ASIOCallbacks* callbacks);
