# The Cabrillo export from the host's side: the header dialog operated from a
# second thread, the file, the message box and the settings keys.
stats_wine_test(cabrillo_export ${CMAKE_CURRENT_LIST_DIR}/cabrillo/export_test.cpp)
