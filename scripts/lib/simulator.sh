# shellcheck shell=bash
# Starting dalto-sim from a script and stopping what a script started. Sourced.

sim_pid=
panel_pid=

# start_simulator DIR COMMAND...
# Runs COMMAND (dalto-sim with its options, possibly behind env) in the
# background with its output in DIR/sim.out and DIR/sim.err, and waits up to
# about 60 s for its ready line. Sets sim_pid, sim_port (its TCP port) and
# sim_discovery_port (its UDP discovery port, empty without --discovery). When
# the simulator ends or stays silent, prints its errors and exits the script.
start_simulator() {
  local dir=$1
  shift
  "$@" >"$dir/sim.out" 2>"$dir/sim.err" &
  sim_pid=$!
  local ready=
  for _ in $(seq 600); do
    ready=$(grep -m1 '^dalto-sim listening on ' "$dir/sim.out" 2>/dev/null || true)
    [ -n "$ready" ] && break
    kill -0 "$sim_pid" 2>/dev/null || break
    sleep 0.1
  done
  # Both ports share one line, so a found line holds every endpoint asked for.
  sim_port=$(sed -n 's/.*tcp 127\.0\.0\.1:\([0-9][0-9]*\).*/\1/p' <<<"$ready")
  # shellcheck disable=SC2034  # read by the script that sourced this file
  sim_discovery_port=$(sed -n 's/.*discovery 127\.0\.0\.1:\([0-9][0-9]*\).*/\1/p' <<<"$ready")
  if [ -z "$sim_port" ]; then
    echo "dalto-sim did not start:" >&2
    cat "$dir/sim.err" >&2
    exit 1
  fi
}

# stop_processes PID...
# Ends each of the given processes that still runs and waits for it; empty
# arguments (a process not started yet) are skipped.
stop_processes() {
  local pid
  for pid in "$@"; do
    if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
      kill "$pid" 2>/dev/null || true
      wait "$pid" 2>/dev/null || true
    fi
  done
}

# clean_up_on_exit DIR
# When the script ends, stops the simulator and the program (sim_pid and
# panel_pid, where started) and removes DIR, or keeps it when KEEP is set.
clean_up_on_exit() {
  work_to_remove=$1
  trap clean_up EXIT
}
clean_up() {
  stop_processes "$panel_pid" "$sim_pid"
  if [ -n "${KEEP:-}" ]; then
    echo "logs kept in $work_to_remove"
  else
    rm -rf "$work_to_remove"
  fi
}
