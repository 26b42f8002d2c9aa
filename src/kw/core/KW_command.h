// The command language: the token scanner and the interpreter.
#pragma once
#include <cstdarg>
#include "KW_export.h"
#include "KW_status.h"
#include "KW_value.h"
#include "KW_Object.h"

// Flags of KW_vcommand.
enum : int {
    KW_RESULT_TEXT = 1,   // write a result text into the result buffer
    KW_OUT_POINTERS = 2,  // store results through pointers taken from the argument list
};

// One row of the class table: a command name and its class's option table. Ended by a row whose name is none.
struct KW_Class {
    const char* name;
    const KW_Option* table;
};
extern "C" KW_EXPORT const KW_Class _KW[];

// The text of the word after the class name when a factory is called (none when it was not plain text).
extern "C" KW_EXPORT const char* KW_specialobject;

// Interprets a command in out-pointer mode. The text is not written to.
KW_status KW_command(const char* text, ...);

// The interpreter proper. text must be writable; it is restored before return.
// Object results stored through out-pointers are pointer-sized; other results are 32-bit.
KW_status KW_vcommand(int flags, char* text, char* result, int* capacity, va_list args);

// Reads one token at *pos; *pos becomes the index of the character that ended it.
KW_value KW_scan_token(const char* text, int* pos, const char* separators);

// True when the words at a and b are equal; a word ends at a space or at the NUL.
bool KW_word_equal(const char* a, const char* b);

extern "C" KW_EXPORT void KW_initall();
