// The root of every object a command creates, and the option-table format every class shares.
#pragma once
#include "KW_export.h"
#include "KW_value.h"

class KW_Object;
struct KW_Option;

// An option handler fills *result with the option's current value and returns result.
// obj is the object the command works on (it may be none); arg is the argument or a copy of KW_EMPTY.
typedef KW_value* (*KW_Handler)(KW_value* result, KW_Object* obj, KW_value arg);
typedef KW_Object* (*KW_Factory)();

// One row of a class's option table. Row 0: name "" and the factory (or none); rows 1..n: option words
// (without their "-") and handlers, in search order; the closing row: name none and the parent's table
// (none for KW_Object).
struct KW_Option {
    const char* name;
    union {
        KW_Handler handler;
        KW_Factory factory;
        const KW_Option* parent;
    };
    constexpr KW_Option(const char* n, KW_Handler h) : name(n), handler(h) {}
    constexpr KW_Option(KW_Factory f) : name(""), factory(f) {}
    constexpr KW_Option(const KW_Option* up) : name(nullptr), parent(up) {}
};

class KW_Object {
public:
    // The class the interpreter created this object as (its option table); none for objects made in code.
    const KW_Option* kwclass = nullptr;

    KW_Object();
    KW_Object(const KW_Object&) = delete;
    KW_Object& operator=(const KW_Object&) = delete;
    virtual ~KW_Object();

    // True when p is an object that exists now. Commands check every object reference with it,
    // so a stale or malformed reference in command text is refused instead of followed.
    static bool live(const void* p);

    // The object a value refers to, when it is a live object of class T; none otherwise.
    template <class T>
    static T* from(const KW_value& v) {
        if (v.kind != KW_value::OBJECT && v.kind != KW_value::INTEGER) return nullptr;
        if (!live(v.p)) return nullptr;
        return dynamic_cast<T*>(static_cast<KW_Object*>(v.p));
    }

    static KW_value* m_delete(KW_value* r, KW_Object* obj, KW_value arg);
    static const KW_Option options[];
};

// Handler helper: runs body with the object as a T when it is one, else answers the empty value.
template <class T, KW_value (*Body)(T&, const KW_value&)>
KW_value* KW_member(KW_value* r, KW_Object* obj, KW_value arg) {
    T* t = obj ? dynamic_cast<T*>(obj) : nullptr;
    *r = t ? Body(*t, arg) : KW_value();
    return r;
}
