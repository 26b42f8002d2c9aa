// The ASIO streams and driver discovery against the test drivers, registered in the prefix for the
// length of this program as an installer would (through the server's own registration entry).
#include <windows.h>
#include <gtest/gtest.h>
#include <algorithm>
#include <chrono>
#include <string>
#include <thread>
#include <vector>
#include "support/ReportCatcher.h"
#include "audio/KW_Rts_Asio.h"
#include "audio/asio/AsioCalls.h"
#include "audio/asio/AsioDrivers.h"
#include "audio/driver/TestAsioConfig.h"
#include "audio/driver/TestAsioStats.h"

namespace {

using Clock = std::chrono::steady_clock;
TestAsioStats* stats = nullptr;

class DriverRegistration : public testing::Environment {
public:
    void SetUp() override {
        char path[MAX_PATH];
        GetModuleFileNameA(nullptr, path, sizeof path);
        std::string file(path);
        file = file.substr(0, file.find_last_of("\\/") + 1) + "kw_test_asio_driver.dll";
        server = LoadLibraryA(file.c_str());
        ASSERT_NE(server, nullptr) << file;
        call("DllUnregisterServer");  // whatever an earlier run may have left
        ASSERT_EQ(call("DllRegisterServer"), S_OK);
        stats = entry<TestAsioStatsFunction>("testAsioStats")();
    }
    void TearDown() override {
        if (!server) return;
        call("DllUnregisterServer");
        FreeLibrary(server);
    }

private:
    HMODULE server = nullptr;
    template <class F>
    F entry(const char* name) {
        return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(server, name)));
    }
    HRESULT call(const char* name) {
        auto f = entry<HRESULT(STDAPICALLTYPE*)()>(name);
        return f ? f() : E_FAIL;
    }
};
const testing::Environment* registration = testing::AddGlobalTestEnvironment(new DriverRegistration);

// The host's work: every input through a float work buffer into the output of the same number.
KW_Rts_Asio* streaming = nullptr;
std::atomic<int> callbacks{0};
float work[KW_Rts_Asio::MAX_CHANNELS][1024];
void passThrough() {
    ++callbacks;
    KW_Chain_Item* in = streaming->inputs.first();
    KW_Chain_Item* out = streaming->outputs.first();
    for (int k = 0; in != streaming->inputs.end() && out != streaming->outputs.end();
         ++k, in = in->next, out = out->next) {
        auto* i = static_cast<KW_Rts::Chan*>(in->data);
        KW_Rts::Chan w("work", 0x1002004, i->count);
        w.data = work[k];
        KW_Rts::copyBuffer(w, *i);
        KW_Rts::copyBuffer(*static_cast<KW_Rts::Chan*>(out->data), w);
    }
}

bool waitFor(const std::atomic<int>& count, int atLeast) {
    const auto until = Clock::now() + std::chrono::seconds(10);
    while (count.load() < atLeast && Clock::now() < until) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    return count.load() >= atLeast;
}

template <class T>
std::vector<T*> items(const KW_Chain& list) {
    std::vector<T*> v;
    for (KW_Chain_Item* it = list.first(); it != list.end(); it = it->next) v.push_back(static_cast<T*>(it->data));
    return v;
}

std::vector<KW_Rts_Asio*> asioStreams() {
    std::vector<KW_Rts_Asio*> found;
    for (KW_Rts* s : items<KW_Rts>(KW_Rts_instances))
        if (auto* a = dynamic_cast<KW_Rts_Asio*>(s)) found.push_back(a);
    return found;
}

KW_Rts_Asio* named(const char* name, int which = 0) {
    for (KW_Rts_Asio* s : asioStreams())
        if (std::string(s->name) == name && which-- == 0) return s;
    return nullptr;
}

std::vector<std::string> descriptions(KW_Rts* s) {
    std::vector<std::string> d;
    for (KW_Rts::Mode* m : items<KW_Rts::Mode>(s->modes)) d.push_back(m->description);
    return d;
}

