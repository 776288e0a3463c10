# The tool windows from their templates in Stats.rc, linked with the window
# code directly (the DLL exports no window of its own, and its export table
# stays as it is): layout, painting sampled pixel by pixel, colours, position
# saving. Each program also writes a screenshot of each window as a PNG file
# under screenshots/ of its folder.
function(stats_window_test name source)
  add_executable(${name} ${CMAKE_CURRENT_LIST_DIR}/windows/${source}
                         ${CMAKE_SOURCE_DIR}/resources/Stats.rc)
  target_include_directories(${name} PRIVATE ${CMAKE_CURRENT_LIST_DIR} ${CMAKE_SOURCE_DIR}/resources)
  target_link_libraries(${name} PRIVATE statsui)
  # The resource compiler's inputs besides the script itself.
  set_source_files_properties(${CMAKE_SOURCE_DIR}/resources/Stats.rc
    TARGET_DIRECTORY ${name} PROPERTIES
    OBJECT_DEPENDS "${CMAKE_SOURCE_DIR}/resources/stats.ico;${CMAKE_SOURCE_DIR}/resources/resource_ids.h;${CMAKE_SOURCE_DIR}/resources/extended_multiplier.rc")
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES TIMEOUT 300)
endfunction()

stats_window_test(tool_windows tool_windows_test.cpp)
stats_window_test(extended_multiplier_window extended_multiplier_test.cpp)
# The update works on the engine's state, whose bad-QSO file replaces files
# through the plug-in's platform seam.
stats_window_test(call_details_windows call_details_test.cpp)
target_sources(call_details_windows PRIVATE ${CMAKE_SOURCE_DIR}/plugin/file_system_win32.cpp)
# The host link and the settings are the native tests' fakes.
target_include_directories(call_details_windows PRIVATE ${CMAKE_SOURCE_DIR}/tests/native)
