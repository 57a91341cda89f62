#!/usr/bin/env bash
# Checks an installed tree: install-check.sh PREFIX
# - the installed dalto-panel starts offscreen on a user's settings (seeded from
#   its program folder under PREFIX/share/dalto-panel), opens its panel and talks
#   to the installed dalto-sim on loopback, and leaves the shipped settings alone;
# - the menu entry, the AppStream file and the manual pages are valid;
# - a third-party CMake project builds against the installed Dialix package and
#   creates a knob.
# Nothing here may come from the source or build tree except the consumer project.
set -euo pipefail

prefix=$(cd "${1:?usage: install-check.sh PREFIX}" && pwd)
root=$(cd "$(dirname "$0")/../.." && pwd)
# shellcheck source=scripts/lib/simulator.sh
source "$root/scripts/lib/simulator.sh"
work=$(mktemp -d)
clean_up_on_exit "$work"
trap 'exit 130' INT TERM

fail() {
  echo "install check: $*" >&2
  local log
  for log in panel.out sim.log; do
    [ -s "$work/$log" ] && { echo "-- $log:" >&2; cat "$work/$log" >&2; }
  done
  exit 1
}

# The installed programs run as a fresh user's would: no build-tree libraries,
# no display but the offscreen one, settings in a home of their own. env execs
# the program, so $! of a started job is the program itself.
mkdir -p "$work/home/.config/dalto-panel" "$work/run"
chmod 700 "$work/run"
as_user=(env -u LD_LIBRARY_PATH QT_QPA_PLATFORM=offscreen HOME="$work/home"
         XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$work/run")
cd "$work"

# Waits up to about 60 s for a command to succeed while process $2 lives.
wait_for() {
  local what=$1 pid=$2
  shift 2
  for _ in $(seq 600); do
    "$@" && return 0
    kill -0 "$pid" 2>/dev/null || fail "$what: the process ended first"
    sleep 0.1
  done
  fail "$what: no sign within 60 s"
}

version=$("${as_user[@]}" "$prefix/bin/dalto-panel" --version 2>&1) || fail "dalto-panel --version: $version"
[[ $version == "dalto-panel "* ]] || fail "dalto-panel --version says: $version"
echo "$version"

echo "-- installed dalto-panel against the installed dalto-sim"
start_simulator "$work" "${as_user[@]}" "$prefix/bin/dalto-sim" --tcp 127.0.0.1:0 --log "$work/sim.log"

# The user's own settings point at the simulator; the program finds them only
# when it takes its program folder from the installed tree.
shipped=$prefix/share/dalto-panel/Dalto_Panel.ini
shipped_sum=$(sha256sum <"$shipped")
sed -e 's/^Start-Up=.*/Start-Up=Register Panel/' -e 's/^Comm=.*/Comm=TCP\/IP/' \
    -e 's/^Address=.*/Address=127.0.0.1/' -e "s/^Port=.*/Port=$sim_port/" \
    "$shipped" >"$work/home/.config/dalto-panel/Dalto_Panel.ini"

"${as_user[@]}" "$prefix/bin/dalto-panel" >"$work/panel.out" 2>&1 &
panel_pid=$!
# The Register panel announces itself to the supply when it opens.
panel_opened() { grep -q '<>CHG 0,-1,0' "$work/sim.log" 2>/dev/null; }
wait_for "the Register panel's notice in the simulator's log" "$panel_pid" panel_opened
echo "dalto-panel opened the Register panel on dalto-sim at 127.0.0.1:$sim_port"
[ "$(sha256sum <"$shipped")" = "$shipped_sum" ] || fail "the run changed the shipped $shipped"

echo "-- menu entry, AppStream file, manual pages"
desktop-file-validate "$prefix"/share/applications/*.desktop
appstreamcli validate --no-net "$prefix"/share/metainfo/*.metainfo.xml
for page in "$prefix"/share/man/man1/dalto*.1; do
  MANWIDTH=80 man -l "$page" 2>&1 | grep -q "^NAME" || fail "the manual page $page does not render"
  warnings=$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "the manual page $page: $warnings"
done

echo "-- a program built against the installed Dialix package"
cmake -S "$root/tests/install/consumer" -B "$work/consumer" -G Ninja \
      -DCMAKE_PREFIX_PATH="$prefix" -DCMAKE_BUILD_TYPE=Release >"$work/consumer.log" 2>&1 \
  && cmake --build "$work/consumer" >>"$work/consumer.log" 2>&1 \
  || { cat "$work/consumer.log" >&2; fail "the consumer project does not build against $prefix"; }
"${as_user[@]}" "$work/consumer/dialix-consumer"