void expectReport(ReportCatcher& catcher, const char* call, int line, const char* proc) {
    const std::string text = catcher.text();
    EXPECT_EQ(text.rfind(std::string("Error: ") + call + "\nFile: ../../../projects/KW/KW/Rts/Asio\nLine: " +
                             std::to_string(line) + "\nProc: " + proc + "\n",
                         0),
              0u)
        << text;
}

class Asio : public testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_EQ(KW_Rts_Asio::classInit(passThrough), KW_OK); }
    static void TearDownTestSuite() {
        KW_Rts_Asio::destroyAll();
        EXPECT_TRUE(asioStreams().empty());
        EXPECT_EQ(stats->alive, 0) << "the loaded driver is released";
    }
    void TearDown() override {
        if (streaming) {
            EXPECT_EQ(streaming->free(), KW_OK);
            EXPECT_EQ(streaming->exit(), KW_OK);
        }
        streaming = nullptr;
        EXPECT_EQ(stats->alive, 0) << "exit releases the driver";
    }

    // Selects a stream as the host does: init, then the first mode (if asked), streaming until checked.
    KW_Rts_Asio* select(const char* name, int which = 0) {
        streaming = named(name, which);
        if (streaming) {
            EXPECT_EQ(streaming->init(), KW_OK) << name;
        }
        return streaming;
    }
    void stream(KW_Rts::Mode* m, int blocks = 20) {
        stats->mismatched = 0;
        const int before = stats->matched;
        ASSERT_EQ(streaming->mode(m), KW_OK);
        EXPECT_TRUE(waitFor(stats->matched, before + blocks));
        EXPECT_EQ(stats->mismatched, 0);
    }
};

TEST_F(Asio, ListsEveryEntryWithAClassAndAServerFile) {
    std::vector<std::string> names;
    for (KW_Rts_Asio* s : asioStreams()) names.push_back(s->name);
    std::sort(names.begin(), names.end());
    const std::vector<std::string> expected = {
        "KW Test Bad Answers", "KW Test Big Endian", "KW Test Cannot Create", "KW Test Driver With A Long N...",
        "KW Test Driver With A Long N...", "KW Test Eight", "KW Test Huge Buffer", "KW Test Init Fails",
        "KW Test Null Buffers", "KW Test Only 44k", "KW Test Sixteen", "KW Test Start Fails", "KW Test Stereo",
        "KW Test Time Info"};
    EXPECT_EQ(names, expected);
    ASSERT_NE(asioDrivers, nullptr);
    ASSERT_EQ(asioDrivers->getNumDevices(), int(expected.size()));
    char name[32];
    for (int id = 0; id < asioDrivers->getNumDevices(); ++id) EXPECT_EQ(asioDrivers->entryName(id, name, 32), 0);
    EXPECT_EQ(asioDrivers->entryName(int(expected.size()), name, 32), ASIO_NOT_FOUND);
    EXPECT_EQ(asioDrivers->entryName(0, nullptr, 32), ASIO_INVALID_ARGUMENT);
}

TEST_F(Asio, StreamsFloatStereoThroughTheCallback) {
    KW_Rts_Asio* s = select("KW Test Stereo");
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(descriptions(s), (std::vector<std::string>{" 48.0 kHz, 32 bit, stereo", " 96.0 kHz, 32 bit, stereo",
                                                          " 44.1 kHz, 32 bit, stereo"}));
    std::vector<KW_Rts::Chan*> in = items<KW_Rts::Chan>(s->inputs);
    ASSERT_EQ(in.size(), 2u);
    EXPECT_STREQ(in[1]->name, "In 2");
    EXPECT_EQ(in[1]->format, 0x1002004);
    EXPECT_EQ(in[1]->count, 256);
    EXPECT_EQ(static_cast<KW_Rts_Asio::Chan*>(in[1])->channel, 1);

    const int creations = stats->bufferCreations, stops = stats->stops;
    stream(items<KW_Rts::Mode>(s->modes)[1]);
    EXPECT_EQ(stats->lastRate, 96000);
    EXPECT_EQ(stats->bufferCreations, creations + 1);
    EXPECT_EQ(stats->lastChannels, 4);
    std::vector<KW_Rts::Chan*> out = items<KW_Rts::Chan>(s->outputs);
    ASSERT_EQ(out.size(), 2u);
    EXPECT_STREQ(out[0]->name, "Out 1");
    // The driver's pace: a block of 256 samples at 96 kHz, 375 a second.
    const int c0 = callbacks;
    std::this_thread::sleep_for(std::chrono::seconds(1));
    EXPECT_NEAR(callbacks - c0, 375, 75);

    EXPECT_EQ(s->free(), KW_OK);
    EXPECT_EQ(stats->stops, stops + 1);
    EXPECT_EQ(s->outputs.count, 0);
    const int after = callbacks;
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_EQ(callbacks, after) << "no block after free";
    stream(items<KW_Rts::Mode>(s->modes)[0]);  // another mode after free
    EXPECT_EQ(stats->lastRate, 48000);
}

