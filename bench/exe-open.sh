#!/usr/bin/env bash
# The Windows program's start with a file, under Wine on a virtual display:
# the time from starting noveda.exe until its title names the file (the
# document is loaded and its view is about to paint), next to the same start
# without a file (Wine's and the program's own start-up) and to the time
# `novedabench load` needs for the file. Each figure is the best of three.
# Usage: exe-open.sh FILE   (builds nothing: run scripts/build.sh first)
set -euo pipefail
[ $# -eq 1 ] || { echo "usage: exe-open.sh FILE" >&2; exit 2; }
here=$(cd "$(dirname "$0")" && pwd)
file=$(realpath "$1")
if [ -z "${DISPLAY:-}" ]; then
  exec "$here/../scripts/on-display.sh" bash "$0" "$file"
fi
source "$here/../scripts/noveda-session.sh"
noveda_wine_prefix
bench=${NOVEDABENCH:-$here/../build/native/bench/novedabench}

start_seconds() { # title-pattern [file]: seconds until a window's title matches
  local started ended id
  started=$(date +%s%N)
  "$NOVEDA_WINE" "$NOVEDA_EXE" "${@:2}" >/dev/null 2>&1 &
  local pid=$!
  # Polled here: xdotool's own --sync looks only every half second.
  id=""
  for _ in $(seq 12000); do
    id=$(xdotool search --name "$1" 2>/dev/null | head -n 1) || true
    [ -n "$id" ] && break
    sleep 0.01
  done
  ended=$(date +%s%N)
  [ -n "$id" ] || { echo "no window titled like '$1' appeared" >&2; kill "$pid"; return 1; }
  kill "$pid" 2>/dev/null || true
  wineserver -k 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  awk -v ns=$((ended - started)) 'BEGIN { printf "%.3f\n", ns / 1e9 }'
}
best_of_three() { # command...
  local best="" t
  for _ in 1 2 3; do
    t=$("$@") || exit 1
    best=$(awk -v a="${best:-$t}" -v b="$t" 'BEGIN { print (b < a ? b : a) }')
  done
  echo "$best"
}

cat "$file" >/dev/null
name=$(basename "$file" | sed 's/[][\.*^$]/\\&/g')
empty=$(best_of_three start_seconds '^Noveda( - |$)')
opened=$(best_of_three start_seconds "^Noveda - \\[.*$name\\]" "Z:${file//\//\\}")
load=$("$bench" load "$file" | sed -n 's/.* seconds=\([^ ]*\).*/\1/p')
echo "start without a file:        ${empty} s"
echo "start with $(basename "$file"): ${opened} s (the file's share: $(awk -v a="$opened" -v b="$empty" 'BEGIN { printf "%.3f", a - b }') s)"
echo "novedabench load:            ${load} s"
