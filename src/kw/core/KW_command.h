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

// The text of the word after the class name while a factory runs (none when it was not plain text);
// none again once the factory has returned.
extern "C" KW_EXPORT const char* KW_specialobject;

// Interprets a command in out-pointer mode. The text is not written to (it is copied first).
KW_status KW_command(const char* text, ...);

// The interpreter proper. text must be writable; it is restored before return.
// Object and text results stored through out-pointers are pointer-sized; other results are 32-bit.
// With KW_RESULT_TEXT the text fills at most *capacity bytes (NUL-terminated when shorter) and
// *capacity becomes its length.
// Statuses: KW_OK; KW_ERROR_COMMAND_NOT_FOUND (no such class); KW_ERROR_COMMAND_NOT_PARAM (no such
// option, or a second value after one option); KW_ERROR_COMMAND_NOT_SPACE (result text too long);
// KW_ERROR_PARAM_REQUIRED (no object to work on: a reference to no live object, a class that makes
// no objects, or a factory that gave none). Failures print "spcpp: " lines on standard output.
KW_status KW_vcommand(int flags, char* text, char* result, int* capacity, va_list args);

// Reads one token at *pos; *pos becomes the index of the character that ended it.
KW_value KW_scan_token(const char* text, int* pos, const char* separators);

// True when the words at a and b are equal; a word ends at a space or at the NUL.
bool KW_word_equal(const char* a, const char* b);

extern "C" KW_EXPORT void KW_initall();