// More than 16 channels: 16 of each are used; all of type 18 give 32-bit integer channels.
TEST_F(Asio, UsesSixteenChannelsOfEach) {
    KW_Rts_Asio* s = select("KW Test Sixteen");
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(descriptions(s), std::vector<std::string>{" 48.0 kHz, 32 bit, 16 ch"});
    EXPECT_EQ(s->inputCount, 16);
    std::vector<KW_Rts::Chan*> in = items<KW_Rts::Chan>(s->inputs);
    ASSERT_EQ(in.size(), 16u);
    EXPECT_STREQ(in[15]->name, "In 16");
    for (KW_Rts::Chan* c : in) EXPECT_EQ(c->format, 0x2004);
    stream(items<KW_Rts::Mode>(s->modes)[0]);
    EXPECT_EQ(s->outputCount, 16);
    EXPECT_EQ(stats->lastChannels, 32);
}

TEST_F(Asio, ModesFollowTheRatesTheDriverAccepts) {
    KW_Rts_Asio* s = select("KW Test Eight");
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(descriptions(s), (std::vector<std::string>{" 48.0 kHz, 32 bit, 8 ch", " 96.0 kHz, 32 bit, 8 ch",
                                                          "192.0 kHz, 32 bit, 8 ch", " 44.1 kHz, 32 bit, 8 ch"}));
    stream(items<KW_Rts::Mode>(s->modes)[2]);
    EXPECT_EQ(stats->lastRate, 192000);
    EXPECT_EQ(s->outputCount, 2);
}

TEST_F(Asio, ADriverOfOneRateHasOneMode) {
    KW_Rts_Asio* s = select("KW Test Only 44k");
    ASSERT_NE(s, nullptr);
    std::vector<KW_Rts::Mode*> modes = items<KW_Rts::Mode>(s->modes);
    ASSERT_EQ(modes.size(), 1u);
    EXPECT_EQ(modes[0]->rate, 44100);
    EXPECT_EQ(modes[0]->bits, 32);
    EXPECT_EQ(modes[0]->frames, 441);
    EXPECT_STREQ(modes[0]->description, " 44.1 kHz, 32 bit, stereo");
    EXPECT_EQ(items<KW_Rts::Chan>(s->inputs)[0]->format, 0x1002);
    stream(modes[0]);  // 16 bits in, 24 bits out
    EXPECT_EQ(items<KW_Rts::Chan>(s->outputs)[0]->format, 0x1803);
}

TEST_F(Asio, BigEndianChannelsAreLeftOutButModesStay) {
    KW_Rts_Asio* s = select("KW Test Big Endian");
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->inputs.count, 0);
    ASSERT_EQ(s->modes.count, 1);
    const int switches = stats->switches, c0 = callbacks;
    ASSERT_EQ(s->mode(items<KW_Rts::Mode>(s->modes)[0]), KW_OK);
    EXPECT_EQ(s->outputs.count, 0);
    EXPECT_EQ(stats->lastChannels, 0);
    EXPECT_TRUE(waitFor(stats->switches, switches + 10));
    EXPECT_GT(callbacks, c0);
}

