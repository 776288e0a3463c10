# The call-details update, decided without Win32, against recording fakes of
# the host link and the windows.
stats_native_test(control_call_details_test control/call_details_test.cpp)
