#!/usr/bin/env bash
# Resident size of the program after start-up: starts build/src/tracima NOABOUT
# (offscreen, or on $DISPLAY when one is set and --pantalla is given), waits
# until the start-up is over, prints VmRSS and VmHWM and ends the program.
# Not a test: it reports.  bench/memoria.sh [--pantalla] [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
pantalla=0
if [ "${1:-}" = "--pantalla" ]; then pantalla=1; shift; fi
espera=${1:-2}
[ -x build/src/tracima ] || scripts/build >&2
casa=$(mktemp -d)
trap 'rm -rf "$casa"' EXIT
export XDG_CONFIG_HOME="$casa/config" XDG_DATA_HOME="$casa/data" XDG_RUNTIME_DIR="$casa"
[ "$pantalla" -eq 1 ] || export QT_QPA_PLATFORM=offscreen
build/src/tracima NOABOUT >/dev/null 2>&1 &
pid=$!
sleep "$espera"
if ! kill -0 "$pid" 2>/dev/null; then echo "tracima ended before it was measured" >&2; exit 1; fi
grep -E '^(VmRSS|VmHWM)' "/proc/$pid/status"
kill "$pid"
wait "$pid" 2>/dev/null || true
