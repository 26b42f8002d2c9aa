# Audio tests that need more from the bench than a program run: a signal played into what the Windows
# program records and a recording of what it plays. They use the shared sinks, so they run alone.
# kw_signal (tests/CMakeLists.txt) makes the test tones and measures recordings.
add_test(NAME win64.audio_wave_passthrough
         COMMAND ${CMAKE_SOURCE_DIR}/tests/audio/wave/passthrough.sh ${KW_BENCH_DIR}
                 ${KW_WIN64_DIR}/tests/audio_wave_tests.exe $<TARGET_FILE:kw_signal>)
set_tests_properties(win64.audio_wave_passthrough PROPERTIES TIMEOUT 120 FIXTURES_REQUIRED bench
                     RUN_SERIAL ON LABELS "wine;audio")
