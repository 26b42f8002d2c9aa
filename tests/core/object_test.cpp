// Objects: the live-object registry behind every reference check, and "delete".
#include <atomic>
#include <thread>
#include <vector>
#include "Commands.h"
#include "Probe.h"

TEST(Object, LiveFromConstructionToDestruction) {
    int plain = 0;
    EXPECT_FALSE(KW_Object::live(nullptr));
    EXPECT_FALSE(KW_Object::live(&plain));
    Probe* p = new Probe;
    EXPECT_TRUE(KW_Object::live(p));
    EXPECT_EQ(nullptr, p->kwclass) << "made in code: no class recorded";
    delete p;
    EXPECT_FALSE(KW_Object::live(p));
}

TEST(Object, DeleteDestroysThroughTheVirtualDestructorAndAnswersTheEmptyValue) {
    KW_Object* o = new Probe;
    const int gone = Probe::destroyed;
    KW_value r(42, KW_value::INTEGER);
    EXPECT_EQ(&r, KW_Object::m_delete(&r, o, KW_value::integer(1)));
    EXPECT_EQ(gone + 1, Probe::destroyed);
    EXPECT_EQ(0, r.value);
    EXPECT_EQ(KW_value::EMPTY, r.kind);
    EXPECT_EQ(-1, r.length);
    KW_Object::m_delete(&r, o, KW_EMPTY);  // no longer an object: nothing happens
    KW_Object::m_delete(&r, nullptr, KW_EMPTY);
    EXPECT_EQ(gone + 1, Probe::destroyed);
}

TEST(Object, FromRefusesStaleAndForeignReferences) {
    Probe_Child* c = nullptr;
    ASSERT_EQ(KW_OK, KW_command("Probe_Child", &c));
    EXPECT_EQ(c, KW_Object::from<Probe>(KW_value::object(c)));
    EXPECT_EQ(c, KW_Object::from<Probe_Child>(KW_value::object(c)));
    KW_command("%o -delete", c);
    EXPECT_EQ(nullptr, KW_Object::from<Probe>(KW_value::object(c)));
    Probe* p = nullptr;
    ASSERT_EQ(KW_OK, KW_command("Probe", &p));
    EXPECT_EQ(nullptr, KW_Object::from<Probe_Child>(KW_value::object(p))) << "not of that class";
    EXPECT_EQ(nullptr, KW_Object::from<Probe>(KW_value::text(reinterpret_cast<char*>(p)))) << "not a reference";
    KW_command("%o -delete", p);
}

// Commands come from several threads at once; the registry they all check must hold.
TEST(Object, CommandsFromSeveralThreadsCreateUseAndDelete) {
    const int gone = Probe::destroyed;
    std::atomic<int> failures{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&failures, t] {
            for (int i = 0; i < 2000; ++i) {
                Probe* p = nullptr;
                int32_t n = 0;
                if (KW_command("Probe -n %i", &p, t * 10000 + i) != KW_OK) ++failures;
                if (KW_command("Probe %o -n", p, &n) != KW_OK || n != t * 10000 + i) ++failures;
                // (not live afterwards is not checked here: another thread may get the same address at once)
                if (KW_command("%o -delete", p) != KW_OK) ++failures;
            }
        });
    }
    for (std::thread& t : threads) t.join();
    EXPECT_EQ(0, failures);
    EXPECT_EQ(gone + 8000, Probe::destroyed);
}
