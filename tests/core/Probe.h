// A small family of classes of the test program's own class table: each option records what it was
// given, so that tests can see exactly what the interpreter passed and when.
//
//   Probe (factory)        n      converted integer, query kind 2
//                          raw    the payload whatever its kind, query kind 5
//                          f      float, query kind 3
//                          text   a text (kind 4 only), copied; the copy shows whether it was terminated
//                          self   query: the object itself, kind 5
//                          word   query: the text "hello"
//                          block  query: the 3-byte block "a", NUL, "b"
//                          delete inherited from KW_Object
//   Probe_Child (factory)  n      overridden: stores 1000 + the value
//                          bl     records its argument
//   Probe_Abstract         no factory;         Probe_None: a factory that gives no object
#pragma once
#include <atomic>
#include <string>
#include "core/KW_Object.h"

class Probe : public KW_Object {
public:
    int32_t n = 0;
    KW_payload raw = 0;
    float f = 0.0f;
    std::string text;     // what the "text" option saw, as a C string
    KW_value last;        // the argument of the last option call
    int calls = 0;        // option calls of any kind

    static std::atomic<int> destroyed;
    static std::string special;  // what the last factory call saw in KW_specialobject ("(none)" for none)

    ~Probe() override { ++destroyed; }
    static const KW_Option options[];

    static KW_value on_n(Probe& p, const KW_value& a);
    static KW_value on_raw(Probe& p, const KW_value& a);
    static KW_value on_f(Probe& p, const KW_value& a);
    static KW_value on_text(Probe& p, const KW_value& a);
    static KW_value on_self(Probe& p, const KW_value& a);
    static KW_value on_word(Probe& p, const KW_value& a);
    static KW_value on_block(Probe& p, const KW_value& a);
    void record(const KW_value& a) { last = a; ++calls; }
};

class Probe_Child : public Probe {
public:
    static const KW_Option options[];
    static KW_value on_n(Probe_Child& p, const KW_value& a);
    static KW_value on_bl(Probe_Child& p, const KW_value& a);
};

extern const KW_Option Probe_Abstract_options[];
extern const KW_Option Probe_None_options[];
