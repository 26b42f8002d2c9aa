// What the interpreter does with commands it cannot carry out: the diagnostics, the status, and
// that nothing is done that the command did not ask for.
#include <cstring>
#include "Commands.h"
#include "Probe.h"

TEST(CommandFailure, UnknownClassNamePrintsTheWholeCommand) {
    for (const char* command : {"Nope -n 1", "Prob -n 1", "Probe_ -n 1", "probe", "", "5 -n 1", "-n 1"}) {
        const Said r = said(command);
        EXPECT_EQ(KW_ERROR_COMMAND_NOT_FOUND, r.status) << command;
        EXPECT_EQ(std::string("spcpp: command '") + command + "' not found\n", r.out);
    }
}

TEST(CommandFailure, UnknownOptionAfterCreatingLeavesTheObjectCreated) {
    Probe* p = nullptr;
    const Said r = said("Probe -n 3 -zz 1 -n 4", &p);
    EXPECT_EQ(KW_ERROR_COMMAND_NOT_PARAM, r.status);
    EXPECT_EQ("spcpp: Probe -n 3 -zz 1 -n 4\nspcpp: param 'zz 1 -n 4' not found\n", r.out);
    ASSERT_TRUE(KW_Object::live(p)) << "created, stored, and left to its owner";
    EXPECT_EQ(3, p->n) << "options before the failing one took effect, none after it";
    KW_command("%o -delete", p);
}

TEST(CommandFailure, OptionWordsMatchExactlyAndWithTheirCase) {
    Probe_Child* c = nullptr;
    ASSERT_EQ(KW_OK, KW_command("Probe_Child", &c));
    for (const char* word : {"b", "bll", "Delete", "N", "nn", "n-", ""}) {
        const std::string command = std::string("%o -") + word + " 1";
        const Said r = said(command.c_str(), c);
        EXPECT_EQ(KW_ERROR_COMMAND_NOT_PARAM, r.status) << command;
        EXPECT_EQ("spcpp: " + command + "\nspcpp: param '" + word + " 1' not found\n", r.out);
    }
    EXPECT_EQ(0, c->calls);
    EXPECT_EQ(KW_OK, KW_command("%o -bl 1", c));
    EXPECT_EQ(1, c->calls);
    KW_command("%o -delete", c);
}

TEST(CommandFailure, ASecondValueAfterOneOptionIsNeverTakenAsAnOption) {
    Probe* p = nullptr;
    ASSERT_EQ(KW_OK, KW_command("Probe", &p));
    struct {
        const char* command;
        const char* rest;  // the text the second diagnostic line names
    } cases[] = {
        {"%o -n 1 2 -f 3", "2 -f 3"},
        {"%o -n 1 n -f 3", "n -f 3"},   // a word that would name an option if its "-" were skipped
        {"%o -n 1 f 3", "f 3"},
        {"%o -text a b", "b"},
        {"%o -n %i 0x10", "0x10"},
        {"%o -n 1  -f 3", " -f 3"},     // two spaces: an empty word after the value
    };
    for (const auto& c : cases) {
        p->n = 0;
        p->f = 0;
        const Said r = said(c.command, p, 1);
        EXPECT_EQ(KW_ERROR_COMMAND_NOT_PARAM, r.status) << c.command;
        EXPECT_EQ(std::string("spcpp: ") + c.command + "\nspcpp: param '" + c.rest + "' not found\n", r.out);
        EXPECT_EQ(0.0f, p->f) << c.command;
    }
    KW_command("%o -delete", p);
}

TEST(CommandFailure, ClassThatMakesNoObjectStopsWithoutTouchingAnything) {
    struct {
        const char* command;
        const char* line;
    } cases[] = {
        {"Probe_Abstract -n 1", "spcpp: Probe_Abstract -n 1\nspcpp: class 'Probe_Abstract' cannot make objects\n"},
        {"Probe_None -n 1", "spcpp: Probe_None -n 1\nspcpp: class 'Probe_None' made no object\n"},
        {"Probe_None current", "spcpp: Probe_None current\nspcpp: class 'Probe_None' made no object\n"},
    };
    for (const auto& c : cases) {
        void* cell = &cases;
        const Said r = said(c.command, &cell);
        EXPECT_EQ(KW_ERROR_PARAM_REQUIRED, r.status) << c.command;
        EXPECT_EQ(c.line, r.out);
        EXPECT_EQ(static_cast<void*>(&cases), cell) << "nothing stored";
    }
}

