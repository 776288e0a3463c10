# The date value against the platform's own conversion. It needs no Stats.dll,
# so it is a plain program over statscore rather than a stats_wine_test.
add_executable(date_sweep ${CMAKE_CURRENT_LIST_DIR}/date/date_sweep.cpp)
target_include_directories(date_sweep PRIVATE ${CMAKE_SOURCE_DIR})
target_link_libraries(date_sweep PRIVATE statscore oleaut32)
add_test(NAME date_sweep COMMAND date_sweep)
set_tests_properties(date_sweep PROPERTIES TIMEOUT 600)
