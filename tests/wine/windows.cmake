# The tool windows from their templates in Stats.rc, linked with the window
# code directly (the DLL exports no window of its own): layout, painting
# sampled pixel by pixel, colours, position saving. The program also writes a
# screenshot of each window as a BMP under screenshots/ of the build folder.
add_executable(tool_windows ${CMAKE_CURRENT_LIST_DIR}/windows/tool_windows_test.cpp
                            ${CMAKE_SOURCE_DIR}/resources/Stats.rc)
target_include_directories(tool_windows PRIVATE ${CMAKE_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/resources)
target_link_libraries(tool_windows PRIVATE statsui)
add_test(NAME tool_windows COMMAND tool_windows screenshots)
set_tests_properties(tool_windows PROPERTIES TIMEOUT 300)

# The screenshots as PNG files under build/screenshots. ImageMagick's convert
# is looked for in the system's own folder: wine brings a program of that name
# too.
find_program(STATS_CONVERT convert PATHS /usr/bin NO_DEFAULT_PATH)
if(STATS_CONVERT)
  set_tests_properties(tool_windows PROPERTIES FIXTURES_SETUP tool_window_screenshots)
  add_test(NAME tool_windows_screenshots
    COMMAND ${CMAKE_COMMAND} -DCONVERT=${STATS_CONVERT}
            -DFROM=${CMAKE_CURRENT_BINARY_DIR}/screenshots
            -DTO=${CMAKE_BINARY_DIR}/../screenshots
            -P ${CMAKE_CURRENT_LIST_DIR}/windows/convert_screenshots.cmake)
  set_tests_properties(tool_windows_screenshots PROPERTIES FIXTURES_REQUIRED tool_window_screenshots)
else()
  message(STATUS "no ImageMagick convert: the tool windows' screenshots stay BMP files")
endif()
