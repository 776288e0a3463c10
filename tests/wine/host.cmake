# The stand-in host under wine: its automation object through the dispatch ids
# the plug-in calls (in this process and across processes), and the replay of
# the sample logs through Stats.dll against their reviewed reports.
add_executable(automation_client ${CMAKE_CURRENT_LIST_DIR}/host/automation_client.cpp)
target_link_libraries(automation_client PRIVATE statshost)
add_dependencies(automation_client stats-host)
add_test(NAME host_automation COMMAND automation_client $<TARGET_FILE:stats-host>)
set_tests_properties(host_automation PROPERTIES TIMEOUT 300)
