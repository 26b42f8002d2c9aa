// The six ways a node combines its result r with the sample o already in its output buffer.
// All arithmetic wraps modulo 2^32.
#pragma once
#include <cstdint>

struct KW_Mode {
    enum : int32_t { SET, ADD, SUB, STN, ADN, SBN, COUNT };

    // The option words of the modes, by index.
    static const char* const names[COUNT];

    // The index of a mode name (compared as a whole text), or -1.
    static int32_t find(const char* name);

    struct Set { int32_t operator()(int32_t, int32_t r) const { return r; } };
    struct Add { int32_t operator()(int32_t o, int32_t r) const { return int32_t(uint32_t(o) + uint32_t(r)); } };
    struct Sub { int32_t operator()(int32_t o, int32_t r) const { return int32_t(uint32_t(o) - uint32_t(r)); } };
    struct Stn { int32_t operator()(int32_t, int32_t r) const { return int32_t(0u - uint32_t(r)); } };
    struct Adn { int32_t operator()(int32_t o, int32_t r) const { return int32_t(0u - uint32_t(o) - uint32_t(r)); } };
    struct Sbn { int32_t operator()(int32_t o, int32_t r) const { return int32_t(uint32_t(r) - uint32_t(o)); } };

    // Calls body once with the combiner of the mode, so that a node writes one tight loop per mode
    // and the choice is made once per block. An index out of range acts as "set".
    template <class Body>
    static void with(int32_t mode, Body&& body) {
        switch (mode) {
        case ADD: body(Add{}); break;
        case SUB: body(Sub{}); break;
        case STN: body(Stn{}); break;
        case ADN: body(Adn{}); break;
        case SBN: body(Sbn{}); break;
        default: body(Set{}); break;
        }
    }
};