// Two names that agree in their first 28 characters show alike, and either loads the first driver.
TEST_F(Asio, LongNamesShowCutAndSelectTheFirst) {
    for (int which : {0, 1}) {
        stats->lastMade = -1;
        KW_Rts_Asio* s = select("KW Test Driver With A Long N...", which);
        ASSERT_NE(s, nullptr);
        EXPECT_EQ(stats->lastMade, 5);
        EXPECT_EQ(s->exit(), KW_OK);
    }
    streaming = nullptr;
}

TEST_F(Asio, AFailingInitIsReported) {
    streaming = named("KW Test Init Fails");
    ASSERT_NE(streaming, nullptr);
    ReportCatcher catcher;
    EXPECT_EQ(streaming->init(), KW_ERROR_AUDIO);
    expectReport(catcher, "ASIOInit", 185, "KW_Rts_Asio::init");
    EXPECT_EQ(streaming->modes.count, 0);
    EXPECT_EQ(streaming->inputs.count, 0);
}

// A driver that cannot be made leaves the one loaded before it loaded again; a name of no entry changes nothing.
TEST_F(Asio, AFailedLoadRestoresThePreviousDriver) {
    char current[32];
    ASSERT_TRUE(loadAsioDriver("KW Test Stereo"));
    EXPECT_EQ(stats->alive, 1);
    stats->lastMade = -1;
    EXPECT_FALSE(loadAsioDriver("KW Test Cannot Create"));
    EXPECT_EQ(stats->lastMade, 0) << "made again";
    EXPECT_EQ(stats->alive, 1);
    EXPECT_TRUE(asioDrivers->getCurrentDriverName(current));
    EXPECT_STREQ(current, "KW Test Stereo");
    EXPECT_FALSE(loadAsioDriver("KW Test Nobody Registered"));
    EXPECT_TRUE(asioDrivers->getCurrentDriverName(current));
    EXPECT_STREQ(current, "KW Test Stereo");
    EXPECT_EQ(stats->alive, 1);

    // Selecting the stream that cannot load does not initialise the driver restored in its place.
    KW_Rts_Asio* s = named("KW Test Cannot Create");
    ASSERT_NE(s, nullptr);
    const int inits = stats->inits;
    ReportCatcher catcher;
    EXPECT_EQ(s->init(), KW_ERROR_AUDIO);
    expectReport(catcher, "ASIOInit", 185, "KW_Rts_Asio::init");
    EXPECT_EQ(stats->inits, inits);
    EXPECT_EQ(s->modes.count, 0);
    EXPECT_EQ(s->exit(), KW_OK);
}

// Negative and huge channel counts, unknown types and unterminated names: used where usable, never followed.
TEST_F(Asio, OddDriverAnswersAreRefusedNotFollowed) {
    KW_Rts_Asio* s = select("KW Test Bad Answers");
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->inputs.count, 0);
    ASSERT_EQ(s->modes.count, 1);
    const int switches = stats->switches;
    ASSERT_EQ(s->mode(items<KW_Rts::Mode>(s->modes)[0]), KW_OK);
    std::vector<KW_Rts::Chan*> out = items<KW_Rts::Chan>(s->outputs);
    ASSERT_EQ(out.size(), 8u) << "16 of a million outputs, the odd ones of unknown type";
    for (size_t k = 0; k < out.size(); ++k) {
        EXPECT_EQ(std::string(out[k]->name), std::string(32, 'O'));
        EXPECT_EQ(static_cast<KW_Rts_Asio::Chan*>(out[k])->channel, int(2 * k));
    }
    EXPECT_EQ(stats->lastChannels, 8);
    EXPECT_TRUE(waitFor(stats->switches, switches + 10));
}

