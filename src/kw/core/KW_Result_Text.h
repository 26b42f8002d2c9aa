// The result text of a command: the values it made and asked for, written into the caller's buffer.
#pragma once
#include <cstdint>
#include "KW_value.h"

class KW_Result_Text {
public:
    // buffer may be none, with a capacity of 0; all capacity bytes are cleared.
    KW_Result_Text(char* buffer, int capacity);

    // Appends a value as text: integers "%d", floats "%f", texts, objects "0x%X" at pointer width,
    // byte blocks as their raw bytes. Kinds 0, 1 and 6 add nothing. Items after the first get a space.
    void add(const KW_value& v);

    // The full length of the text, also when it did not fit.
    int64_t length() const { return length_; }
    bool overflowed() const { return length_ > capacity_; }

private:
    char* buffer_;
    int capacity_;
    int64_t length_ = 0;
    int items_ = 0;

    // Writes what fits of n bytes (bytes none: leaves them cleared) and counts all of them.
    void put(const char* bytes, int64_t n);
};
