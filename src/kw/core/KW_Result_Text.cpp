#include "KW_Result_Text.h"
#include <cinttypes>
#include <cstdio>
#include <cstring>

KW_Result_Text::KW_Result_Text(char* buffer, int capacity)
    : buffer_(buffer), capacity_(buffer && capacity > 0 ? capacity : 0) {
    if (capacity_) std::memset(buffer_, 0, capacity_);
}

void KW_Result_Text::put(const char* bytes, int64_t n) {
    const int64_t room = capacity_ - length_;
    if (bytes && room > 0) std::memcpy(buffer_ + length_, bytes, n < room ? n : room);
    length_ += n;
}

void KW_Result_Text::add(const KW_value& v) {
    char number[64];
    const char* piece = number;
    int64_t n = 0;
    switch (v.kind) {
    case KW_value::INTEGER:
        n = std::snprintf(number, sizeof number, "%d", v.i);
        break;
    case KW_value::FLOAT:
        n = std::snprintf(number, sizeof number, "%f", static_cast<double>(v.f));
        break;
    case KW_value::TEXT:
        piece = v.s ? v.s : "";
        n = static_cast<int64_t>(std::strlen(piece));
        break;
    case KW_value::OBJECT:
        if (v.length >= 0) {
            piece = static_cast<const char*>(v.p);
            n = v.length;
        } else {
            n = std::snprintf(number, sizeof number, "0x%" PRIXPTR, static_cast<uintptr_t>(v.value));
        }
        break;
    default:
        return;
    }
    if (items_++) put(" ", 1);
    put(piece, n);
}
