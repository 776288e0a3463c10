# The DLL must load beside the host with nothing of the toolchain next to it:
# every DLL it imports is one of the system's own.
#   cmake -DDLL=... -DOBJDUMP=... -P check_dll_imports.cmake
cmake_minimum_required(VERSION 3.20)
set(system_dlls
  kernel32.dll user32.dll gdi32.dll advapi32.dll ole32.dll oleaut32.dll msvcrt.dll
  comctl32.dll comdlg32.dll shell32.dll shlwapi.dll uxtheme.dll version.dll winspool.drv)

execute_process(COMMAND "${OBJDUMP}" -p "${DLL}" OUTPUT_VARIABLE dump RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "${OBJDUMP} cannot read ${DLL}")
endif()
string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${dump}")
if(NOT imports)
  message(FATAL_ERROR "no import table found in ${DLL}")
endif()
set(failures "")
foreach(import IN LISTS imports)
  string(REGEX REPLACE "^DLL Name: " "" name "${import}")
  string(STRIP "${name}" name)
  string(TOLOWER "${name}" lower)
  message("imports ${name}")
  if(NOT lower IN_LIST system_dlls)
    string(APPEND failures "  ${name}\n")
  endif()
endforeach()
if(failures)
  message(FATAL_ERROR "${DLL} imports DLLs that are not the system's:\n${failures}")
endif()
