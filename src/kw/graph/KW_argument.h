// How options of the graph and the nodes read their arguments, written once.
#pragma once
#include <cstdint>
#include "core/KW_Object.h"

// Raw integer options take the 32-bit payload whatever its kind, except a text, whose payload is a
// pointer into the command and says nothing. True when out was set.
inline bool KW_raw(const KW_value& arg, int32_t& out) {
    if (!arg.given() || arg.kind == KW_value::TEXT) return false;
    out = arg.i;
    return true;
}

// Object options take a live object of class T, or 0 for none; anything else (a stale reference, an
// object of another class, a text) leaves the reference as it was.
template <class T>
void KW_reference(const KW_value& arg, T*& ref) {
    if (!arg.given()) return;
    if ((arg.kind == KW_value::OBJECT || arg.kind == KW_value::INTEGER) && !arg.p) {
        ref = nullptr;
    } else if (T* t = KW_Object::from<T>(arg)) {
        ref = t;
    }
}
