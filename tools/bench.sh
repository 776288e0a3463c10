#!/usr/bin/env bash
# Benchmark: prints a table of the plug-in's speed on generated logs of 1,000,
# 10,000 and 50,000 QSOs (about 2% dupes, 0.3% rejected), measured through
# Stats.dll under wine with the stand-in host, and the same figures for the
# native build of the engine. Writes the table to bench/latest.txt too.
#
#   reload      AddData0 for every QSO, bad-QSO file lines included (total)
#   CheckCall0  one typed character against the full log (median)
#   GetResult0  the report of the full log (median)
#   RemoveData0 one QSO taken out of the full log (median)
#   replay      a 12,000-QSO log fed again with a report after every QSO
#               (AddData0 and GetResult0 for each, total)
#   keystroke to windows
#               with the control window and all four tool windows open
#               (--ui, under Xvfb when there is no display), one typed
#               character from CheckCall0 until the window thread has finished
#               the update and painted its windows (median and p99); the
#               stand-in host tells the end from outside the plug-in
#               (tools/host/host_session.cpp, KeystrokeWatch)
#
# Usage: bash tools/bench.sh [sizes...]   (default: 1000 10000 50000)
#        bash tools/bench.sh --keystroke-only [sizes...]
#               only the keystroke row, added as a section to bench/latest.txt
# Each log is played three times and every figure is the best of the three:
# on a shared machine a single run is easily slowed by others.
# Figures are as measured on this machine; nothing here passes or fails.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
keystrokeOnly=no
if [ "${1:-}" = --keystroke-only ]; then keystrokeOnly=yes; shift; fi
sizes=("$@")
[ ${#sizes[@]} -gt 0 ] || sizes=(1000 10000 50000)
work=build/bench
loadBefore=$(cut -d' ' -f1-3 /proc/loadavg 2>/dev/null || echo "?")
mkdir -p "$work" bench

# Only the targets the benchmark needs.
[ -f build/native/build.ninja ] ||
  cmake -S . -B build/native -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/native --target stats-loggen stats-native-bench >/dev/null
[ -f build/win32/build.ninja ] ||
  cmake -S . -B build/win32 -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake >/dev/null
cmake --build build/win32 --target Stats stats-host >/dev/null
source tools/wine-env.sh

runs=3       # plays of each log; the best figure counts
probes=200   # calls typed again, character by character
results=10   # reports of the full log
removals=10  # QSOs removed one by one
replayQsos=12000
replayLabel="a 12,000-QSO log replayed with a report after every QSO (s)"

# figure FILE KIND FIELD: one figure of a timing table line; FIELD 1 count,
# 2 median us, 3 p99 us, 4 max us, 5 total ms. The kind fills 22 columns.
figure() {
  awk -v kind="$2" -v field="$3" '
    { name = substr($0, 1, 22); sub(/ +$/, "", name)
      if (name == kind) { split(substr($0, 23), f, " "); print f[field]; exit } }' "$1"
}

keystrokeCalls=40   # calls typed character by character with the windows open

# The windows need a display; Xvfb stands in when there is none.
onDisplay() {
  if [ -n "${DISPLAY:-}" ]; then "$@"; else xvfb-run -a "$@"; fi
}

# keystrokes N R: one play of log N with the windows open, into
# $work/keys-N-R.txt.
keystrokes() {
  echo "benchmark: $1 QSOs, run $2, keystrokes to the windows (Stats.dll under wine)" >&2
  onDisplay wine build/win32/stats-host.exe --reload --result-every 0 --ui \
    --keystrokes $keystrokeCalls --timing-only --folder "$work/keys-$1" "$work/log$1.cbr" \
    >"$work/keys-$1-$2.txt" 2>"$work/keys-$1-$2.err"
}

# keystrokeRows: the row's lines, from the keystroke plays (best of the runs).
keystrokeRows() {
  local label field
  echo "keystroke to windows, all four tool windows open:"
  for field in 2 3; do
    if [ $field = 2 ]; then label="  median (ms)"; else label="  p99 (ms)"; fi
    printf '%-26s' "$label"
    for n in "${sizes[@]}"; do
      v=$(best keys "$n" "keystroke to windows" $field)
      if [ -z "$v" ]; then printf '%12s' "-"; else awk -v v="$v" 'BEGIN { printf "%12.3f", v / 1000 }'; fi
    done
    if [ $field = 2 ]; then printf '   %s\n' "<= 5 at 50,000"; else printf '   %s\n' "<= 20 at 50,000"; fi
  done
  if [ ${#sizes[@]} -ge 2 ]; then
    local a=${sizes[0]} b=${sizes[$((${#sizes[@]} - 1))]} ka kb
    ka=$(best keys "$a" "keystroke to windows" 2)
    kb=$(best keys "$b" "keystroke to windows" 2)
    if [ -n "$ka" ] && [ -n "$kb" ]; then
      printf '%-26s%s\n' "  median $b / $a" \
        "$(awk -v a="$ka" -v b="$kb" 'BEGIN { printf "%.1fx", (a > 0 ? b / a : 0) }')   (target <= 2x)"
    fi
  fi
}

if [ "$keystrokeOnly" = yes ]; then
  runs=1
  for n in "${sizes[@]}"; do
    [ -f "$work/log$n.cbr" ] ||
      build/native/tools/stats-loggen --seed 2026 --qsos "$n" --out "$work/log$n.cbr" >/dev/null
    keystrokes "$n" 1
  done
fi

for n in "${sizes[@]}"; do
  [ "$keystrokeOnly" = no ] || break
  log=$work/log$n.cbr
  [ -f "$log" ] || build/native/tools/stats-loggen --seed 2026 --qsos "$n" --out "$log" >/dev/null
  for r in $(seq 1 $runs); do
    echo "benchmark: $n QSOs, run $r of $runs (native)" >&2
    build/native/tools/stats-native-bench --probe-calls $probes --results $results \
      --remove-spread $removals --folder "$work/native-$n" "$log" >"$work/native-$n-$r.txt"
    echo "benchmark: $n QSOs, run $r of $runs (Stats.dll under wine)" >&2
    wine build/win32/stats-host.exe --reload --result-every 0 --probe-calls $probes \
      --results $results --remove-spread $removals --timing-only \
      --folder "$work/host-$n" "$log" >"$work/wine-$n-$r.txt" 2>"$work/wine-$n-$r.err"
    keystrokes "$n" "$r"
  done
done

replayLog=$work/log$replayQsos.cbr
[ "$keystrokeOnly" = yes ] || [ -f "$replayLog" ] ||
  build/native/tools/stats-loggen --seed 2026 --qsos "$replayQsos" --out "$replayLog" >/dev/null
for r in $(seq 1 $runs); do
  [ "$keystrokeOnly" = no ] || break
  echo "benchmark: replay of $replayQsos QSOs, run $r of $runs (native)" >&2
  build/native/tools/stats-native-bench --result-every 1 --probe-calls 0 --results 0 \
    --remove-spread 0 --folder "$work/native-replay" "$replayLog" >"$work/native-replay-$r.txt"
  echo "benchmark: replay of $replayQsos QSOs, run $r of $runs (Stats.dll under wine)" >&2
  wine build/win32/stats-host.exe --reload --result-every 1 --timing-only \
    --folder "$work/host-replay" "$replayLog" >"$work/wine-replay-$r.txt" 2>"$work/wine-replay-$r.err"
done

# best SOURCE N KIND FIELD: the smallest figure of the runs of one log.
best() {
  local r v out=""
  for r in $(seq 1 $runs); do
    v=$(figure "$work/$1-$2-$r.txt" "$3" "$4")
    [ -n "$v" ] || continue
    if [ -z "$out" ] || awk -v a="$v" -v b="$out" 'BEGIN { exit !(a < b) }'; then out=$v; fi
  done
  echo "$out"
}

emulated="no"
if [ -e /proc/sys/fs/binfmt_misc/qemu-i386 ] || env | grep -q '^QEMU_' ||
   ! grep -qw 'lm\|ia32' /proc/cpuinfo 2>/dev/null; then
  emulated="yes"
fi

if [ "$keystrokeOnly" = yes ]; then
  {
    echo
    echo "Keystroke to windows, $(date -u '+%Y-%m-%d %H:%M UTC'), commit $(git rev-parse --short HEAD 2>/dev/null || echo none),"
    echo "measured alone (bash tools/bench.sh --keystroke-only), one run of each log,"
    echo "$keystrokeCalls calls typed character by character (keystrokes of 1 or 2 characters not counted);"
    echo "load average (1, 5, 15 min) $loadBefore at the start, $(cut -d' ' -f1-3 /proc/loadavg 2>/dev/null || echo "?") at the end, on $(nproc) cores"
    if [ "$emulated" = yes ]; then
      echo "  NOTE: wine runs the 32-bit code through an x86 emulator (qemu-user) on this"
      echo "  machine; these figures are far slower than on real Windows."
    fi
    printf '%-26s' ""
    for n in "${sizes[@]}"; do printf '%12s' "$n QSOs"; done
    printf '   %s\n' "target"
    keystrokeRows
    for n in "${sizes[@]}"; do
      if ! grep -q '^keystroke to windows' "$work/keys-$n-1.txt"; then
        echo "keystroke run of $n gave no figure; its output:"
        sed 's/^/  /' "$work/keys-$n-1.txt" "$work/keys-$n-1.err" | tail -20
      fi
    done
  } | tee -a bench/latest.txt
  exit 0
fi

table() {
  local source=$1
  printf '%-26s' ""
  for n in "${sizes[@]}"; do printf '%12s' "$n QSOs"; done
  printf '   %s\n' "target"
  row() {  # label kind field scale target
    printf '%-26s' "$1"
    for n in "${sizes[@]}"; do
      v=$(best "$source" "$n" "$2" "$3")
      if [ -z "$v" ]; then printf '%12s' "-"; else awk -v v="$v" -v s="$4" 'BEGIN { printf "%12.3f", v * s }'; fi
    done
    printf '   %s\n' "$5"
  }
  row "reload total (s)" "reload (all AddData0)" 5 0.001 "<= 0.5 at 50,000"
  printf '%-26s' "reload per QSO (us)"
  for n in "${sizes[@]}"; do
    v=$(best "$source" "$n" "reload (all AddData0)" 5)
    if [ -z "$v" ]; then printf '%12s' "-"; else awk -v v="$v" -v n="$n" 'BEGIN { printf "%12.3f", v * 1000 / n }'; fi
  done
  printf '\n'
  row "CheckCall0 median (us)" "CheckCall0" 2 1 "<= 20"
  row "CheckCall0 p99 (us)" "CheckCall0" 3 1 ""
  row "GetResult0 median (ms)" "GetResult0" 2 0.001 "<= 20"
  row "RemoveData0 median (ms)" "RemoveData0" 2 0.001 "<= 20"
  if [ ${#sizes[@]} -ge 2 ]; then
    local a=${sizes[$((${#sizes[@]} - 2))]} b=${sizes[$((${#sizes[@]} - 1))]}
    local ra rb
    ra=$(best "$source" "$a" "reload (all AddData0)" 5)
    rb=$(best "$source" "$b" "reload (all AddData0)" 5)
    if [ -n "$ra" ] && [ -n "$rb" ]; then
      printf '%-26s%s\n' "reload $b / $a" \
        "$(awk -v a="$ra" -v b="$rb" 'BEGIN { printf "%.1fx", (a > 0 ? b / a : 0) }')   (target <= 6x)"
    fi
  fi
  local replay
  replay=$(best "$source" replay "replay with reports" 5)
  printf '%s\n' "$replayLabel: $(
    if [ -z "$replay" ]; then echo "-"; else awk -v v="$replay" 'BEGIN { printf "%.3f", v / 1000 }'; fi
  )   (target <= 5)"
}

{
  echo "Stats.dll benchmark, $(date -u '+%Y-%m-%d %H:%M UTC'), commit $(git rev-parse --short HEAD 2>/dev/null || echo none)"
  echo "logs: stats-loggen --seed 2026; $probes calls typed again, $results reports, $removals removals per log;"
  echo "each figure the best of $runs runs; load average (1, 5, 15 min) $loadBefore at the start,"
  echo "$(cut -d' ' -f1-3 /proc/loadavg 2>/dev/null || echo "?") at the end, on $(nproc) cores"
  echo
  echo "Through Stats.dll under wine (stats-host.exe --reload):"
  if [ "$emulated" = yes ]; then
    echo "  NOTE: wine runs the 32-bit code through an x86 emulator (qemu-user) on this"
    echo "  machine; these figures are far slower than on real Windows."
  fi
  table wine
  keystrokeRows
  echo
  echo "Native engine (stats-native-bench, no library boundary, no emulation):"
  table native
  for n in "${sizes[@]}" replay; do
    for r in $(seq 1 $runs); do
      if ! grep -q '^call ' "$work/wine-$n-$r.txt"; then
        echo
        echo "wine run $r of $n gave no timing table; its output:"
        sed 's/^/  /' "$work/wine-$n-$r.txt" "$work/wine-$n-$r.err" | tail -20
      fi
    done
  done
} | tee bench/latest.txt
