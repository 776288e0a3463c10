# The tool windows from a program that links their code and Stats.dll's
# resources directly: the control window that opens them in the DLL comes
# later, and the DLL's export table stays as it is.
add_executable(extended_multiplier_window
  ${CMAKE_CURRENT_LIST_DIR}/windows/extended_multiplier_test.cpp
  ${CMAKE_SOURCE_DIR}/resources/Stats.rc)
target_include_directories(extended_multiplier_window PRIVATE ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(extended_multiplier_window PRIVATE statsui)
set_source_files_properties(${CMAKE_SOURCE_DIR}/resources/Stats.rc
  TARGET_DIRECTORY extended_multiplier_window PROPERTIES
  OBJECT_DEPENDS "${CMAKE_SOURCE_DIR}/resources/stats.ico;${CMAKE_SOURCE_DIR}/resources/resource_ids.h;${CMAKE_SOURCE_DIR}/resources/extended_multiplier.rc")
add_test(NAME extended_multiplier_window COMMAND extended_multiplier_window)
set_tests_properties(extended_multiplier_window PROPERTIES TIMEOUT 300)
