#include <gtest/gtest.h>
#include <cstring>
#include "core/KW_command.h"
#include "graph/KW_Buffer.h"
#include "graph/graph_fixture.h"

namespace {

int32_t query(KW_Buffer* b, const char* option) {
    int32_t v = -12345;
    std::string command = std::string("KW_Buffer %o -") + option;
    KW_command(command.c_str(), b, &v);
    return v;
}

TEST(Buffer, FollowsItsSoundPipeWithinItsStorage) {
    Graph g(512);
    KW_Buffer* b = g.buffer();
    g.end();
    EXPECT_EQ(query(b, "l"), 512);
    KW_command("KW_Soundpipe %o -bl %i", g.pipe, 100);
    EXPECT_EQ(query(b, "l"), 100);
    // Above the storage the length stays at what the storage holds, so no node runs past it.
    KW_command("KW_Soundpipe %o -bl %i", g.pipe, 4096);
    EXPECT_EQ(query(b, "l"), 512);
    KW_command("KW_Soundpipe %o -bl %i", g.pipe, -7);
    EXPECT_EQ(query(b, "l"), 0);
}

TEST(Buffer, OwnLengthsAndBadOnes) {
    Graph g(16);
    KW_Buffer* b = g.buffer();
    g.end();
    KW_command("KW_Buffer %o -l %i", b, 64);
    EXPECT_EQ(query(b, "l"), 64);
    KW_command("KW_Soundpipe %o -bl %i", g.pipe, 8);
    EXPECT_EQ(query(b, "l"), 64) << "an own length ignores the block length";
    for (int32_t bad : {-2, INT32_MIN, KW_Buffer::MAX_LENGTH + 1}) {
        KW_command("KW_Buffer %o -l %i", b, bad);
        EXPECT_EQ(query(b, "l"), 64) << bad;
    }
    KW_command("KW_Buffer %o -l word", b);
    EXPECT_EQ(query(b, "l"), 64);
    KW_command("KW_Buffer %o -l 0", b);
    EXPECT_EQ(query(b, "l"), 0);
    EXPECT_EQ(b->samples(), nullptr);
}

TEST(Buffer, FollowingWithNoSoundPipeGivesNoSamples) {
    KW_Buffer* b = nullptr;
    KW_command("KW_Buffer", &b);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(query(b, "l"), 0);
    EXPECT_EQ(b->samples(), nullptr);
    KW_command("%o -delete", b);
}

TEST(Buffer, NewLengthKeepsRingPositionInRangeAndClearsOnlyTheMainHalf) {
    Graph g(8);
    KW_Buffer* b = g.buffer();
    g.end();
    KW_command("KW_Buffer %o -l 128", b);
    b->ring = 100;
    KW_command("KW_Buffer %o -l 64", b);
    EXPECT_EQ(b->ring, 36);

    // The second half is what a switching node writes; a new length must not pretend to clear it.
    Graph::fill(b, [](int32_t k) { return k + 1; });
    b->xfade = 0;
    int32_t* alt = b->view(1);
    EXPECT_EQ(alt, b->samples() + 64);
    EXPECT_EQ(alt[63], 64);
    b->clear();
    EXPECT_EQ(Graph::contents(b), std::vector<int32_t>(64, 0));
    EXPECT_EQ(alt[63], 64);
}

TEST(Buffer, TitleIsItsOwnCopy) {
    Graph g(8);
    KW_Buffer* b = g.buffer();
    char title[] = "buf_i";
    KW_command("KW_Buffer %o -t %o", b, title);  // a pointer to text, as the application passes it
    std::strcpy(title, "XXXXX");
    EXPECT_EQ(answer("KW_Buffer %o -t", b), "buf_i");

    KW_command("KW_Buffer %o -t lpf_buffer -l 8", b);  // a word in the middle of a command
    EXPECT_EQ(answer("KW_Buffer %o -t", b), "lpf_buffer");

    std::string longer(200, 'a');
    KW_command("KW_Buffer %o -t %s", b, longer.c_str());
    EXPECT_EQ(answer("KW_Buffer %o -t", b), std::string(KW_Buffer::TITLE_SIZE - 1, 'a'));
}

TEST(Buffer, TitleFromAPointerToNowhereIsEmpty) {
    Graph g(8);
    KW_Buffer* b = g.buffer();
    KW_command("KW_Buffer %o -t %s", b, "kept");
    KW_command("KW_Buffer %o -t 0x10", b);  // raw: taken as a pointer, which leads nowhere
    EXPECT_EQ(answer("KW_Buffer %o -t -l", b), " 8");
    KW_command("KW_Buffer %o -t %s", b, "kept");
    KW_command("KW_Buffer %o -t %o", b, b);  // an object is no text
    EXPECT_EQ(answer("KW_Buffer %o -t -l", b), " 8");
}

TEST(Buffer, LimitIsAConvertedInteger) {
    Graph g(8);
    KW_Buffer* b = g.buffer();
    EXPECT_EQ(query(b, "limit"), 0x3FFFFFFF);
    KW_command("KW_Buffer %o -limit 1000.9", b);
    EXPECT_EQ(query(b, "limit"), 1000);
    KW_command("KW_Buffer %o -limit -3", b);
    EXPECT_EQ(query(b, "limit"), -3);
}

TEST(Buffer, DeleteLeavesTheSoundPipe) {
    Graph g(8);
    KW_Buffer* a = g.buffer();
    KW_Buffer* b = nullptr;
    KW_command("KW_Buffer", &b);
    EXPECT_EQ(g.pipe->buffers.count, 2);
    KW_command("%o -delete", b);
    EXPECT_EQ(g.pipe->buffers.count, 1);
    EXPECT_EQ(g.pipe->buffers.first()->data, a);
}

}  // namespace
