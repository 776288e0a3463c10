# The Cabrillo export from the host's side: the header dialog operated from a
# second thread, the file, the message box and the settings keys.
stats_wine_test(cabrillo_export ${CMAKE_CURRENT_LIST_DIR}/cabrillo/export_test.cpp)
target_link_libraries(cabrillo_export PRIVATE statshost)

# The dialog layer under the header dialog, with a small template of its own.
add_executable(dialog_layer ${CMAKE_CURRENT_LIST_DIR}/cabrillo/dialog_layer_test.cpp
                            ${CMAKE_CURRENT_LIST_DIR}/cabrillo/dialog_layer_test.rc)
target_link_libraries(dialog_layer PRIVATE statsui)
add_test(NAME dialog_layer COMMAND dialog_layer)
set_tests_properties(dialog_layer PROPERTIES TIMEOUT 120)
