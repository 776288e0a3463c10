# Dependencies point one way: plugin/ on top, then ui/, then reports/, then
# engine/ at the bottom. Fails, naming every offending line, when a source of
# SOURCE_DIR includes a folder above its own or the platform's headers where
# they do not belong.
#
#   cmake -DSOURCE_DIR=<tree> -P check_layers.cmake

if(NOT SOURCE_DIR)
  message(FATAL_ERROR "SOURCE_DIR not set")
endif()

# folder, then the include patterns its sources must not use.
set(engine_forbidden  "\"plugin/" "\"reports/" "\"ui/" "\"tools/" "<windows\\.h>" "<ole2\\.h>" "<commctrl\\.h>")
set(reports_forbidden "\"plugin/" "\"ui/" "\"tools/" "<windows\\.h>" "<ole2\\.h>" "<commctrl\\.h>")
set(ui_forbidden      "\"plugin/" "\"tools/")

set(offences "")
foreach(layer engine reports ui)
  file(GLOB_RECURSE sources "${SOURCE_DIR}/${layer}/*.h" "${SOURCE_DIR}/${layer}/*.cpp")
  foreach(source IN LISTS sources)
    file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include")
    foreach(line IN LISTS includes)
      string(TOLOWER "${line}" folded)
      foreach(pattern IN LISTS ${layer}_forbidden)
        if(folded MATCHES "${pattern}")
          file(RELATIVE_PATH name "${SOURCE_DIR}" "${source}")
          string(APPEND offences "  ${name}: ${line}\n")
        endif()
      endforeach()
    endforeach()
  endforeach()
endforeach()

if(offences)
  message(FATAL_ERROR "includes against the direction of the layers:\n${offences}")
endif()
message(STATUS "layers: every include points down")
