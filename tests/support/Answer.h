// The result text of a command: what its queries answer, as text.
#pragma once
#include <string>

std::string answer(const char* command, ...);
