// The result text: formats, separators, and the capacity that is never written past.
#include <algorithm>
#include <cstring>
#include <vector>
#include "Commands.h"
#include "Probe.h"

namespace {

struct Result {
    KW_status status;
    int capacity;
    std::string text;  // the whole buffer up to the original capacity
    bool guardIntact;
};

// Runs text with flags and the arguments, with a result buffer of exactly `capacity` bytes followed by
// guard bytes that must stay untouched.
template <class... A>
Result resultOf(int flags, std::string text, int capacity, A... args) {
    std::vector<char> buf(capacity + 16, '\x55');
    int cap = capacity;
    const KW_status s = vcommand(flags, text.data(), buf.data(), &cap, args...);
    bool intact = true;
    for (int i = capacity; i < capacity + 16; ++i) intact = intact && buf[i] == '\x55';
    return {s, cap, std::string(buf.data(), capacity), intact};
}

}  // namespace

TEST(ResultText, CreatedObjectIsHexAtPointerWidthAndItemsAreSpaceSeparated) {
    Probe* p = nullptr;
    int32_t n = 0;
    const Result r = resultOf(KW_RESULT_TEXT | KW_OUT_POINTERS, "Probe -n 64 -n", 64, &p, &n);
    ASSERT_EQ(KW_OK, r.status);
    const std::string want = hex(p) + " 64";
    EXPECT_EQ(want.size(), static_cast<size_t>(r.capacity)) << "the capacity becomes the length";
    EXPECT_EQ(want, r.text.substr(0, r.capacity));
    EXPECT_EQ(std::string(64 - want.size(), '\0'), r.text.substr(want.size())) << "the rest is cleared";
    EXPECT_EQ(64, n);
    KW_command("%o -delete", p);
}

TEST(ResultText, EachKindHasItsFormat) {
    Probe* p = nullptr;
    ASSERT_EQ(KW_OK, KW_command("Probe -f -2.5 -n -7", &p));
    const Result r = resultOf(KW_RESULT_TEXT, "%o -f -word -block -n -delete", 64, p);
    ASSERT_EQ(KW_OK, r.status);
    const std::string want("-2.500000 hello a\0b -7", 22);
    EXPECT_EQ(want, r.text.substr(0, r.capacity)) << "the empty answer of delete adds nothing, and the final option runs";
}

TEST(ResultText, TextUpToTheCapacityFitsLongerIsRefusedAndNothingIsWrittenPast) {
    Probe* p = nullptr;
    ASSERT_EQ(KW_OK, KW_command("Probe -n 12345", &p));
    const std::string answer = "12345 hello";
    for (int capacity = 0; capacity <= static_cast<int>(answer.size()) + 1; ++capacity) {
        SCOPED_TRACE(capacity);
        const Result r = resultOf(KW_RESULT_TEXT, "Probe %o -n -word", capacity, p);
        EXPECT_TRUE(r.guardIntact);
        if (capacity >= static_cast<int>(answer.size())) {
            EXPECT_EQ(KW_OK, r.status);
            EXPECT_EQ(static_cast<int>(answer.size()), r.capacity);
            EXPECT_EQ(answer, r.text.substr(0, answer.size()));
        } else {
            EXPECT_EQ(KW_ERROR_COMMAND_NOT_SPACE, r.status);
            EXPECT_EQ(capacity, r.capacity) << "unchanged on failure";
            EXPECT_EQ(answer.substr(0, capacity), r.text) << "what fits is written";
        }
    }
    KW_command("%o -delete", p);
}

TEST(ResultText, CreatedObjectTooLongForTheCapacityIsNotWrittenPastIt) {
    for (int capacity = 0; capacity <= 20; ++capacity) {
        Probe* c = nullptr;
        const Result r = resultOf(KW_RESULT_TEXT | KW_OUT_POINTERS, "Probe", capacity, &c);
        ASSERT_TRUE(KW_Object::live(c));
        const std::string want = hex(c);
        EXPECT_TRUE(r.guardIntact);
        EXPECT_EQ(capacity >= static_cast<int>(want.size()) ? KW_OK : KW_ERROR_COMMAND_NOT_SPACE, r.status);
        EXPECT_EQ(want.substr(0, capacity), r.text.substr(0, std::min<size_t>(capacity, want.size())));
        KW_command("%o -delete", c);
    }
}

TEST(ResultText, RunningOutOfSpaceStopsTheCommandAtOnce) {
    Probe* p = nullptr;
    ASSERT_EQ(KW_OK, KW_command("Probe -n 1", &p));
    const Result r = resultOf(KW_RESULT_TEXT, "%o -n -n 2", 0, p);
    EXPECT_EQ(KW_ERROR_COMMAND_NOT_SPACE, r.status);
    EXPECT_EQ(1, p->n) << "the option after the overflowing query did not run";
    KW_command("%o -delete", p);
}
