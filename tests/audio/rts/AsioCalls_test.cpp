// The driver calls with and without a driver, and what they make of a driver's odd answers.
#include <gtest/gtest.h>
#include <string>
#include "FakeAsioDriver.h"
#include "audio/asio/AsioCalls.h"

namespace {

class AsioCalls : public testing::Test {
protected:
    void TearDown() override { ASIOExit(); }
};

TEST_F(AsioCalls, WithoutADriverAnswerNotPresentAndClearTheResults) {
    asioDriver = nullptr;
    ASIODriverInfo info = {};
    info.driverVersion = 9;
    EXPECT_EQ(ASIOInit(&info), ASIO_NOT_PRESENT);
    EXPECT_STREQ(info.name, "No ASIO Driver");
    EXPECT_EQ(info.driverVersion, 0);
    int32_t in = 5, out = 5;
    EXPECT_EQ(ASIOGetChannels(&in, &out), ASIO_NOT_PRESENT);
    EXPECT_EQ(in, 0);
    EXPECT_EQ(out, 0);
    int32_t sizes[4] = {1, 2, 3, 4};
    EXPECT_EQ(ASIOGetBufferSize(&sizes[0], &sizes[1], &sizes[2], &sizes[3]), ASIO_NOT_PRESENT);
    EXPECT_EQ(sizes[0] | sizes[1] | sizes[2] | sizes[3], 0);
    ASIOChannelInfo channel = {};
    channel.type = 19;
    EXPECT_EQ(ASIOGetChannelInfo(&channel), ASIO_NOT_PRESENT);
    EXPECT_EQ(channel.channelGroup, -1);
    EXPECT_EQ(channel.type, 0);
    EXPECT_STREQ(channel.name, "None");
    int x;
    ASIOBufferInfo buffers[2] = {{1, 0, {&x, &x}}, {0, 0, {&x, &x}}};
    EXPECT_EQ(ASIOCreateBuffers(buffers, 2, 256, nullptr), ASIO_NOT_PRESENT);
    for (auto& b : buffers) EXPECT_TRUE(!b.buffers[0] && !b.buffers[1]);
    EXPECT_EQ(ASIOStart(), ASIO_NOT_PRESENT);
    EXPECT_EQ(ASIOStop(), ASIO_NOT_PRESENT);
    EXPECT_EQ(ASIOCanSampleRate(48000), ASIO_NOT_PRESENT);
    EXPECT_EQ(ASIOSetSampleRate(48000), ASIO_NOT_PRESENT);
    EXPECT_EQ(ASIOExit(), ASIO_OK);
}

TEST_F(AsioCalls, InitGoesThroughTheResolverToTheDriver) {
    FakeAsioDriver fake;
    asioDriver = &fake;
    ASIODriverInfo info = {};
    EXPECT_EQ(ASIOInit(&info), ASIO_OK);
    EXPECT_STREQ(info.name, "Fake driver");
    EXPECT_EQ(info.driverVersion, 42);
    EXPECT_STREQ(info.errorMessage, "No ASIO Driver Error");
    EXPECT_NE(asioDriver, &fake);
    EXPECT_EQ(ASIOStart(), 101);
    // Initialising again keeps one resolver in front of the driver, not a resolver in front of itself.
    EXPECT_EQ(ASIOInit(&info), ASIO_OK);
    EXPECT_EQ(ASIOStop(), 102);
    EXPECT_EQ(fake.calls, "init getDriverName getDriverVersion start init getDriverName getDriverVersion stop");
    EXPECT_EQ(ASIOExit(), ASIO_OK);
    EXPECT_EQ(asioDriver, nullptr);
}

TEST_F(AsioCalls, AFailedInitKeepsTheDriversMessageAndDropsTheDriver) {
    FakeAsioDriver fake;
    fake.initResult = 0;
    asioDriver = &fake;
    ASIODriverInfo info = {};
    EXPECT_EQ(ASIOInit(&info), ASIO_NOT_PRESENT);
    EXPECT_STREQ(info.errorMessage, "Fake failure");
    EXPECT_STREQ(info.name, "No ASIO Driver");
    EXPECT_EQ(asioDriver, nullptr);
}

// A driver name written without its zero, and longer than its 32 bytes, is cut; nothing beyond is touched.
TEST_F(AsioCalls, AnUnterminatedDriverNameIsCut) {
    FakeAsioDriver fake;
    std::string longName(40, 'x');
    fake.name = longName.c_str();
    fake.nameBytes = longName.size();
    asioDriver = &fake;
    ASIODriverInfo info = {};
    EXPECT_EQ(ASIOInit(&info), ASIO_OK);
    EXPECT_EQ(std::string(info.name), std::string(31, 'x'));
    EXPECT_STREQ(info.errorMessage, "No ASIO Driver Error");
}

}  // namespace
