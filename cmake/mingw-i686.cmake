# Windows i686: the delivered 32-bit product.
set(KW_MINGW_ARCH i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
