#!/usr/bin/env bash
# Start-up to the first painted frame, cold process each time: runs
# build/src/tracima NOABOUT and the bare Qt window of bench/finestra_nua
# offscreen N times each (default 10), interleaved, each ending right after its
# first frame, and prints the median and the fastest wall time of both and their
# ratio. Not a test: it reports.  bench/inici.sh [N]
# (TRACIMA_PROGRAMA=PATH measures another build of the program, e.g. an older one.)
set -euo pipefail
cd "$(dirname "$0")/.."
n=${1:-10}
[ -x build/src/tracima ] && [ -x build/bench/tracima_finestra_nua ] || scripts/build >&2
casa=$(mktemp -d)
trap 'rm -rf "$casa"' EXIT
export XDG_CONFIG_HOME="$casa/config" XDG_DATA_HOME="$casa/data" XDG_RUNTIME_DIR="$casa"
export QT_QPA_PLATFORM=offscreen TRACIMA_SORTIR_DESPRES_DEL_PRIMER_FRAME=1
ms() { local inici; inici=$(date +%s%N); "$@" >/dev/null 2>&1; echo $(( ($(date +%s%N) - inici) / 1000000 )); }
programa=() nua=()
for _ in $(seq "$n"); do
  programa+=("$(ms "${TRACIMA_PROGRAMA:-build/src/tracima}" NOABOUT)")
  nua+=("$(ms build/bench/tracima_finestra_nua)")
done
mediana() { printf '%s\n' "$@" | sort -n | sed -n "$(( $# / 2 + 1 ))p"; }
minim() { printf '%s\n' "$@" | sort -n | head -n 1; }
mp=$(mediana "${programa[@]}") mn=$(mediana "${nua[@]}")
echo "start-up to first frame (ms) over $n runs: tracima median $mp, fastest $(minim "${programa[@]}");" \
     "bare Qt window median $mn, fastest $(minim "${nua[@]}"); ratio of medians $(awk "BEGIN{printf \"%.2f\", $mp/$mn}")"
