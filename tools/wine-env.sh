# Sourced by the scripts that run Windows programs: a quiet wine with a prefix
# of its own, created once, and no prompts for optional wine components.
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-"mscoree,mshtml="}
export WINEPREFIX=${WINEPREFIX:-$HOME/.wine-stats}
export WINEARCH=${WINEARCH:-win32}
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "creating the wine prefix $WINEPREFIX"
  wineboot -i >/dev/null 2>&1 || true
  wineserver -w || true
fi
