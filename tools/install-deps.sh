#!/usr/bin/env bash
# Installs, on a Debian machine, whatever the build and the tests need and is
# missing: the native toolchain with GoogleTest, mingw-w64 for 32-bit Windows,
# wine with its 32-bit part, Xvfb, clang (for the name-decoration check) and
# hamradio-files (country file and contest call list).
set -euo pipefail

need=()
have_pkg() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }
for p in cmake ninja-build g++ libgtest-dev clang g++-mingw-w64-i686 binutils-mingw-w64-i686 \
         wine wine32:i386 xvfb xauth hamradio-files; do
  have_pkg "$p" || need+=("$p")
done

if [ ${#need[@]} -gt 0 ]; then
  echo "installing: ${need[*]}"
  SUDO=""; [ "$(id -u)" -eq 0 ] || SUDO=sudo
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $SUDO dpkg --add-architecture i386
  fi
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
fi
