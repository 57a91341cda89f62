#!/bin/bash
# The Windows build scripts' decisions that need no cross compiler: a complete
# Qt cache is left alone, tampered sources stop the build before anything is
# made, and the project build without Qt says what to do.
set -uo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CACHE_HOME="$work/cache"
failures=0

check() {
  local what=$1
  shift
  if "$@"; then
    echo "ok: $what"
  else
    echo "FAILED: $what"
    failures=$((failures + 1))
  fi
}

DALTO_ROOT=$root
. "$root/scripts/windows/qt-config.sh"

# The project build refuses to start without Qt for Windows.
out=$("$root/scripts/windows/build" "$work/build-windows" 2>&1)
code=$?
check "build without Qt fails" test $code -ne 0
check "build without Qt names build-qt" grep -q "scripts/windows/build-qt" <<<"$out"
check "build without Qt makes no build folder" test ! -e "$work/build-windows"

# Sources whose checksum does not match are refused before any folder is made.
mkdir -p "$work/sources"
while read -r _ name; do
  printf 'not the release\n' >"$work/sources/$name"
done <"$DALTO_QT_SUMS"
DALTO_QT_SOURCES="$work/sources" "$root/scripts/windows/build-qt" >"$work/tampered.log" 2>&1
code=$?
check "tampered sources fail" test $code -ne 0
check "tampered sources make no cache" test ! -e "$XDG_CACHE_HOME"

# A complete cache folder means there is nothing to do, wherever the sources are.
mkdir -p "$DALTO_WINDOWS_QT"
touch "$DALTO_WINDOWS_QT_DONE"
out=$(DALTO_QT_SOURCES=/nonexistent "$root/scripts/windows/build-qt" 2>&1)
code=$?
check "complete cache succeeds" test $code -eq 0
check "complete cache is reported" grep -q "already built: $DALTO_WINDOWS_QT" <<<"$out"
check "complete cache starts no build" test ! -e "$DALTO_WINDOWS_QT.build"

[ $failures -eq 0 ]
