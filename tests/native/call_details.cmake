# The call-details update, decided without Win32, against recording fakes of
# the host link and the windows.
stats_native_test(control_call_details_test control/call_details_test.cpp)
# Also the one to build with -fsanitize=thread: the update's locked copy
# against the engine's calls on another thread. With clang:
#   cmake -S . -B build/tsan -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
#         -DCMAKE_CXX_FLAGS=-fsanitize=thread -DCMAKE_EXE_LINKER_FLAGS=-fsanitize=thread
#   cmake --build build/tsan --target control_call_details_stress_test
#   TSAN_OPTIONS="halt_on_error=1 exitcode=66" build/tsan/tests/native/control_call_details_stress_test
stats_native_test(control_call_details_stress_test control/call_details_stress_test.cpp)
