# Windows x86_64: the whole program, run under wine64 by the tests.
set(KW_MINGW_ARCH x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
