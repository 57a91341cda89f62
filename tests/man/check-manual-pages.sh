#!/usr/bin/env bash
# Checks the manual pages against the programs they describe:
#   check-manual-pages.sh SOURCE_DIR VERSION DALTO_SIM DALTOCTL
# - every page renders without a warning and ends in the same footer, with the
#   project's version;
# - every option that dalto-sim and daltoctl (and its subcommands) offer in
#   their help, and every SIM: command of the simulator, is on its page.
set -euo pipefail

source_dir=$1 version=$2 sim=$3 ctl=$4
pages=$source_dir/man
failed=0
fail() { echo "manual pages: $*" >&2; failed=1; }

footers=()
for page in "$pages"/*.1; do
  warnings=$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null) || fail "$page does not render"
  [ -z "$warnings" ] || fail "$page: $warnings"
  footer=$(sed -n 's/^\.TH [^ ]* [0-9] //p' "$page")
  [[ $footer == *"\"Dalto Panel $version\""* ]] || fail "$page: footer $footer lacks Dalto Panel $version"
  footers+=("$footer")
done
[ "$(printf '%s\n' "${footers[@]}" | sort -u | wc -l)" -eq 1 ] || fail "the footers differ: ${footers[*]}"

# The long options a help text lists, one a line.
options_of() { grep -o -- '--[a-z][a-z0-9-]*' | sort -u; }
# The page as text, with its hyphens plain.
text_of() { MANWIDTH=200 man -l "$1" 2>/dev/null | sed 's/\xe2\x80\x90/-/g'; }

documented() {
  local page=$1 text
  text=$(text_of "$page")
  while read -r option; do
    grep -q -- "$option\b" <<<"$text" || fail "$(basename "$page") does not document $option"
  done
}

"$sim" --help | options_of | documented "$pages/dalto-sim.1"
{
  "$ctl" --help
  for subcommand in $("$ctl" --help | sed -n '/^Subcommands:/,$s/^  \([a-z-]*\) .*/\1/p'); do
    "$ctl" "$subcommand" --help
  done
} | options_of | documented "$pages/daltoctl.1"

# The simulator's own commands, by their short form: SIMulation:LOAD:RAMP -> SIM:LOAD:RAMP.
sim_text=$(text_of "$pages/dalto-sim.1")
while read -r pattern; do
  short=$(sed 's/[a-z]//g' <<<"$pattern")
  grep -qi -- "$short\b" <<<"$(sed 's/[a-z]//g' <<<"$sim_text")" || fail "dalto-sim.1 does not document $pattern"
done < <(grep -o '"SIMulation:[A-Za-z:]*"' "$source_dir/sim/ScpiCommandTable.cpp" | tr -d '"')

exit $failed
