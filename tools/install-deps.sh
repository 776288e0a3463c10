#!/usr/bin/env bash
# Installs, on a Debian machine, whatever the build and the tests need and is
# missing: the native toolchain with GoogleTest, mingw-w64 for 32-bit Windows,
# wine with both its 64-bit and 32-bit parts, Xvfb, clang (for the name-decoration check and, with its runtime,
# ThreadSanitizer) and
# hamradio-files (country file and contest call list), and Liberation Sans,
# which the windows' Arial resolves to under wine (same metrics).
# Where the kernel runs no 32-bit code (some virtual machines), 32-bit Linux
# programs, and so the 32-bit half of wine, run under qemu-i386 instead: it is
# registered with binfmt_misc and the preload in wine-qemu-shim.c is built.
set -euo pipefail
cd "$(dirname "$0")"


need=()
have_pkg() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }
for p in cmake ninja-build gcc g++ libgtest-dev clang libclang-rt-14-dev g++-mingw-w64-i686 binutils-mingw-w64-i686 \
         wine wine64 wine32:i386 xvfb xauth hamradio-files fonts-liberation; do
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

# 32-bit Linux programs: natively, or through qemu-i386 once registered.
binfmt=/proc/sys/fs/binfmt_misc
if [ ! -e $binfmt/qemu-i386 ] && ! /lib/ld-linux.so.2 --version >/dev/null 2>&1; then
  echo "no 32-bit execution here: registering qemu-i386"
  SUDO=""; [ "$(id -u)" -eq 0 ] || SUDO=sudo
  if ! dpkg-query -W -f='${Status}' qemu-user-static 2>/dev/null | grep -q "install ok installed"; then
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends qemu-user-static >/dev/null
  fi
  [ -e $binfmt/register ] || $SUDO mount -t binfmt_misc binfmt_misc $binfmt
  # i386 ELF executables and shared objects; F opens qemu now, so it is found
  # in any mount namespace.
  echo ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386-static:F' \
    | $SUDO tee $binfmt/register >/dev/null
fi
if [ -e $binfmt/qemu-i386 ]; then
  if [ "$(head -n1 $binfmt/qemu-i386)" != enabled ]; then
    SUDO=""; [ "$(id -u)" -eq 0 ] || SUDO=sudo
    echo 1 | $SUDO tee $binfmt/qemu-i386 >/dev/null
  fi
  # The preload for 32-bit wine under qemu; the empty 64-bit twin keeps the
  # 64-bit processes that inherit LD_PRELOAD (via $LIB) quiet.
  # Rebuilt only when its source changed: the installed copy records the
  # source's checksum (a fresh checkout's file dates say nothing).
  shim=/usr/local/lib/wine-qemu
  sum=$(sha256sum wine-qemu-shim.c | cut -d' ' -f1)
  if [ ! -f $shim/lib/i386-linux-gnu/wine-qemu-shim.so ] || [ ! -f $shim/lib/x86_64-linux-gnu/wine-qemu-shim.so ] ||
     [ "$(cat $shim/source.sha256 2>/dev/null)" != "$sum" ]; then
    SUDO=""; [ "$(id -u)" -eq 0 ] || SUDO=sudo
    $SUDO mkdir -p $shim/lib/i386-linux-gnu $shim/lib/x86_64-linux-gnu
    tmp=$(mktemp -d)
    gcc -m32 -O2 -shared -fPIC -nostdlib -fno-stack-protector wine-qemu-shim.c \
      /lib/i386-linux-gnu/libc.so.6 -o "$tmp/i386.so"
    echo 'void wine_qemu_shim_64(void) {}' | gcc -shared -fPIC -x c - -o "$tmp/x86_64.so"
    # Renamed into place, so that a wine already running keeps its old copy.
    for arch in i386 x86_64; do
      target=$shim/lib/$arch-linux-gnu/wine-qemu-shim.so
      $SUDO install -m 644 "$tmp/$arch.so" "$target.new"
      $SUDO mv -f "$target.new" "$target"
    done
    echo "$sum" | $SUDO tee $shim/source.sha256 >/dev/null
    rm -rf "$tmp"
  fi
fi
