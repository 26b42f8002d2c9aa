// The resolver passes every driver method on with its arguments and returns the driver's answer.
#include <gtest/gtest.h>
#include "FakeAsioDriver.h"
#include "audio/asio/resolver/IASIOThiscallResolver.h"

namespace {

TEST(Resolver, ForwardsEveryDriverMethod) {
    FakeAsioDriver fake;
    IASIOThiscallResolver resolver;
    resolver.driver = &fake;
    IASIO& r = resolver;
    int handle;
    EXPECT_EQ(r.init(&handle), 1);
    EXPECT_EQ(fake.lastPointer, &handle);
    char name[32];
    r.getDriverName(name);
    EXPECT_STREQ(name, "Fake driver");
    EXPECT_EQ(r.getDriverVersion(), 42);
    char error[124];
    r.getErrorMessage(error);
    EXPECT_STREQ(error, "Fake failure");
    EXPECT_EQ(r.start(), 101);
    EXPECT_EQ(r.stop(), 102);
    int32_t a = 0, b = 0, c = 0, d = 0;
    EXPECT_EQ(r.getChannels(&a, &b), 103);
    EXPECT_EQ(a * 10 + b, 35);
    EXPECT_EQ(r.getLatencies(&a, &b), 104);
    EXPECT_EQ(a * 100 + b, 1113);
    EXPECT_EQ(r.getBufferSize(&a, &b, &c, &d), 105);
    EXPECT_EQ(a + b + c + d, 64 + 2048 + 256 - 1);
    EXPECT_EQ(r.canSampleRate(44100.5), 106);
    EXPECT_EQ(fake.lastRate, 44100.5);
    double rate = 0;
    EXPECT_EQ(r.getSampleRate(&rate), 107);
    EXPECT_EQ(rate, 88200);
    EXPECT_EQ(r.setSampleRate(192000), 108);
    EXPECT_EQ(fake.lastRate, 192000);
    ASIOClockSource clocks[2];
    EXPECT_EQ(r.getClockSources(clocks, &a), 109);
    EXPECT_EQ(fake.lastPointer, clocks);
    EXPECT_EQ(r.setClockSource(-9), 110);
    EXPECT_EQ(fake.lastInt, -9);
    ASIOSamples position = {};
    ASIOTimeStamp stamp = {};
    EXPECT_EQ(r.getSamplePosition(&position, &stamp), 111);
    EXPECT_EQ(position.lo * 10 + stamp.lo, 12u);
    ASIOChannelInfo info = {};
    EXPECT_EQ(r.getChannelInfo(&info), 112);
    EXPECT_EQ(info.type, 19);
    ASIOBufferInfo buffers[2] = {};
    ASIOCallbacks callbacks = {};
    EXPECT_EQ(r.createBuffers(buffers, 2, 512, &callbacks), 113);
    EXPECT_EQ(buffers[1].buffers[1], &fake);
    EXPECT_EQ(fake.lastInt, 512);
    EXPECT_EQ(fake.lastPointer, &callbacks);
    EXPECT_EQ(r.disposeBuffers(), 114);
    EXPECT_EQ(r.controlPanel(), 115);
    EXPECT_EQ(r.future(77, &a), 116);
    EXPECT_EQ(fake.lastInt, 77);
    EXPECT_EQ(fake.lastPointer, &a);
    EXPECT_EQ(r.outputReady(), 117);
    EXPECT_EQ(fake.calls,
              "init getDriverName getDriverVersion getErrorMessage start stop getChannels getLatencies "
              "getBufferSize canSampleRate getSampleRate setSampleRate getClockSources setClockSource "
              "getSamplePosition getChannelInfo createBuffers disposeBuffers controlPanel future outputReady");
}

// Its own COM methods never reach the driver: the driver's reference count is the driver's business.
TEST(Resolver, KeepsItsComMethodsToItself) {
    FakeAsioDriver fake;
    IASIOThiscallResolver resolver;
    resolver.driver = &fake;
    void* object = &fake;
    EXPECT_EQ(uint32_t(resolver.QueryInterface(nullptr, &object)), 0x80004002u);
    EXPECT_EQ(object, nullptr);
    EXPECT_EQ(resolver.AddRef(), 1u);
    EXPECT_EQ(resolver.Release(), 1u);
    EXPECT_EQ(fake.calls, "");
}

}  // namespace
