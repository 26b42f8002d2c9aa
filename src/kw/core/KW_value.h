// The tagged value of the command language: every option handler takes and returns one.
#pragma once
#include <cstdint>
#include "KW_export.h"

// The payload is as wide as a pointer: 32 bits on the delivered 32-bit product.
typedef intptr_t KW_payload;

class KW_value {
public:
    enum Kind : int32_t {
        UNSTORED = 0,  // the "%" escape: no value, suppresses the store of a query result
        EMPTY = 1,     // no value; also an option token, whose payload points at its "-"
        INTEGER = 2,
        FLOAT = 3,
        TEXT = 4,
        OBJECT = 5,    // an object, or with length >= 0 a byte block of that many bytes
        SWITCH = 6,    // on/off 0 or 1, used by the application's parameters
    };

    union {
        KW_payload value;
        int32_t i;
        float f;
        char* s;
        void* p;
    };
    int32_t kind;
    int32_t length;

    constexpr KW_value() : value(0), kind(EMPTY), length(-1) {}
    constexpr KW_value(KW_payload v, int32_t k, int32_t l = -1) : value(v), kind(k), length(l) {}
    KW_value(const KW_value&) = default;
    KW_value& operator=(const KW_value&) = default;

    // Called by a widget bound to this value after it has written a new payload and kind.
    virtual void changed(void* data);

    static KW_value integer(int32_t n) { KW_value v(0, INTEGER); v.i = n; return v; }
    static KW_value real(float x) { KW_value v(0, FLOAT); v.f = x; return v; }
    static KW_value text(const char* t) { KW_value v(0, TEXT); v.s = const_cast<char*>(t); return v; }
    static KW_value object(const void* o) { KW_value v(0, OBJECT); v.p = const_cast<void*>(o); return v; }
    static KW_value block(const void* bytes, int32_t n) { KW_value v = object(bytes); v.length = n; return v; }

    // Given a value (kind above 1) an option sets; given nothing it reports.
    bool given() const { return kind > EMPTY; }

    // The "converted" rule of numeric options: an integer as it is, a float truncated toward zero
    // (saturated, NaN refused). False, and out untouched, for anything else.
    bool toInt(int32_t& out) const;
    // A float as it is, an integer converted. False, and out untouched, for anything else.
    bool toFloat(float& out) const;
    // The text of a text value, or none.
    const char* toText() const { return kind == TEXT ? s : nullptr; }
};

extern "C" KW_EXPORT KW_value KW_EMPTY;
