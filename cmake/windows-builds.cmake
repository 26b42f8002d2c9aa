# The native build drives the two Windows builds from the same source tree, so that one
# `cmake --build` builds all three and one ctest run tests all three.
include(ExternalProject)
foreach(arch x86_64 i686)
  if(arch STREQUAL x86_64)
    set(dir ${KW_WIN64_DIR})
    set(name win64)
  else()
    set(dir ${KW_WIN32_DIR})
    set(name win32)
  endif()
  ExternalProject_Add(${name}
    SOURCE_DIR ${CMAKE_SOURCE_DIR}
    BINARY_DIR ${dir}
    CMAKE_ARGS -DCMAKE_TOOLCHAIN_FILE=${CMAKE_SOURCE_DIR}/cmake/mingw-${arch}.cmake
               -DCMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE}
               -DKW_ART_DIR=${CMAKE_BINARY_DIR}/art
    DEPENDS kw_art
    BUILD_ALWAYS ON
    INSTALL_COMMAND ""
    USES_TERMINAL_BUILD ON)
endforeach()

# The bench: one virtual display, one sound server with two null sinks, one Wine prefix and one
# wineserver for the whole test run.
add_test(NAME bench.start COMMAND ${CMAKE_SOURCE_DIR}/scripts/bench.sh start ${KW_BENCH_DIR})
add_test(NAME bench.stop COMMAND ${CMAKE_SOURCE_DIR}/scripts/bench.sh stop ${KW_BENCH_DIR})
set_tests_properties(bench.start PROPERTIES FIXTURES_SETUP bench TIMEOUT 180 LABELS wine)
set_tests_properties(bench.stop PROPERTIES FIXTURES_CLEANUP bench TIMEOUT 60 LABELS wine)

# Static checks of both Windows executables.
foreach(build win64 win32)
  if(build STREQUAL win64)
    set(machine x86-64)
  else()
    set(machine i386)
  endif()
  add_test(NAME static.${build}.exports
           COMMAND ${CMAKE_SOURCE_DIR}/tests/static/check_exports.sh ${CMAKE_BINARY_DIR}/${build}/bin/KIRN.exe
                   ${machine} ${CMAKE_SOURCE_DIR}/tests/static/exports.txt)
  set_tests_properties(static.${build}.exports PROPERTIES LABELS static TIMEOUT 60)
endforeach()

# Audio tests with signals and drivers set up around the program.
include(${CMAKE_SOURCE_DIR}/cmake/audio-tests.cmake)

# The image as a plug-in host maps it: its own base, relocations kept, plainly returning crossing functions.
foreach(build win64 win32)
  add_test(NAME static.${build}.image
           COMMAND ${CMAKE_SOURCE_DIR}/tests/static/check_image.sh ${CMAKE_BINARY_DIR}/${build}/bin/KIRN.exe)
  set_tests_properties(static.${build}.image PROPERTIES LABELS static TIMEOUT 60)
endforeach()

# The x86_64 product loaded and driven by our own plug-in host, under its own name and as a .dll. The first
# also writes what its fixed programme renders, for the 32-bit product to match bit for bit.
set(KW_RENDER_X86_64 ${CMAKE_BINARY_DIR}/render-x86_64.raw)
kw_wine_test(vst.testhost.exe ${KW_WIN64_DIR}/bin/testhost.exe ARGS ${KW_WIN64_DIR}/bin/KIRN.exe
             --render ${KW_RENDER_X86_64} TIMEOUT 300 LABELS vst)
set_tests_properties(vst.testhost.exe PROPERTIES FIXTURES_SETUP render)
kw_wine_test(vst.testhost.dll ${KW_WIN64_DIR}/bin/testhost.exe ARGS ${KW_WIN64_DIR}/bin/KIRN.exe --as-dll
             TIMEOUT 300 LABELS vst)

# The editor on the display, compared with its composition; its screenshot goes to the build tree.
kw_wine_test(vst.editor.picture ${KW_WIN64_DIR}/bin/editorshot.exe ARGS ${CMAKE_BINARY_DIR}/editor.png LABELS vst)

# The standalone program, end to end.
include(${CMAKE_SOURCE_DIR}/cmake/host-tests.cmake)

# The 32-bit product in the emulated 32-bit PC: the test host (its rendering against the x86_64 one), the
# graph, node and audio tests with the test ASIO drivers, and the standalone program. One job, about
# 3 minutes; it waits for the PC's build when scripts/test.sh started one. It runs alone: the emulated
# PC keeps its audio in real time only with both cores to itself (measured: with other tests beside it
# the standalone program's recording lost two thirds of its level), and last, so that the PC's build
# goes on beside the other tests rather than holding them up.
add_test(NAME win32.pc COMMAND ${CMAKE_SOURCE_DIR}/tests/pc/run.sh ${KW_WIN32_DIR} ${KW_RENDER_X86_64})
set_tests_properties(win32.pc PROPERTIES FIXTURES_REQUIRED render TIMEOUT 5400 RUN_SERIAL ON COST -1000
                     SKIP_RETURN_CODE 77 LABELS "pc;win32")
