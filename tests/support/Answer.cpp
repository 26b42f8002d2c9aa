#include "Answer.h"
#include <cstdarg>
#include "core/KW_command.h"

std::string answer(const char* command, ...) {
    std::string text(command);
    char out[512];
    int capacity = sizeof out;
    va_list args;
    va_start(args, command);
    KW_vcommand(KW_RESULT_TEXT, text.data(), out, &capacity, args);
    va_end(args);
    return std::string(out, size_t(capacity));
}
