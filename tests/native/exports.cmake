# Stats.def against the names the 32-bit MSVC compiler gives the exported
# declarations (clang in MSVC mode; no Windows headers needed).
find_program(STATS_CLANGXX NAMES clang++ clang++-14)
find_program(STATS_LLVM_NM NAMES llvm-nm llvm-nm-14)
add_test(NAME decorated_names_match_def
  COMMAND ${CMAKE_COMMAND}
    -DSOURCE_DIR=${CMAKE_SOURCE_DIR}
    -DWORK_DIR=${CMAKE_CURRENT_BINARY_DIR}
    -DCLANGXX=${STATS_CLANGXX}
    -DLLVM_NM=${STATS_LLVM_NM}
    -P ${CMAKE_SOURCE_DIR}/tests/tools/check_def.cmake)
set_tests_properties(decorated_names_match_def PROPERTIES SKIP_REGULAR_EXPRESSION "SKIPPED:")
