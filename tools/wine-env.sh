# Sourced by the scripts that run Windows programs: a quiet wine with a prefix
# of its own, created once, and no prompts for optional wine components.
# The prefix is a 64-bit one: its own processes (services, explorer) are
# 64-bit and run natively, and the 32-bit test programs run in it as WoW64
# programs.  Where 32-bit code runs under qemu-i386 (see install-deps.sh),
# qemu gets the whole 4 GiB for the guest, as wine places its memory itself,
# and 32-bit wine gets the preload that makes it work there.
# Windows are unmanaged: Xvfb has no window manager, and wine waits about two
# seconds for one whenever a managed window is shown or hidden.
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-"mscoree,mshtml=,winemenubuilder.exe=d"}
export WINEPREFIX=${WINEPREFIX:-$HOME/.wine-stats64}
export WINEARCH=${WINEARCH:-win64}
if [ "$(head -n1 /proc/sys/fs/binfmt_misc/qemu-i386 2>/dev/null)" = enabled ]; then
  export QEMU_RESERVED_VA=0xffff0000
  export QEMU_SET_ENV='LD_PRELOAD=/usr/local/lib/wine-qemu/$LIB/wine-qemu-shim.so'
fi
# A prefix made for the other architecture (by a wine without its 64-bit
# part, say) cannot run here: it is made again.
if [ -f "$WINEPREFIX/system.reg" ] && ! grep -q "^#arch=$WINEARCH\$" "$WINEPREFIX/system.reg"; then
  echo "the wine prefix $WINEPREFIX is not a $WINEARCH one: making it again"
  wineserver -k 2>/dev/null || true
  rm -rf "$WINEPREFIX"
fi
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "creating the wine prefix $WINEPREFIX"
  if [ "$WINEARCH" = win64 ]; then
    wine_tool=/usr/lib/wine/wine64
  else
    wine_tool=wine
  fi
  "$wine_tool" wineboot -i >/dev/null 2>&1 || true
  "$wine_tool" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || true
  unset wine_tool
  wineserver -w || true
fi
