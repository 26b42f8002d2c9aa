// Running commands from tests: through the interpreter proper with a result buffer, or through
// KW_command, with what the interpreter printed on standard output.
#pragma once
#include <gtest/gtest.h>
#include <cinttypes>
#include <cstdarg>
#include <cstdio>
#include <string>
#include "core/KW_command.h"

// KW_vcommand with a variable argument list made here.
inline KW_status vcommand(int flags, char* text, char* result, int* capacity, ...) {
    va_list args;
    va_start(args, capacity);
    const KW_status s = KW_vcommand(flags, text, result, capacity, args);
    va_end(args);
    return s;
}

// A command's status together with its diagnostics.
struct Said {
    KW_status status;
    std::string out;
};

template <class... A>
Said said(const char* command, A... args) {
    testing::internal::CaptureStdout();
    const KW_status s = KW_command(command, args...);
    return {s, testing::internal::GetCapturedStdout()};
}

// How an object appears in result text and diagnostics.
inline std::string hex(const void* p) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "0x%" PRIXPTR, reinterpret_cast<uintptr_t>(p));
    return buf;
}