TEST_F(Asio, BuffersLeftOutAreReported) {
    KW_Rts_Asio* s = select("KW Test Null Buffers");
    ASSERT_NE(s, nullptr);
    const int starts = stats->starts;
    for (int attempt = 0; attempt < 2; ++attempt) {
        ReportCatcher catcher;
        EXPECT_EQ(s->mode(items<KW_Rts::Mode>(s->modes)[0]), KW_ERROR_AUDIO);
        expectReport(catcher, "ASIOCreateBuffers", 291, "KW_Rts_Asio::mode");
        EXPECT_EQ(s->active.load(), nullptr);
        EXPECT_EQ(s->outputs.count, 0);
        EXPECT_EQ(s->free(), KW_OK);
    }
    EXPECT_EQ(stats->starts, starts);
}

TEST_F(Asio, ADriverThatWillNotStartIsReported) {
    KW_Rts_Asio* s = select("KW Test Start Fails");
    ASSERT_NE(s, nullptr);
    const int stops = stats->stops;
    ReportCatcher catcher;
    EXPECT_EQ(s->mode(items<KW_Rts::Mode>(s->modes)[0]), KW_ERROR_AUDIO);
    expectReport(catcher, "ASIOStart", 296, "KW_Rts_Asio::mode");
    EXPECT_EQ(s->active.load(), nullptr);
    EXPECT_EQ(s->outputs.count, 0);
    EXPECT_EQ(s->free(), KW_OK) << "nothing to stop";
    EXPECT_EQ(stats->stops, stops);
}

TEST_F(Asio, AnUnusableBufferSizeIsReported) {
    streaming = named("KW Test Huge Buffer");
    ASSERT_NE(streaming, nullptr);
    ReportCatcher catcher;
    EXPECT_EQ(streaming->init(), KW_ERROR_AUDIO);
    expectReport(catcher, "ASIOGetBufferSize", 197, "KW_Rts_Asio::init");
    EXPECT_EQ(streaming->modes.count, 0);
}

// A driver that only uses the switch with time information reaches the callback all the same.
TEST_F(Asio, TheTimeInformationSwitchProcessesLikeThePlainOne) {
    KW_Rts_Asio* s = select("KW Test Time Info");
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(items<KW_Rts::Chan>(s->inputs)[0]->format, 0x81804);
    const int timed = stats->timeInfoSwitches;
    stream(items<KW_Rts::Mode>(s->modes)[0]);
    EXPECT_GE(stats->timeInfoSwitches, timed + 20);
    EXPECT_EQ(items<KW_Rts::Chan>(s->outputs)[0]->format, 0x101004);
}

// One conversion with unequal counts silences the outputs; selecting a mode again brings them back.
TEST_F(Asio, ANewModeClearsTheConversionFailure) {
    KW_Rts_Asio* s = select("KW Test Stereo");
    ASSERT_NE(s, nullptr);
    KW_Rts::Mode* m = items<KW_Rts::Mode>(s->modes)[0];
    stream(m);
    float a[4] = {}, b[8] = {};
    KW_Rts::Chan shorter("shorter", 0x1002004, 4), longer("longer", 0x1002004, 8);
    shorter.data = a;
    longer.data = b;
    EXPECT_EQ(KW_Rts::copyBuffer(longer, shorter), nullptr);
    EXPECT_TRUE(waitFor(stats->mismatched, 10)) << "the outputs stay silent";
    const int matched = stats->matched;
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_EQ(stats->matched, matched);

    EXPECT_EQ(s->free(), KW_OK);
    stream(m);
}

// Leaving and selecting modes while the driver switches buffers never touches channels that are gone.
TEST_F(Asio, ModesComeAndGoWhileTheDriverRuns) {
    KW_Rts_Asio* s = select("KW Test Sixteen");
    ASSERT_NE(s, nullptr);
    KW_Rts::Mode* m = items<KW_Rts::Mode>(s->modes)[0];
    for (int i = 0; i < 20; ++i) {
        ASSERT_EQ(s->mode(m), KW_OK);
        std::this_thread::sleep_for(std::chrono::milliseconds(i % 4));
        ASSERT_EQ(s->free(), KW_OK);
    }
    stream(m);
}

}  // namespace
