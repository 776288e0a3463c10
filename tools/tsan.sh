#!/usr/bin/env bash
# The two-thread stress of the plug-in state under ThreadSanitizer: the native
# tree built with clang and -fsanitize=thread in build/tsan, then the stress
# test alone. Any data race fails it.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build/tsan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
      -DCMAKE_CXX_FLAGS=-fsanitize=thread -DCMAKE_EXE_LINKER_FLAGS=-fsanitize=thread >/dev/null
cmake --build build/tsan -j 2 --target control_two_thread_stress_test
TSAN_OPTIONS="halt_on_error=1 exitcode=66" build/tsan/tests/native/control_two_thread_stress_test
