// Widgets made and changed by command, as the application does it.
#pragma once
#include <gtest/gtest.h>
#include "core/KW_command.h"

// Creates an object with the command (whose first placeholder receives it) and gives it as a T.
template <class T, class... A>
T* make(const char* command, A... args) {
    KW_Object* o = nullptr;
    EXPECT_EQ(KW_OK, KW_command(command, &o, args...)) << command;
    return dynamic_cast<T*>(o);
}

// The result of a command that ends in a query, read from its 32-bit cell (an object from a pointer-sized one).
template <class R, class... A>
R ask(const char* command, A... args) {
    R cell{};
    EXPECT_EQ(KW_OK, KW_command(command, args..., &cell)) << command;
    return cell;
}
