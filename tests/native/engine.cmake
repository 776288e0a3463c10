# The contest log engine and the neutral plug-in pieces it stands on.
stats_native_test(engine_intake_test engine/intake_test.cpp)
stats_native_test(engine_plugin_files_test engine/plugin_files_test.cpp)
stats_native_test(engine_call_check_test engine/call_check_test.cpp)
stats_native_test(engine_removal_test engine/removal_test.cpp)
stats_native_test(engine_statistics_reset_test engine/statistics_reset_test.cpp)
stats_native_test(engine_qso_store_test engine/qso_store_test.cpp)
