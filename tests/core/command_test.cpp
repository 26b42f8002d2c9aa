// The interpreter: creating, arguments and their order, text arguments, queries and stores.
#include <cstring>
#include "Commands.h"
#include "Probe.h"

namespace {

// A Probe made by command, deleted by command at the end of the test.
struct Made {
    Probe* p = nullptr;
    Made() { EXPECT_EQ(KW_OK, KW_command("Probe", &p)); }
    ~Made() { KW_command("%o -delete", p); }
    Probe* operator->() const { return p; }
};

}  // namespace

TEST(Command, CreatingStoresTheObjectFirstThenOptionsTakeTheirArgumentsInOrder) {
    Probe* p = nullptr;
    int32_t n = 0;
    ASSERT_EQ(KW_OK, KW_command("Probe -n %i -f %f -n", &p, 7, 2.5, &n));
    ASSERT_TRUE(KW_Object::live(p));
    EXPECT_EQ(Probe::options, p->kwclass) << "the interpreter records the class";
    EXPECT_EQ(7, p->n);
    EXPECT_EQ(2.5f, p->f);
    EXPECT_EQ(7, n);
    KW_command("%o -delete", p);
}

TEST(Command, LiteralArgumentsArriveWithTheirKinds) {
    Made m;
    struct {
        const char* token;
        int kind;
        KW_payload payload;
    } cases[] = {
        {"0x00A57BBD", KW_value::OBJECT, 0x00A57BBD},
        {"-1", KW_value::INTEGER, KW_value::integer(-1).value},  // a negative number is never an option
        {"0", KW_value::INTEGER, 0},
        {".618", KW_value::FLOAT, KW_value::real(0.618f).value},
    };
    for (const auto& c : cases) {
        const std::string command = std::string("%o -raw ") + c.token;
        ASSERT_EQ(KW_OK, KW_command(command.c_str(), m.p)) << command;
        EXPECT_EQ(c.kind, m->last.kind) << command;
        EXPECT_EQ(c.payload, m->last.value) << command;
    }
}

TEST(Command, PlaceholdersTakeIntFloatObjectAndText) {
    Made m;
    const char* text = "from a pointer";
    ASSERT_EQ(KW_OK, KW_command("%o -raw %i", m.p, -3));
    EXPECT_EQ(KW_value::INTEGER, m->last.kind);
    EXPECT_EQ(-3, m->last.i);
    ASSERT_EQ(KW_OK, KW_command("%o -raw %f", m.p, 0.1));
    EXPECT_EQ(KW_value::FLOAT, m->last.kind);
    EXPECT_EQ(0.1f, m->last.f) << "a double argument arrives as a 32-bit float";
    ASSERT_EQ(KW_OK, KW_command("%o -raw %o", m.p, &text));
    EXPECT_EQ(KW_value::OBJECT, m->last.kind);
    EXPECT_EQ(static_cast<const void*>(&text), m->last.p);
    ASSERT_EQ(KW_OK, KW_command("%o -raw %s -text %s", m.p, text, text));
    EXPECT_EQ(KW_value::TEXT, m->last.kind);
    EXPECT_EQ(text, m->last.s);
    EXPECT_EQ("from a pointer", m->text) << "a placeholder text is passed as it is, whole";
}

TEST(Command, LiteralTextIsTerminatedOnlyWhileItsHandlerRunsAndTheCommandIsRestored) {
    Made m;
    char line[64];
    std::snprintf(line, sizeof line, "Probe %s -text sub -n 4", hex(m.p).c_str());
    const std::string before = line;
    ASSERT_EQ(KW_OK, vcommand(0, line, nullptr, nullptr));
    EXPECT_EQ("sub", m->text);
    EXPECT_EQ(4, m->n);
    EXPECT_EQ(before, line);
    EXPECT_EQ(0, std::memcmp(before.c_str(), line, before.size() + 1));
}

TEST(Command, KwCommandTakesConstantTextOfAnyLength) {
    Made m;
    const std::string word(100000, 'w');
    const std::string command = "%o -text " + word + " -n 9";
    ASSERT_EQ(KW_OK, KW_command(command.c_str(), m.p));
    EXPECT_EQ(word, m->text);
    EXPECT_EQ(9, m->n);
}

