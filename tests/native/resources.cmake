# The resources of Stats.dll, compiled here with the same resource compiler the
# win32 build uses and read back from its .res output. Without that compiler
# the check is left out.
find_program(STATS_WINDRES NAMES i686-w64-mingw32-windres windres)
if(STATS_WINDRES)
  set(stats_res ${CMAKE_CURRENT_BINARY_DIR}/Stats.res)
  set(stats_rc ${CMAKE_SOURCE_DIR}/resources/Stats.rc)
  add_custom_command(
    OUTPUT ${stats_res}
    COMMAND ${STATS_WINDRES} -I ${CMAKE_SOURCE_DIR}/resources -I ${CMAKE_SOURCE_DIR}
            -O res -o ${stats_res} ${stats_rc}
    DEPENDS ${stats_rc} ${CMAKE_SOURCE_DIR}/resources/resource_ids.h
            ${CMAKE_SOURCE_DIR}/resources/stats.ico
            ${CMAKE_SOURCE_DIR}/resources/extended_multiplier.rc
    WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}/resources
    COMMENT "Compiling the resources for their check")
  add_custom_target(stats_res DEPENDS ${stats_res})
  stats_native_test(resources_template_test resources/template_test.cpp)
  add_dependencies(resources_template_test stats_res)
  target_compile_definitions(resources_template_test PRIVATE STATS_RES_PATH="${stats_res}")
else()
  message(STATUS "no windres: the resource check is left out")
endif()
