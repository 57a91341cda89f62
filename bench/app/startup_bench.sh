#!/usr/bin/env bash
# Start-up of dalto-panel to its first panel against dalto-sim on loopback:
# median wall time and peak resident memory over RUNS starts (default 7).
# The first panel is the Register panel, whose load sends "<>CHG 0,-1,0"; the
# simulator's log shows when that arrived.
#   bench/app/startup_bench.sh [build-dir]
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
# shellcheck source=scripts/lib/simulator.sh
source "$root/scripts/lib/simulator.sh"
build=$(cd "${1:-$root/build}" && pwd)
runs=${RUNS:-7}
work=$(mktemp -d)
clean_up_on_exit "$work"
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}

start_simulator "$work" "$build/bin/dalto-sim" --tcp 127.0.0.1:0 --log "$work/sim.log"

sed -e 's/^Start-Up=.*/Start-Up=Register Panel/' -e 's/^Comm=.*/Comm=TCP\/IP/' \
    -e 's/^Address=.*/Address=127.0.0.1/' -e "s/^Port=.*/Port=$sim_port/" \
    "$root/resources/Dalto_Panel.ini" >"$work/Dalto_Panel.ini"

times=()
peaks=()
cd "$work"
for run in $(seq "$runs"); do
  before=$(grep -c '<>CHG 0,-1,0' sim.log || true)
  start=$(date +%s%N)
  "$build/bin/dalto-panel" --config "$work/Dalto_Panel.ini" >/dev/null 2>&1 &
  panel_pid=$!
  until [ "$(grep -c '<>CHG 0,-1,0' sim.log || true)" -gt "$before" ]; do
    kill -0 "$panel_pid" 2>/dev/null || { echo "dalto-panel ended early" >&2; exit 1; }
    sleep 0.002
  done
  end=$(date +%s%N)
  peak=$(awk '/VmHWM/ {print $2}' "/proc/$panel_pid/status")
  kill "$panel_pid"
  wait "$panel_pid" 2>/dev/null || true
  panel_pid=
  times+=($(( (end - start) / 1000000 )))
  peaks+=("$peak")
  echo "run $run: $(( (end - start) / 1000000 )) ms, peak $(( peak / 1024 )) MiB"
done

median() { printf '%s\n' "$@" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
echo "median start-up to first panel: $(median "${times[@]}") ms"
echo "median peak memory: $(( $(median "${peaks[@]}") / 1024 )) MiB"
