// The wave-audio stream against the bench's sound server: the modes it lists, 10 ms blocks driven by
// the input, the double queueing at the start, a drain that ends promptly, and failures that leave
// the stream usable.
#include <gtest/gtest.h>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <string>
#include <thread>
#include <vector>
#include "audio/KW_Rts_Win32.h"

namespace {

using Clock = std::chrono::steady_clock;

// What the test's audio callback does this time; it runs on the wave service's thread.
std::atomic<void (*)()> onBlock{nullptr};
void audioCallback() {
    if (auto f = onBlock.load()) f();
}

KW_Rts_Win32* stream = nullptr;

template <class T>
std::vector<T*> items(const KW_Chain& list) {
    std::vector<T*> v;
    for (KW_Chain_Item* it = list.first(); it != list.end(); it = it->next) v.push_back(static_cast<T*>(it->data));
    return v;
}

// The sound server takes a second or more to deliver the first recorded buffer.
bool waitFor(const std::atomic<int>& count, int atLeast) {
    const auto until = Clock::now() + std::chrono::seconds(10);
    while (count.load() < atLeast && Clock::now() < until) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    return count.load() >= atLeast;
}

KW_Rts::Mode* findMode(int rate, int bits, int channels) {
    for (KW_Rts::Mode* m : items<KW_Rts::Mode>(stream->modes))
        if (m->rate == rate && m->bits == bits && m->channels == channels) return m;
    return nullptr;
}

class Wave : public testing::Test {
protected:
    static void SetUpTestSuite() {
        int before = KW_Rts_instances.count;
        ASSERT_EQ(KW_Rts_Win32::classInit(audioCallback), KW_OK);
        ASSERT_EQ(KW_Rts_instances.count, before + 1);
        stream = static_cast<KW_Rts_Win32*>(KW_Rts_instances.tail.prev->data);
        ASSERT_EQ(stream->init(), KW_OK);
    }
    static void TearDownTestSuite() {
        onBlock = nullptr;
        stream->free();
        stream->exit();
        int before = KW_Rts_instances.count;
        KW_Rts_Win32::destroyAll();
        EXPECT_EQ(KW_Rts_instances.count, before - 1);
        stream = nullptr;
    }
    void TearDown() override {
        EXPECT_EQ(stream->free(), KW_OK);
        onBlock = nullptr;
    }
};

TEST_F(Wave, ListsWhatTheDevicesAcceptInOrder) {
    EXPECT_STREQ(stream->name, "Windows");
    std::vector<KW_Rts::Mode*> modes = items<KW_Rts::Mode>(stream->modes);
    ASSERT_FALSE(modes.empty());
    ASSERT_NE(findMode(48000, 16, 2), nullptr) << "the bench's sound server takes 16-bit stereo at 48 kHz";
    const int rates[] = {48000, 96000, 192000, 44100};
    auto rank = [&](const KW_Rts::Mode* m) {
        int r = int(std::find(rates, rates + 4, m->rate) - rates);
        return std::make_tuple(-m->bits, r, -m->channels);
    };
    for (size_t i = 0; i < modes.size(); ++i) {
        KW_Rts::Mode* m = modes[i];
        EXPECT_TRUE(m->bits == 32 || m->bits == 24 || m->bits == 16);
        EXPECT_TRUE(m->channels == 2 || m->channels == 4);
        EXPECT_EQ(m->frames, m->rate / 100);
        EXPECT_STREQ(m->description, KW_Rts::Mode(m->rate, m->bits, m->frames, m->channels).description);
        if (i) {
            EXPECT_LT(rank(modes[i - 1]), rank(m)) << m->description;
        }
    }
    std::vector<KW_Rts::Chan*> in = items<KW_Rts::Chan>(stream->inputs);
    ASSERT_EQ(in.size(), 2u);
    EXPECT_STREQ(in[0]->name, "Left");
    EXPECT_STREQ(in[1]->name, "Right");
}

// Per block: idle output buffers seen, and whether the channels pointed where they should.
struct Record {
    int idle;
    bool pointersRight;
};
std::vector<Record> records(1000);
std::atomic<int> blocks{0};

void recordBlock() {
    int n = blocks.load();
    if (n >= int(records.size())) return;
    int idle = 0, first = -1;
    for (int j = 0; j < KW_Rts_Win32::BUFFERS; ++j)
        if (stream->outHeader[j].dwFlags & WHDR_DONE) {
            if (first < 0) first = j;
            ++idle;
        }
    const int s = stream->active.load()->bits / 8;
    bool right = first >= 0;
    int k = 0;
    for (KW_Rts::Chan* c : items<KW_Rts::Chan>(stream->outputs))
        right = right && c->data == stream->outBuffer[first] + s * k++;
    // Both inputs point into the same input buffer, the right one s bytes after the left.
    std::vector<KW_Rts::Chan*> in = items<KW_Rts::Chan>(stream->inputs);
    bool inOne = false;
    for (int i = 0; i < KW_Rts_Win32::BUFFERS; ++i)
        inOne = inOne || (in[0]->data == stream->inBuffer[i] && in[1]->data == stream->inBuffer[i] + s);
    records[n] = {idle, right && inOne};
    blocks = n + 1;
}

TEST_F(Wave, StreamsTenMillisecondBlocksDrivenByTheInput) {
    KW_Rts::Mode* m = findMode(48000, 16, 2);
    ASSERT_NE(m, nullptr);
    blocks = 0;
    onBlock = recordBlock;
    ASSERT_EQ(stream->mode(m), KW_OK);
    EXPECT_EQ(stream->active.load(), m);
    ASSERT_TRUE(waitFor(blocks, 10));
    const int first = blocks.load();
    const auto t0 = Clock::now();
    std::this_thread::sleep_for(std::chrono::seconds(2));
    const int seen = blocks.load();
    const double seconds = std::chrono::duration<double>(Clock::now() - t0).count();
    EXPECT_NEAR((seen - first) / seconds, 100.0, 15.0) << seen - first << " blocks in " << seconds << " s";

    std::vector<KW_Rts::Chan*> out = items<KW_Rts::Chan>(stream->outputs);
    ASSERT_EQ(out.size(), 2u);
    EXPECT_STREQ(out[0]->name, "Left front");
    EXPECT_STREQ(out[1]->name, "Right front");
    for (KW_Rts::Chan* c : out) EXPECT_EQ(c->format, 0x1004);
    for (KW_Rts::Chan* c : items<KW_Rts::Chan>(stream->inputs)) {
        EXPECT_EQ(c->format, 0x1004);
        EXPECT_EQ(c->count, 480);
    }
    // Starting with all eight output buffers idle, the first two blocks queue two buffers each;
    // afterwards the queue never holds all eight. The device plays about one buffer per block, so
    // after the second double queueing the idle count has not grown (how many the device finished
    // meanwhile depends on the machine's load, so no exact count is asked for).
    ASSERT_GE(seen, 3);
    EXPECT_EQ(records[0].idle, 8);
    EXPECT_GE(records[1].idle, 6);
    EXPECT_LE(records[1].idle, 7);
    EXPECT_LE(records[2].idle, records[1].idle);
    for (int i = 0; i < std::min<int>(seen, records.size()); ++i) {
        EXPECT_GE(records[i].idle, 1) << "block " << i;
        EXPECT_TRUE(records[i].pointersRight) << "block " << i;
    }

    const auto f0 = Clock::now();
    EXPECT_EQ(stream->free(), KW_OK);
    EXPECT_LT(Clock::now() - f0, std::chrono::seconds(2)) << "the input buffers came back promptly";
    EXPECT_EQ(stream->active.load(), nullptr);
    EXPECT_EQ(stream->outputs.count, 0);
    EXPECT_EQ(stream->inBuffer[0], nullptr);
    const int after = blocks.load();
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    EXPECT_EQ(blocks.load(), after) << "no block runs after free";
}

// One zeroed block holds the eight output buffers, then the eight input buffers, each after the other.
TEST_F(Wave, BuffersShareOneSampleBlock) {
    ASSERT_EQ(stream->mode(findMode(48000, 16, 2)), KW_OK);
    const int f = 480, s = 2, n = 2;
    for (int i = 0; i < KW_Rts_Win32::BUFFERS; ++i) {
        EXPECT_EQ(stream->outBuffer[i], stream->outBuffer[0] + i * f * s * n);
        EXPECT_EQ(stream->inBuffer[i], stream->outBuffer[0] + 8 * f * s * n + i * f * s * 2);
        EXPECT_EQ(stream->inHeader[i].lpData, reinterpret_cast<LPSTR>(stream->inBuffer[i]));
        EXPECT_EQ(stream->inHeader[i].dwBufferLength, DWORD(f * s * 2));
        EXPECT_EQ(stream->outHeader[i].dwBufferLength, DWORD(f * s * n));
    }
}

// A refused mode leaves no mode, no outputs and no devices; free returns at once and streaming works after.
TEST_F(Wave, AFailedModeLeavesTheStreamUsable) {
    KW_Rts::Mode notListed(48000, 24, 480, 2), nineChannels(48000, 16, 480, 9), tooFast(5000000, 16, 50000, 2);
    ASSERT_EQ(findMode(48000, 24, 2), nullptr) << "the devices were expected to refuse 24-bit PCM";
    for (KW_Rts::Mode* bad : {&notListed, &nineChannels, &tooFast}) {
        EXPECT_EQ(stream->mode(bad), KW_ERROR_AUDIO_CANNOT_OPEN) << bad->description;
        EXPECT_EQ(stream->active.load(), nullptr);
        EXPECT_EQ(stream->outputs.count, 0);
        EXPECT_EQ(stream->inDevice, nullptr);
        EXPECT_EQ(stream->outDevice, nullptr);
        const auto f0 = Clock::now();
        EXPECT_EQ(stream->free(), KW_OK);
        EXPECT_LT(Clock::now() - f0, std::chrono::milliseconds(500));
    }
    blocks = 0;
    onBlock = recordBlock;
    ASSERT_EQ(stream->mode(findMode(48000, 16, 2)), KW_OK);
    EXPECT_TRUE(waitFor(blocks, 10));
}

TEST_F(Wave, ExitEmptiesAndInitRefills) {
    ASSERT_EQ(stream->exit(), KW_OK);
    EXPECT_EQ(stream->modes.count, 0);
    EXPECT_EQ(stream->inputs.count, 0);
    ASSERT_EQ(stream->init(), KW_OK);
    EXPECT_GT(stream->modes.count, 0);
    EXPECT_EQ(stream->inputs.count, 2);
}

// What the host does with each block: every input to float and back out, here crossed over, so what
// the recording of the output holds can only have come through the callback.
float work[2][480];
std::atomic<int> converted{0};
void crossOver() {
    KW_Chain_Item* in = stream->inputs.first();
    KW_Chain_Item* out = stream->outputs.first();
    KW_Rts::Chan* inL = static_cast<KW_Rts::Chan*>(in->data);
    KW_Rts::Chan* inR = static_cast<KW_Rts::Chan*>(in->next->data);
    KW_Rts::Chan* outL = static_cast<KW_Rts::Chan*>(out->data);
    KW_Rts::Chan* outR = static_cast<KW_Rts::Chan*>(out->next->data);
    KW_Rts::Chan wl("work left", 0x1002004, inL->count), wr("work right", 0x1002004, inR->count);
    wl.data = work[0];
    wr.data = work[1];
    bool ok = KW_Rts::copyBuffer(wl, *inL) == KW_OK && KW_Rts::copyBuffer(wr, *inR) == KW_OK &&
              KW_Rts::copyBuffer(*outL, wr) == KW_OK && KW_Rts::copyBuffer(*outR, wl) == KW_OK;
    if (ok) converted = converted + 1;
}

TEST_F(Wave, PassesTheInputThroughTheCallback) {
    KW_Rts::Mode* m = findMode(48000, 16, 2);
    ASSERT_NE(m, nullptr);
    converted = 0;
    onBlock = crossOver;
    ASSERT_EQ(stream->mode(m), KW_OK);
    ASSERT_TRUE(waitFor(converted, 1));
    std::this_thread::sleep_for(std::chrono::seconds(3));
    EXPECT_EQ(stream->free(), KW_OK);
    EXPECT_GT(converted.load(), 250);
}

}  // namespace
