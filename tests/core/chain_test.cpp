// The intrusive list: membership decides what add and remove do.
#include <gtest/gtest.h>
#include <vector>
#include "core/KW_Chain.h"

namespace {

std::vector<int> contents(const KW_Chain& c) {
    std::vector<int> v;
    for (const KW_Chain_Item* i = c.first(); i != c.end(); i = i->next) v.push_back(*static_cast<int*>(i->data));
    return v;
}

struct Three : ::testing::Test {
    int values[3] = {1, 2, 3};
    KW_Chain_Item a{&values[0]}, b{&values[1]}, c{&values[2]};
    KW_Chain list, other;
};

}  // namespace

TEST_F(Three, AddAppendsOrInsertsInFrontOfTheGivenItem) {
    EXPECT_EQ(0, list.count);
    list.add(&a);
    list.add(&c);
    list.add(&b, &c);
    EXPECT_EQ((std::vector<int>{1, 2, 3}), contents(list));
    EXPECT_EQ(3, list.count);
    EXPECT_EQ(&list, b.list);
    EXPECT_EQ(&list.tail, c.next);
    EXPECT_EQ(&list.head, a.prev);
}

TEST_F(Three, AddingAnItemThatIsInAListChangesNothing) {
    list.add(&a);
    list.add(&b);
    list.add(&a);
    other.add(&b);
    list.add(&a, &b);
    EXPECT_EQ((std::vector<int>{1, 2}), contents(list));
    EXPECT_EQ(2, list.count);
    EXPECT_EQ(0, other.count);
    EXPECT_EQ(&other.tail, other.first());
}

TEST_F(Three, RemovingAnItemOfAnotherListOrOfNoneChangesNothing) {
    list.add(&a);
    list.add(&b);
    other.add(&c);
    list.remove(&c);
    list.remove(&c);
    other.remove(&a);
    EXPECT_EQ((std::vector<int>{1, 2}), contents(list));
    EXPECT_EQ((std::vector<int>{3}), contents(other));
    list.remove(&a);
    list.remove(&a);
    EXPECT_EQ((std::vector<int>{2}), contents(list));
    EXPECT_EQ(1, list.count);
    EXPECT_EQ(nullptr, a.list);
    list.add(&a, &b);
    EXPECT_EQ((std::vector<int>{1, 2}), contents(list)) << "a removed item can be added again";
}
