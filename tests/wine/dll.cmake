# The built Stats.dll: its export directory and its imports read with objdump
# (no wine needed), and a host program that loads it and drives every export.
find_program(STATS_CLANGXX NAMES clang++ clang++-14)
find_program(STATS_LLVM_NM NAMES llvm-nm llvm-nm-14)
find_program(STATS_OBJDUMP NAMES i686-w64-mingw32-objdump)

add_test(NAME dll_export_directory
  COMMAND ${CMAKE_COMMAND}
    -DDLL=$<TARGET_FILE:Stats>
    -DOBJDUMP=${STATS_OBJDUMP}
    -DSOURCE_DIR=${CMAKE_SOURCE_DIR}
    -DWORK_DIR=${CMAKE_CURRENT_BINARY_DIR}
    -DCLANGXX=${STATS_CLANGXX}
    -DLLVM_NM=${STATS_LLVM_NM}
    -P ${CMAKE_SOURCE_DIR}/tests/tools/check_dll_exports.cmake)
set_tests_properties(dll_export_directory PROPERTIES SKIP_REGULAR_EXPRESSION "SKIPPED:")

add_test(NAME dll_imports_system_only
  COMMAND ${CMAKE_COMMAND}
    -DDLL=$<TARGET_FILE:Stats>
    -DOBJDUMP=${STATS_OBJDUMP}
    -P ${CMAKE_SOURCE_DIR}/tests/tools/check_dll_imports.cmake)

stats_wine_test(dll_host ${CMAKE_CURRENT_LIST_DIR}/dll/test_host.cpp)
target_link_libraries(dll_host PRIVATE statshost)
