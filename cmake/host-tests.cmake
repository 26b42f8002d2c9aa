# The standalone program end to end on the bench: hostctl (built with the Windows tools) works its menus,
# kw_signal plays and measures. They use the shared sinks and windows, so they run alone.
set(host_bin ${KW_WIN64_DIR}/bin)
add_test(NAME win64.host.live
         COMMAND ${CMAKE_SOURCE_DIR}/tests/host/live.sh ${KW_BENCH_DIR} ${host_bin}/KIRN.exe ${host_bin}/hostctl.exe
                 $<TARGET_FILE:kw_signal>)
add_test(NAME win64.host.nodevice
         COMMAND ${CMAKE_SOURCE_DIR}/tests/host/nodevice.sh ${KW_BENCH_DIR} ${host_bin}/KIRN.exe ${host_bin}/hostctl.exe)
add_test(NAME win64.host.asio
         COMMAND ${CMAKE_SOURCE_DIR}/tests/host/asio.sh ${KW_BENCH_DIR} ${host_bin}/KIRN.exe ${host_bin}/hostctl.exe
                 ${KW_WIN64_DIR}/tests/kw_test_asio_driver.dll)
set_tests_properties(win64.host.live win64.host.nodevice win64.host.asio PROPERTIES TIMEOUT 180 FIXTURES_REQUIRED bench
                     RUN_SERIAL ON LABELS "wine;audio;host")
