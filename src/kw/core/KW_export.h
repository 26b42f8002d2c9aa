// Symbols that the executable exports under their plain names.
#pragma once

#if defined(_WIN32)
#define KW_EXPORT __declspec(dllexport)
#else
#define KW_EXPORT __attribute__((visibility("default")))
#endif
