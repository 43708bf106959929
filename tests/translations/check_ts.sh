#!/usr/bin/env bash
# The English catalogue is complete: every entry translated, none empty, and lupdate (as
# `make translations` runs it) finds no text marked in the sources that the catalogue lacks.
# Usage: check_ts.sh <lupdate> <source dir> <ts file> [lupdate options...]
set -euo pipefail
lupdate=$1 sources=$2 ts=$3
shift 3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

if grep -n -B3 'type="unfinished"' "$ts"; then fail "$ts has unfinished entries"; fi
if grep -n -B3 -E '<translation[^>]*(/>|>[[:space:]]*</translation>)' "$ts"; then
  fail "$ts has empty translations"
fi

# lupdate keeps every translation of the copy and adds what is new as unfinished.
cp "$ts" "$work/check.ts"
"$lupdate" "$sources" -ts "$work/check.ts" "$@" >"$work/log" 2>&1 || {
  cat "$work/log"
  fail "lupdate failed"
}
if grep -n -B3 'type="unfinished"' "$work/check.ts"; then
  fail "texts marked in the sources are missing from $ts: run 'make translations' and translate them"
fi
echo "$(grep -c '<source>' "$ts") texts, all translated"
