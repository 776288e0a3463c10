# The native benchmark of the engine (Linux build only): the same figures as the
# stand-in host's timing under wine, without the library boundary.
if(NOT STATS_WIN32)
  add_executable(stats-native-bench ${CMAKE_CURRENT_LIST_DIR}/bench/native_bench.cpp)
  target_link_libraries(stats-native-bench PRIVATE statscore statstools statsloggen)
endif()

# The call-details update per typed character, its decisions without the
# windows' painting.
if(NOT STATS_WIN32)
  add_executable(stats-details-bench ${CMAKE_CURRENT_LIST_DIR}/bench/call_details_bench.cpp)
  target_link_libraries(stats-details-bench PRIVATE statscore)
  target_include_directories(stats-details-bench PRIVATE ${CMAKE_SOURCE_DIR})
endif()
