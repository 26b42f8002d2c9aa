#include <gtest/gtest.h>
#include <string>
#include <thread>
#include "core/KW_command.h"
#include "graph/KW_Soundpipe.h"
#include "graph/graph_fixture.h"
#include "graph/probe.h"

namespace {

int32_t flag(const char* command, KW_Soundpipe* s) {
    int32_t v = -1;
    KW_command(command, s, &v);
    return v;
}

TEST(Soundpipe, BeginAndEndBuilding) {
    KW_Soundpipe* first = nullptr;
    int32_t began = -1;
    KW_command("KW_Soundpipe -bl %i -b", &first, 512, &began);
    EXPECT_EQ(began, 0) << "a new sound pipe is current already";
    EXPECT_EQ(KW_Soundpipe::current(), first);
    EXPECT_EQ(flag("KW_Soundpipe %o -bl", first), 512);

    KW_Soundpipe* second = nullptr;
    KW_command("KW_Soundpipe", &second);
    EXPECT_EQ(KW_Soundpipe::current(), second);
    EXPECT_EQ(flag("KW_Soundpipe %o -b", first), 0);
    EXPECT_EQ(flag("KW_Soundpipe %o -e", first), 0) << "not current: nothing changes";
    EXPECT_EQ(KW_Soundpipe::current(), second);
    KW_Soundpipe* named = nullptr;
    KW_command("KW_Soundpipe current", &named);
    EXPECT_EQ(named, second);
    EXPECT_EQ(flag("KW_Soundpipe %o -e", second), 1);
    EXPECT_EQ(KW_Soundpipe::current(), nullptr);
    EXPECT_EQ(flag("KW_Soundpipe %o -b", first), 1);
    EXPECT_EQ(KW_Soundpipe::current(), first);
    KW_command("%o -delete", first);
    EXPECT_EQ(KW_Soundpipe::current(), nullptr) << "a deleted sound pipe is not current";
    EXPECT_EQ(KW_command("KW_Soundpipe current"), KW_ERROR_PARAM_REQUIRED) << "none to name";
    KW_command("%o -delete", second);
}

TEST(Soundpipe, InsertionPointAndBefore) {
    std::string log;
    Graph g(4);
    Probe* a = new Probe(log, 'a');
    Probe* z = new Probe(log, 'z');
    KW_command("KW_Soundpipe %o -be %o", g.pipe, z);
    Probe* b = new Probe(log, 'b');
    Probe* c = new Probe(log, 'c');
    KW_command("KW_Soundpipe %o -be 0", g.pipe);
    Probe* d = new Probe(log, 'd');
    KW_command("KW_Effect %o -before %o", d, a);
    KW_command("KW_Effect %o -before %o", a, a);  // before itself: stays where it is
    KW_command("KW_Effect %o -before %o", a, g.pipe);  // not an effect
    g.end();
    KW_command("KW_Effect %o -before %o", c, d);  // not building any more: no change
    g.pipe->process();
    EXPECT_EQ(log, "dprep drun aprep arun bprep brun cprep crun zprep zrun ");
    void* following = nullptr;
    KW_command("KW_Effect %o -before", c, &following);
    EXPECT_EQ(following, z);
    following = a;
    KW_command("KW_Effect %o -before", z, &following);
    EXPECT_EQ(following, nullptr);
    for (Probe* p : {d, c, b, z, a}) delete p;
}

TEST(Soundpipe, PrepareProcessAndResetOrder) {
    std::string log;
    Graph g(4);
    Probe* a = new Probe(log, 'a');
    Probe* b = new Probe(log, 'b');
    b->refusePrepare = true;  // a node that cannot get ready is asked again and never run
    g.end();
    g.pipe->process();
    EXPECT_EQ(log, "aprep arun bprep ");
    log.clear();
    KW_command("KW_Effect %o -on 0", a);
    g.pipe->process();
    EXPECT_EQ(log, "arun areset bprep ") << "one more block to fade out, then reset once";
    log.clear();
    g.pipe->process();
    EXPECT_EQ(log, "bprep ");
    log.clear();
    KW_command("KW_Effect %o -on 1", a);
    g.pipe->process();
    EXPECT_EQ(log, "arun bprep ") << "switching on fades in without a reset";
    log.clear();
    g.pipe->reset();
    EXPECT_EQ(log, "areset breset ");
    delete b;
    delete a;
}

TEST(Soundpipe, ResetClearsTheMainHalvesOfItsBuffers) {
    Graph g(4);
    KW_Buffer* x = g.buffer();
    g.end();
    Graph::fill(x, [](int32_t k) { return k + 7; });
    g.pipe->reset();
    EXPECT_EQ(Graph::contents(x), std::vector<int32_t>(4, 0));
}

class Faulting : public ::testing::TestWithParam<Probe::Fault> {};

// A node that faults ends the pass of that block only: the nodes after it produce nothing for the
// block, process returns normally, and the next block runs every node again.
TEST_P(Faulting, EndsThatBlocksPassOnly) {
    std::string log;
    Graph g(4);
    KW_Buffer* out = g.buffer();
    Probe* before = new Probe(log, 'a');
    Probe* bad = new Probe(log, 'b');
    Probe* after = new Probe(log, 'c');
    g.end();
    after->value = 5;
    KW_Effect::m_port<KW_Effect::OUT>(*after, KW_value::object(out));
    bad->fault = GetParam();
    EXPECT_EQ(g.pipe->process(), 0);
    EXPECT_EQ(log, "aprep arun bprep brun ");
    EXPECT_EQ(Graph::contents(out), std::vector<int32_t>(4, 0));
    log.clear();
    EXPECT_EQ(g.pipe->process(), 0);
    EXPECT_EQ(log, "arun brun ") << "faults again, and again only that block";
    log.clear();
    bad->fault = Probe::NONE;
    EXPECT_EQ(g.pipe->process(), 0);
    EXPECT_EQ(log, "arun brun cprep crun ");
    EXPECT_EQ(Graph::contents(out), std::vector<int32_t>(4, 5));
    for (Probe* p : {after, bad, before}) delete p;
}

INSTANTIATE_TEST_SUITE_P(Soundpipe, Faulting, ::testing::Values(Probe::THROW, Probe::DIVIDE, Probe::ACCESS));

TEST(Soundpipe, FaultsAreContainedOnEveryThread) {
    std::string log1, log2;
    Graph g(4);
    Probe* p = new Probe(log1, 'p');
    g.end();
    p->fault = Probe::DIVIDE;
    std::thread other([&] {
        Graph h(4);
        Probe* q = new Probe(log2, 'q');
        h.end();
        q->fault = Probe::ACCESS;
        for (int i = 0; i < 100; ++i) h.pipe->process();
        delete q;
    });
    for (int i = 0; i < 100; ++i) g.pipe->process();
    other.join();
    EXPECT_EQ(log1.size(), std::string("pprep ").size() + 100 * std::string("prun ").size());
    EXPECT_EQ(log2.size(), std::string("qprep ").size() + 100 * std::string("qrun ").size());
    delete p;
}

TEST(Soundpipe, MembersDeletedOutOfOrderLeaveNothingDangling) {
    std::string log;
    KW_Soundpipe* s = nullptr;
    KW_command("KW_Soundpipe -bl 8", &s);
    KW_Buffer* in = nullptr;
    KW_Buffer* out = nullptr;
    KW_command("KW_Buffer", &in);
    KW_command("KW_Buffer", &out);
    Probe* p = new Probe(log, 'p');
    KW_Effect::m_port<KW_Effect::OUT>(*p, KW_value::object(out));
    KW_command("KW_Soundpipe %o -be %o", s, p);
    KW_command("%o -delete", out);  // still wired to p
    EXPECT_EQ(p->port(KW_Effect::OUT), nullptr);
    s->process();
    delete p;  // the insertion point
    void* point = s;
    KW_command("KW_Soundpipe %o -be", s, &point);
    EXPECT_EQ(point, nullptr);
    Probe* q = new Probe(log, 'q');
    EXPECT_EQ(s->effects.count, 1);
    KW_command("%o -delete", s);  // before its effect and buffer
    EXPECT_EQ(in->length(), 0);
    KW_command("%o -delete", in);
    delete q;
}

}  // namespace