TEST(CommandFailure, ReferenceToNoLiveObjectIsRefusedBeforeAnyHandlerRuns) {
    Probe* live = nullptr;
    ASSERT_EQ(KW_OK, KW_command("Probe", &live));
    Probe* dead = nullptr;
    ASSERT_EQ(KW_OK, KW_command("Probe", &dead));
    ASSERT_EQ(KW_OK, KW_command("%o -delete", dead));
    int notAnObject = 0;
    struct {
        const char* command;
        const void* arg;
        std::string shown;
    } cases[] = {
        {"%o -n 1", nullptr, hex(nullptr)},
        {"%o -n 1", dead, hex(dead)},
        {"%o -delete", dead, hex(dead)},
        {"%o -n 1", &notAnObject, hex(&notAnObject)},
        {"Probe %o -n 1", nullptr, hex(nullptr)},
        {"Probe %o -delete", dead, hex(dead)},
        {"Probe 0x10 -n 1", nullptr, "0x10"},
        {"Probe 5 -n 1", nullptr, "0x5"},
        {"Probe %i -n 1", nullptr, "0x0"},
        {"Probe 0.0 -n 1", nullptr, "0x0"},
    };
    const int gone = Probe::destroyed;
    for (const auto& c : cases) {
        const Said r = said(c.command, c.arg, live);
        EXPECT_EQ(KW_ERROR_PARAM_REQUIRED, r.status) << c.command;
        EXPECT_EQ(std::string("spcpp: ") + c.command + "\nspcpp: object " + c.shown + " not found\n", r.out);
    }
    EXPECT_EQ(gone, Probe::destroyed);
    EXPECT_EQ(0, live->calls);
    KW_command("%o -delete", live);
}

TEST(CommandFailure, OptionsAfterDeleteAreRefused) {
    Probe* p = nullptr;
    ASSERT_EQ(KW_OK, KW_command("Probe", &p));
    const int gone = Probe::destroyed;
    const Said r = said("%o -delete -n 1", p);
    EXPECT_EQ(KW_ERROR_PARAM_REQUIRED, r.status);
    EXPECT_EQ("spcpp: %o -delete -n 1\nspcpp: object " + hex(p) + " not found\n", r.out);
    EXPECT_EQ(gone + 1, Probe::destroyed);
}

TEST(CommandFailure, PlaceholderThatIsNoObjectWhereTheClassBelongs) {
    for (const char* command : {"%s -n 1", "%q -n 1"}) {
        const Said r = said(command, "Probe");
        EXPECT_EQ(KW_ERROR_COMMAND_NOT_FOUND, r.status) << command;
        EXPECT_EQ(std::string("spcpp: command '") + command + "' not found\n", r.out);
    }
}

TEST(CommandEdges, CommandsThatEndEarlyDoNothingMore) {
    Probe* p = nullptr;
    ASSERT_EQ(KW_OK, KW_command("Probe -n 2", &p));
    struct {
        const char* command;
        KW_status status;
    } cases[] = {
        {"%o", KW_OK},         // only an object placeholder
        {"%", KW_OK},
        {"%o ", KW_OK},        // a trailing space
        {"%o -n %", KW_OK},    // a trailing escape: a query that stores nothing
        {"%o -n 2 ", KW_OK},
        {"%o -", KW_ERROR_COMMAND_NOT_PARAM},
        {"%o -n 2 -", KW_ERROR_COMMAND_NOT_PARAM},
        {"Probe %o -n 2 %", KW_ERROR_COMMAND_NOT_PARAM},
    };
    int32_t cell = 77;
    for (const auto& c : cases) {
        const Said r = said(c.command, p, &cell);
        EXPECT_EQ(c.status, r.status) << c.command;
        EXPECT_EQ(c.status == KW_OK, r.out.empty()) << c.command << ": " << r.out;
    }
    EXPECT_EQ(77, cell);
    EXPECT_EQ(2, p->n);
    int32_t f = 0;
    const Said lone = said("%o", nullptr, &f);
    EXPECT_EQ(KW_OK, lone.status) << "a lone placeholder follows no reference";
    KW_command("%o -delete", p);
}
