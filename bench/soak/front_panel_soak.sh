#!/usr/bin/env bash
# Soak run: the KD front panel polls dalto-sim over TCP loopback for MINUTES
# (default 10) while the simulator drops every 100th reply. Samples the
# program's resident memory every SAMPLE seconds (default 5) and counts, from
# the simulator's log, the polls answered, the replies dropped and how many of
# those the panel recovered with its retry (the next reply is a clean one and
# polling goes on). Not part of CTest.
#   bench/soak/front_panel_soak.sh [build-dir]
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
# shellcheck source=scripts/lib/simulator.sh
source "$root/scripts/lib/simulator.sh"
build=$(cd "${1:-$root/build}" && pwd)
minutes=${MINUTES:-10}
sample=${SAMPLE:-5}
work=$(mktemp -d)
clean_up_on_exit "$work"
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}

echo "drop every 100" >"$work/plan.txt"
start_simulator "$work" "$build/bin/dalto-sim" --tcp 127.0.0.1:0 --fault-plan "$work/plan.txt" --log "$work/sim.log"

sed -e 's/^Start-Up=.*/Start-Up=Virtual Panel/' -e 's/^Type=.*/Type=KD Series/' -e 's/^Comm=.*/Comm=TCP\/IP/' \
    -e 's/^Address=.*/Address=127.0.0.1/' -e "s/^Port=.*/Port=$sim_port/" \
    "$root/resources/Dalto_Panel.ini" >"$work/Dalto_Panel.ini"

cd "$work"
"$build/bin/dalto-panel" --config "$work/Dalto_Panel.ini" >panel.out 2>&1 &
panel_pid=$!
rss() { awk '/VmRSS/ {print $2}' "/proc/$panel_pid/status"; }

end=$(( $(date +%s) + minutes * 60 ))
echo "seconds,rss_kib" >rss.csv
start_s=$(date +%s)
while [ "$(date +%s)" -lt "$end" ]; do
  kill -0 "$panel_pid" 2>/dev/null || { echo "dalto-panel ended early" >&2; exit 1; }
  echo "$(( $(date +%s) - start_s )),$(rss)" >>rss.csv
  sleep "$sample"
done
echo "$(( $(date +%s) - start_s )),$(rss)" >>rss.csv

polls=$(grep -c 'tcp <- <>STA$' sim.log || true)
drops=$(grep -c 'fault: drop' sim.log || true)
# A drop is recovered when the very next "<>STA" is answered without a fault.
recovered=$(awk '
  /fault: drop/ { dropped = 1; next }
  /tcp <- <>STA$/ { if (dropped) { retry = 1; dropped = 0 } ; next }
  / tcp -> / && retry { retry = 0; getline nextline; if (nextline !~ /fault:/) ok++; next }
  END { print ok + 0 }
' sim.log)
last_minute=$(awk -v t=$(( minutes * 60 - 60 )) '$1 > t && /tcp <- <>STA$/' sim.log | wc -l)
boxes=$(grep -c 'Entering Simulated Mode' panel.out || true)

echo "machine: $(nproc) vCPUs, shared with other work"
echo "run: ${minutes} min, plan: drop every 100th reply"
echo "polls (<>STA sent): $polls"
echo "replies dropped: $drops, recovered on the retry: $recovered"
echo "polls in the last minute: $last_minute"
echo "time-out boxes shown: $boxes"
# The first 10 s are the window's start-up; the run's start is the sample after them.
echo "rss start (at 10 s): $(awk -F, 'NR > 1 && $1 >= 10 {print $2; exit}' rss.csv) KiB, end: $(tail -1 rss.csv | cut -d, -f2) KiB," \
     "max: $(tail -n +2 rss.csv | cut -d, -f2 | sort -n | tail -1) KiB ($(($(wc -l <rss.csv) - 1)) samples)"
cp rss.csv "${RSS_CSV:-/dev/null}" 2>/dev/null || true
