// A text a widget keeps: copied into storage of its own, cut to N - 1 bytes. The storage never moves
// and always ends in a zero byte, so a thread reading it while a command replaces it sees a text,
// at worst a mixed one, and never runs past the end.
#pragma once
#include <cstddef>
#include <cstring>

template <std::size_t N>
class KW_Wid_Str {
public:
    explicit KW_Wid_Str(const char* initial = "") { set(initial); }

    void set(const char* t) {
        std::size_t n = 0;
        for (; t && t[n] && n < N - 1; ++n) bytes[n] = t[n];
        bytes[n] = 0;
    }
    const char* get() const { return bytes; }
    bool empty() const { return bytes[0] == 0; }
    // True when t reads the same as the kept text (after the kept text's cut).
    bool same(const char* t) const { return std::strncmp(bytes, t ? t : "", N - 1) == 0; }

private:
    char bytes[N] = {};
};
