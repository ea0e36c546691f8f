#!/usr/bin/env bash
# Start-up to the first painted frame, cold process each time: runs
# build/src/tracima NOABOUT offscreen N times (default 10), each ending right
# after its first frame, and prints the median and the fastest wall time.
# Not a test: it reports.  bench/inici.sh [N]
set -euo pipefail
cd "$(dirname "$0")/.."
n=${1:-10}
[ -x build/src/tracima ] || scripts/build >&2
casa=$(mktemp -d)
trap 'rm -rf "$casa"' EXIT
export XDG_CONFIG_HOME="$casa/config" XDG_DATA_HOME="$casa/data" XDG_RUNTIME_DIR="$casa"
export QT_QPA_PLATFORM=offscreen TRACIMA_SORTIR_DESPRES_DEL_PRIMER_FRAME=1
temps=()
for _ in $(seq "$n"); do
  inici=$(date +%s%N)
  build/src/tracima NOABOUT >/dev/null 2>&1
  temps+=($(( ($(date +%s%N) - inici) / 1000000 )))
done
ordenats=($(printf '%s\n' "${temps[@]}" | sort -n))
echo "start-up to first frame (ms): median ${ordenats[$((n / 2))]}, fastest ${ordenats[0]} over $n runs"
