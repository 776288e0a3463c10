# The export directory Stats.dll must have, shared by the checks of Stats.def
# (native build) and of the built DLL (win32 build). One row per ordinal:
#   ordinal | form | base name | entry point
# A "plain" row exports the base name itself; a "decorated" row exports the
# 32-bit MSVC encoding of the base name's declaration in decorated_names.cpp,
# as the compiler itself produces it (stats_decorated_names below).
set(STATS_EXPORT_ROWS
  "1|decorated|AddData0|AddData0"
  "2|decorated|CheckCallFunc0|CheckCall0"
  "3|decorated|GetNumberOfSets|GetNumberOfSets"
  "4|decorated|GetResult0|GetResult0"
  "5|decorated|GetSetName|GetSetName"
  "6|decorated|RemoveData0|RemoveData0"
  "7|decorated|ResetStats0|ResetStats0"
  "8|decorated|SetupSet0|SetupSet0"
  "9|decorated|StatsGetExchgCount0|GetNumberOfSets"
  "10|decorated|StatsIsValidExchg0|IsValidExchg0"
  "11|decorated|setVersion|setVersion"
  "12|plain|AddData0|AddData0"
  "13|plain|CheckCall0|CheckCall0"
  "14|plain|GetExchgCount0|GetNumberOfSets"
  "15|plain|GetNumberOfSets|GetNumberOfSets"
  "16|plain|GetResult0|GetResult0"
  "17|plain|GetSetName|GetSetName"
  "18|plain|IsValidExchg0|IsValidExchg0"
  "19|plain|RemoveData0|RemoveData0"
  "20|plain|ResetStats0|ResetStats0"
  "21|plain|SetupSet0|SetupSet0"
  "22|plain|setVersion|setVersion"
)
set(STATS_MODULE_NAME "Stats.dll")

# Splits a row into <prefix>_ORDINAL, _FORM, _BASE and _ENTRY.
macro(stats_split_row row prefix)
  string(REPLACE "|" ";" _fields "${row}")
  list(GET _fields 0 ${prefix}_ORDINAL)
  list(GET _fields 1 ${prefix}_FORM)
  list(GET _fields 2 ${prefix}_BASE)
  list(GET _fields 3 ${prefix}_ENTRY)
endmacro()

# Compiles decorated_names.cpp for the 32-bit MSVC target with CLANGXX and
# reads the defined names with LLVM_NM; sets STATS_DECORATED_<base> for each.
# Prints "SKIPPED: ..." and sets STATS_SKIP when either tool is missing, so
# ctest reports the check as skipped rather than passed.
function(stats_decorated_names source_dir work_dir)
  if(NOT CLANGXX OR NOT EXISTS "${CLANGXX}" OR NOT LLVM_NM OR NOT EXISTS "${LLVM_NM}")
    message("SKIPPED: clang++ and llvm-nm are needed to encode the names (tools/install-deps.sh)")
    set(STATS_SKIP TRUE PARENT_SCOPE)
    return()
  endif()
  set(object "${work_dir}/decorated_names.obj")
  execute_process(
    COMMAND "${CLANGXX}" --target=i686-pc-windows-msvc -std=c++17 -I "${source_dir}"
            -c "${source_dir}/tests/tools/decorated_names.cpp" -o "${object}"
    RESULT_VARIABLE rc ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "clang++ could not compile decorated_names.cpp:\n${err}")
  endif()
  execute_process(COMMAND "${LLVM_NM}" --defined-only --just-symbol-name "${object}"
                  OUTPUT_VARIABLE symbols RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "llvm-nm could not read ${object}")
  endif()
  string(REPLACE "\n" ";" symbols "${symbols}")
  foreach(symbol IN LISTS symbols)
    if(symbol MATCHES "^\\?([A-Za-z0-9_]+)@@")
      set(STATS_DECORATED_${CMAKE_MATCH_1} "${symbol}" PARENT_SCOPE)
    endif()
  endforeach()
endfunction()

# The name a row exports, or a fatal error when the compiler gave none.
function(stats_row_name row out)
  stats_split_row("${row}" r)
  if(r_FORM STREQUAL "plain")
    set(${out} "${r_BASE}" PARENT_SCOPE)
  elseif(DEFINED STATS_DECORATED_${r_BASE})
    set(${out} "${STATS_DECORATED_${r_BASE}}" PARENT_SCOPE)
  else()
    message(FATAL_ERROR "the compiler gave no decorated name for ${r_BASE}")
  endif()
endfunction()
