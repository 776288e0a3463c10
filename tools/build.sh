#!/usr/bin/env bash
# Builds both trees: build/native (engine, tests, tools for Linux) and
# build/win32 (Stats.dll, test programs and the stand-in host for wine).
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)
cmake -S . -B build/native -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/native -j "$jobs"
cmake -S . -B build/win32 -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake >/dev/null
cmake --build build/win32 -j "$jobs"
