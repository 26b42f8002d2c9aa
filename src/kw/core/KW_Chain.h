// The intrusive doubly linked list of every container: objects embed one item per list they can be in.
#pragma once
#include <cstdint>

class KW_Chain;

class KW_Chain_Item {
public:
    KW_Chain_Item* prev = nullptr;
    KW_Chain_Item* next = nullptr;
    void* data;                 // the object that contains this item
    KW_Chain* list = nullptr;   // the list this item is linked into, or none

    explicit KW_Chain_Item(void* owner) : data(owner) {}
    KW_Chain_Item(const KW_Chain_Item&) = delete;
    KW_Chain_Item& operator=(const KW_Chain_Item&) = delete;
};

class KW_Chain {
public:
    KW_Chain_Item head{nullptr};
    KW_Chain_Item tail{nullptr};
    int32_t count = 0;

    KW_Chain() { head.next = &tail; tail.prev = &head; }
    KW_Chain(const KW_Chain&) = delete;
    KW_Chain& operator=(const KW_Chain&) = delete;

    // Links the item in front of `before` (at the end when none); an item already in a list stays put.
    void add(KW_Chain_Item* item, KW_Chain_Item* before = nullptr) {
        if (item->list) return;
        if (!before) before = &tail;
        if (before->list != this && before != &tail) return;
        item->list = this;
        KW_Chain_Item* p = before->prev;
        p->next = item;
        before->prev = item;
        item->next = before;
        item->prev = p;
        ++count;
    }

    // Unlinks the item when it belongs to this list; otherwise nothing happens.
    void remove(KW_Chain_Item* item) {
        if (item->list != this) return;
        item->prev->next = item->next;
        item->next->prev = item->prev;
        item->list = nullptr;
        --count;
    }

    KW_Chain_Item* first() const { return head.next; }
    const KW_Chain_Item* end() const { return &tail; }
};
