# The developer tools: country-file resolution, the Cabrillo reader and the log
# generator, the last two against the installed country file and call list.
set(STATS_HAMRADIO_FILES /usr/share/hamradio-files CACHE PATH
    "Folder of the installed cty.dat and MASTER.SCP the tool tests read")

stats_native_test(tools_cty_test tools/cty_file_test.cpp)
stats_native_test(tools_cabrillo_test tools/cabrillo_reader_test.cpp)
stats_native_test(tools_loggen_test tools/log_generator_test.cpp)
foreach(test tools_cty_test tools_cabrillo_test tools_loggen_test)
  target_link_libraries(${test} PRIVATE statstools statsloggen)
  target_compile_definitions(${test} PRIVATE STATS_HAMRADIO_FILES="${STATS_HAMRADIO_FILES}")
endforeach()