TEST(Command, EmptyTokenBetweenTwoSpacesIsAnEmptyText) {
    Made m;
    ASSERT_EQ(KW_OK, KW_command("%o -raw  -n 1", m.p));
    EXPECT_EQ(1, m->n);
    ASSERT_EQ(2, m->calls);
    m->calls = 0;
    ASSERT_EQ(KW_OK, KW_command("%o -text  -n 2", m.p));
    EXPECT_EQ("", m->text);
    EXPECT_EQ(2, m->n);
}

TEST(Command, QueryStoresOnlyAValueAndOnlyThroughTheNextArgument) {
    Made m;
    int32_t cell = -1;
    ASSERT_EQ(KW_OK, KW_command("%o -n %i -n", m.p, 5, &cell)) << "the setter stores nothing";
    EXPECT_EQ(5, cell);
    cell = -1;
    Probe_Child* c = nullptr;
    ASSERT_EQ(KW_OK, KW_command("Probe_Child -n 1 -bl -n", &c, &cell));
    EXPECT_EQ(1001, cell) << "a query that answers the empty value takes no pointer";
    KW_command("%o -delete", c);
}

TEST(Command, PercentEscapeSuppressesTheStore) {
    Made m;
    m->n = 3;
    m->f = 1.5f;
    float f = 0;
    int32_t cell = -1;
    ASSERT_EQ(KW_OK, KW_command("%o -n %", m.p, &cell));
    EXPECT_EQ(-1, cell);
    ASSERT_EQ(KW_OK, KW_command("%o -n % -f", m.p, &f));
    EXPECT_EQ(1.5f, f) << "after the escape the next query stores into the first pointer";
    EXPECT_EQ(3, m->calls);
    Probe* q = nullptr;
    ASSERT_EQ(KW_OK, KW_command("Probe % -n %i -self", 6, &q)) << "the created object is not stored";
    ASSERT_TRUE(KW_Object::live(q));
    EXPECT_EQ(6, q->n);
    KW_command("%o -delete", q);
}

TEST(Command, PointerResultsAreStoredAtPointerWidthOthersAs32Bits) {
    Made m;
    m->n = 5;
    uint64_t wide = ~0ull;
    ASSERT_EQ(KW_OK, KW_command("%o -n", m.p, &wide));
    EXPECT_EQ(0xFFFFFFFF00000005ull, wide) << "exactly 32 bits written";
    void* self = reinterpret_cast<void*>(~uintptr_t(0));
    ASSERT_EQ(KW_OK, KW_command("%o -self", m.p, &self));
    EXPECT_EQ(static_cast<void*>(m.p), self);
    ASSERT_EQ(KW_OK, KW_command("%o -text %s", m.p, "kept"));
    const char* text = reinterpret_cast<const char*>(~uintptr_t(0));
    ASSERT_EQ(KW_OK, KW_command("%o -text", m.p, &text));
    EXPECT_STREQ("kept", text) << "a text answer arrives as a whole pointer";
}

TEST(Command, KwSpecialObjectIsTheWordAfterTheClassNameWhileTheFactoryRuns) {
    Probe* p = nullptr;
    ASSERT_EQ(KW_OK, KW_command("Probe current -n 1", &p));
    EXPECT_EQ("current", Probe::special);
    EXPECT_EQ(nullptr, KW_specialobject) << "it pointed into the command";
    KW_command("%o -delete", p);
    ASSERT_EQ(KW_OK, KW_command("Probe -n 1", &p));
    EXPECT_EQ("(none)", Probe::special);
    KW_command("%o -delete", p);
}

TEST(Command, CommandStartingWithAnObjectUsesItsClass) {
    Probe_Child* c = nullptr;
    ASSERT_EQ(KW_OK, KW_command("Probe_Child", &c));
    ASSERT_EQ(KW_OK, KW_command("%o -n 5", c));
    EXPECT_EQ(1005, c->n) << "the object's own class overrides n";
    ASSERT_EQ(KW_OK, KW_command("Probe %o -n 5", c));
    EXPECT_EQ(5, c->n) << "a named class is searched instead of the object's";
    ASSERT_EQ(KW_OK, KW_command("Probe_Child %o -f 0.5 -bl 1", c));
    EXPECT_EQ(0.5f, c->f) << "inherited from the parent";
    const int gone = Probe::destroyed;
    ASSERT_EQ(KW_OK, KW_command("Probe_Child %o -delete", c)) << "inherited from KW_Object";
    EXPECT_EQ(gone + 1, Probe::destroyed);
    EXPECT_FALSE(KW_Object::live(c));
}
