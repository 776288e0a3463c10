#!/usr/bin/env bash
# The main job: installs what is missing, builds everything, then plays the CW
# sample log through the real Stats.dll under wine with the stand-in host, the
# way the logging host drives it, with the plug-in's control window and tool
# windows open on their own thread: every QSO typed character by character
# (CheckCall0), its zone checked (IsValidExchg0), logged (AddData0) and the
# score refreshed (GetResult0); then a Cabrillo export, whose header dialog and
# message box the host answers (in Xvfb). The first QSO is deleted again
# afterwards. Screenshots of the whole screen at a few moments (a call worked
# on several bands, a band change, after the removal, the end) go to
# build/main-run/screenshots/. Prints the text report, the answers
# and the time spent in the plug-in, and leaves the host's working folder with
# the bad-QSO file and the Cabrillo file in build/main-run/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
bash tools/build.sh
source tools/wine-env.sh

sample=${1:-tools/samples/cq-ww-cw-sample.log}
# The CW sample with the country data it was reviewed with; any other log with
# the installed country file.
cty=()
[ $# -eq 0 ] && cty=(--cty tools/samples/cty-samples.dat)
out=build/main-run
wineserver -w || true
# wine's own processes end while the X server is still there (else each
# reports the lost connection).
xvfb-run -a -s "-screen 0 1280x1024x24" \
  sh -c 'out=$1; sample=$2; shift 2; wine build/win32/stats-host.exe --folder "$out" --ui --export --remove 1 "$@" "$sample"; rc=$?; wineserver -w; exit $rc' \
  sh "$out" "$sample" "${cty[@]}"

echo
echo "Left in $out/:"
ls -1 "$out" | grep -E '^(BadQSO_.*\.txt|.*\.cbr|report\.txt)$' | sed 's/^/  /'
echo "Screenshots of the live contest in $out/screenshots/:"
ls -1 "$out/screenshots" 2>/dev/null | grep '\.png$' | sed 's/^/  /' || echo "  (none)"
