#!/usr/bin/env bash
# Resident size after start-up: starts build/src/tracima NOABOUT and the bare Qt
# window of bench/finestra_nua (offscreen, or on $DISPLAY when --pantalla is
# given), waits until their start-up is over, prints VmRSS and VmHWM of both and
# the ratio of the resident sizes, and ends them.
# Not a test: it reports.  bench/memoria.sh [--pantalla] [SECONDS]
# (TRACIMA_PROGRAMA=PATH measures another build of the program, e.g. an older one.)
set -euo pipefail
cd "$(dirname "$0")/.."
pantalla=0
if [ "${1:-}" = "--pantalla" ]; then pantalla=1; shift; fi
espera=${1:-2}
[ -x build/src/tracima ] && [ -x build/bench/tracima_finestra_nua ] || scripts/build >&2
casa=$(mktemp -d)
trap 'rm -rf "$casa"' EXIT
export XDG_CONFIG_HOME="$casa/config" XDG_DATA_HOME="$casa/data" XDG_RUNTIME_DIR="$casa"
[ "$pantalla" -eq 1 ] || export QT_QPA_PLATFORM=offscreen
mesura() {
  "$@" >/dev/null 2>&1 &
  local pid=$!
  sleep "$espera"
  if ! kill -0 "$pid" 2>/dev/null; then echo "$1 ended before it was measured" >&2; exit 1; fi
  grep -E '^(VmRSS|VmHWM)' "/proc/$pid/status" | tr -s ' \t' ' ' | tr '\n' ' '
  kill "$pid"
  wait "$pid" 2>/dev/null || true
}
p=$(mesura "${TRACIMA_PROGRAMA:-build/src/tracima}" NOABOUT)
n=$(mesura build/bench/tracima_finestra_nua)
echo "tracima: $p"
echo "bare Qt window: $n"
awk -v p="$p" -v n="$n" 'BEGIN{split(p,a," "); split(n,b," "); for(i in a) if(a[i]=="VmRSS:") x=a[i+1]; for(i in b) if(b[i]=="VmRSS:") y=b[i+1]; printf "ratio of resident sizes %.2f\n", x/y}'
