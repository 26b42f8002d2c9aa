// Word comparison of the command language: option words and class names end at a space or the NUL.
#include "KW_command.h"

static bool wordEnd(char c) { return c == ' ' || c == '\0'; }

bool KW_word_equal(const char* a, const char* b) {
    if (!a || !b) return false;
    for (;; ++a, ++b) {
        if (wordEnd(*a) || wordEnd(*b)) return wordEnd(*a) && wordEnd(*b);
        if (*a != *b) return false;
    }
}
