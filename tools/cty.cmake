# Developer tools for running Stats.dll on real logs: the country-file resolver
# and the Cabrillo reader (built for both targets, the stand-in host uses them),
# and the log generator.
add_library(statstools STATIC
  ${CMAKE_CURRENT_LIST_DIR}/cty/cty_file.cpp
  ${CMAKE_CURRENT_LIST_DIR}/cabrillo/cabrillo_reader.cpp)
target_include_directories(statstools PUBLIC ${CMAKE_SOURCE_DIR})

add_library(statsloggen STATIC ${CMAKE_CURRENT_LIST_DIR}/loggen/log_generator.cpp)
target_link_libraries(statsloggen PUBLIC statstools)

add_executable(stats-loggen ${CMAKE_CURRENT_LIST_DIR}/loggen/loggen.cpp)
target_link_libraries(stats-loggen PRIVATE statsloggen)
