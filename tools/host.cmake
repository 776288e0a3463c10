# The stand-in host (Windows only): stats-host.exe loads Stats.dll from a host
# working folder and plays Cabrillo logs through it as the logging host does.
# Its parts are a library so that the wine tests can use the host's automation
# object in-process too.
if(STATS_WIN32)
  add_library(statshost STATIC
    ${CMAKE_CURRENT_LIST_DIR}/host/call_timing.cpp
    ${CMAKE_CURRENT_LIST_DIR}/host/dialog_answerer.cpp
    ${CMAKE_CURRENT_LIST_DIR}/host/host_automation.cpp
    ${CMAKE_CURRENT_LIST_DIR}/host/host_folder.cpp
    ${CMAKE_CURRENT_LIST_DIR}/host/host_log.cpp
    ${CMAKE_CURRENT_LIST_DIR}/host/host_options.cpp
    ${CMAKE_CURRENT_LIST_DIR}/host/host_session.cpp
    ${CMAKE_CURRENT_LIST_DIR}/host/plugin_library.cpp)
  target_include_directories(statshost PUBLIC ${CMAKE_SOURCE_DIR})
  target_link_libraries(statshost PUBLIC statstools user32 kernel32 advapi32 ole32 oleaut32 uuid)

  add_executable(stats-host ${CMAKE_CURRENT_LIST_DIR}/host/main.cpp)
  target_link_libraries(stats-host PRIVATE statshost)
  # Beside Stats.dll, which it loads by default.
  set_target_properties(stats-host PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
endif()
