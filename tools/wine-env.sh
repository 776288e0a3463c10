# Sourced by the scripts that run Windows programs: a quiet wine with a prefix
# of the project's own, created once, and no prompts for optional wine
# components.
# The prefix is $STATS_WINEPREFIX when set (parallel checkouts give each its
# own), else build/wine-prefix of this tree; a WINEPREFIX inherited from the
# developer's shell is never used, so their own wine is never touched.
# The prefix is a 64-bit one: its own processes (services, explorer) are
# 64-bit and run natively, and the 32-bit test programs run in it as WoW64
# programs.  Where 32-bit code runs under qemu-i386 (see install-deps.sh),
# qemu gets the whole 4 GiB for the guest, as wine places its memory itself,
# and 32-bit wine gets the preload that makes it work there.
# Windows are unmanaged: Xvfb has no window manager, and wine waits about two
# seconds for one whenever a managed window is shown or hidden.
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-"mscoree,mshtml=,winemenubuilder.exe=d"}
stats_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX=${STATS_WINEPREFIX:-$stats_root/build/wine-prefix}
export WINEARCH=win64
unset stats_root
if [ "$(head -n1 /proc/sys/fs/binfmt_misc/qemu-i386 2>/dev/null)" = enabled ]; then
  export QEMU_RESERVED_VA=0xffff0000
  export QEMU_SET_ENV='LD_PRELOAD=/usr/local/lib/wine-qemu/$LIB/wine-qemu-shim.so'
fi
# A prefix of the other architecture (made by a wine without its 64-bit part,
# say) cannot run here. One this script made, and marked, is made again; any
# other is left alone and the run stops.
stats_marker="$WINEPREFIX/.stats-wine-prefix"
if [ -f "$WINEPREFIX/system.reg" ] && ! grep -q "^#arch=$WINEARCH\$" "$WINEPREFIX/system.reg"; then
  if [ ! -f "$stats_marker" ]; then
    echo "the wine prefix $WINEPREFIX is not a $WINEARCH one and not ours: set STATS_WINEPREFIX to another folder" >&2
    unset stats_marker
    return 1 2>/dev/null || exit 1
  fi
  echo "the wine prefix $WINEPREFIX is not a $WINEARCH one: making it again"
  wineserver -k 2>/dev/null || true
  rm -rf "$WINEPREFIX"
fi
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "creating the wine prefix $WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  touch "$stats_marker"
  /usr/lib/wine/wine64 wineboot -i >/dev/null 2>&1 || true
  /usr/lib/wine/wine64 reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || true
  # The templates ask for Arial, which wine does not ship; Liberation Sans has
  # its metrics, so captions fit their boxes as they do on Windows.
  /usr/lib/wine/wine64 reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Arial /d 'Liberation Sans' /f >/dev/null 2>&1 || true
  wineserver -w || true
fi
unset stats_marker
