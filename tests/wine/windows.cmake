# The tool windows from their templates in Stats.rc, linked with the window
# code directly (the DLL exports no window of its own): layout, painting
# sampled pixel by pixel, colours, position saving. The program also writes a
# screenshot of each window as a PNG file under screenshots/ of its folder.
add_executable(tool_windows ${CMAKE_CURRENT_LIST_DIR}/windows/tool_windows_test.cpp
                            ${CMAKE_SOURCE_DIR}/resources/Stats.rc)
target_include_directories(tool_windows PRIVATE ${CMAKE_CURRENT_LIST_DIR} ${CMAKE_SOURCE_DIR}/resources)
target_link_libraries(tool_windows PRIVATE statsui)
add_test(NAME tool_windows COMMAND tool_windows)
set_tests_properties(tool_windows PROPERTIES TIMEOUT 300)

