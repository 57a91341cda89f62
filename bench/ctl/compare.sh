#!/usr/bin/env bash
# Query round trips per second against one dalto-sim on TCP loopback, three ways:
# `daltoctl bench`, `lxi benchmark -r` (lxi-tools, SCPI over raw TCP) and a
# PyVISA-py loop over a TCPIP SOCKET resource. Each tool sends "*IDN?" and reads
# the reply, COUNT times per run (default 20000), RUNS runs each (default 5),
# taking turns so that the machine's load falls on all three alike. Prints the
# median and the lowest and highest run of each.
#   bench/ctl/compare.sh [build-dir]      (a Release build: default build-release,
#                                          configured and built here when missing)
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
# shellcheck source=scripts/lib/simulator.sh
source "$root/scripts/lib/simulator.sh"
build=${1:-$root/build-release}
count=${COUNT:-20000}
runs=${RUNS:-5}

# The other tools are needed by this comparison only, not by the program.
missing=()
command -v lxi >/dev/null || missing+=(lxi-tools)
/usr/bin/python3 -c 'import pyvisa_py' 2>/dev/null || missing+=(python3-pyvisa-py)
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi

if [ ! -x "$build/bin/daltoctl" ] || [ ! -x "$build/bin/dalto-sim" ]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DDALTO_BUILD_TESTS=OFF -DDALTO_BUILD_BENCH=OFF >/dev/null
  cmake --build "$build" --target daltoctl dalto-sim
fi

work=$(mktemp -d)
clean_up_on_exit "$work"

start_simulator "$work" "$build/bin/dalto-sim" --tcp 127.0.0.1:0

cat >"$work/pyvisa_loop.py" <<'PY'
import sys, time
import pyvisa
port, count = sys.argv[1], int(sys.argv[2])
rm = pyvisa.ResourceManager('@py')
device = rm.open_resource('TCPIP::127.0.0.1::%s::SOCKET' % port,
                          read_termination='\n', write_termination='\n', timeout=3000)
device.query('*IDN?')
start = time.perf_counter()
for _ in range(count):
    device.query('*IDN?')
print('%.1f' % (count / (time.perf_counter() - start)))
PY

daltoctl_rate() {
  "$build/bin/daltoctl" --bus tcp --address 127.0.0.1 --port "$sim_port" bench --count "$count" |
    sed -n 's/.*: \([0-9.]*\) queries per second/\1/p'
}
lxi_rate() {
  lxi benchmark -a 127.0.0.1 -p "$sim_port" -r -c "$count" | sed -n 's/.*Result: \([0-9.]*\) requests.*/\1/p'
}
pyvisa_rate() {
  /usr/bin/python3 "$work/pyvisa_loop.py" "$sim_port" "$count"
}

declare -A rates
for _ in $(seq "$runs"); do
  for tool in daltoctl lxi pyvisa; do
    rate=$("${tool}_rate")
    [ -n "$rate" ] || { echo "$tool gave no figure" >&2; exit 1; }
    rates[$tool]+="$rate "
  done
done

echo "query round trips per second, *IDN? against dalto-sim on TCP loopback"
echo "($count per run, $runs runs each; $(nproc) CPUs; $(uname -m))"
for tool in daltoctl lxi pyvisa; do
  # shellcheck disable=SC2086
  printf '%s\n' ${rates[$tool]} | sort -g | awk -v tool="$tool" '
    { v[NR] = $1 }
    END { printf "%-9s median %9.1f   lowest %9.1f   highest %9.1f\n", tool, v[int((NR + 1) / 2)], v[1], v[NR] }'
done
