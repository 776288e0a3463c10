# The control window's decisions, with recording fakes for the host link, the
# tool windows and the dialog.
stats_native_test(control_window_logic_test control/control_window_logic_test.cpp)
stats_native_test(control_two_thread_stress_test control/two_thread_stress_test.cpp)
