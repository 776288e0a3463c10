# The native benchmark of the engine (Linux build only): the same figures as the
# stand-in host's timing under wine, without the library boundary.
if(NOT STATS_WIN32)
  add_executable(stats-native-bench ${CMAKE_CURRENT_LIST_DIR}/bench/native_bench.cpp)
  target_link_libraries(stats-native-bench PRIVATE statscore statstools statsloggen)
endif()
