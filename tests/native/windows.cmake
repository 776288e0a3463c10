# What the tool windows show, draw and where they open, decided without Win32.
stats_native_test(windows_drawing_test
  windows/drawn_object_test.cpp
  windows/info_button_picture_test.cpp)
stats_native_test(windows_continent_pages_test windows/continent_pages_test.cpp)
stats_native_test(windows_tool_window_position_test windows/tool_window_position_test.cpp)
