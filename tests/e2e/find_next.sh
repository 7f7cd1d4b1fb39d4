#!/usr/bin/env bash
# Ctrl+F opens Find; the text typed into its box is found with Enter;
# Escape closes it; F3 finds the next one, which Delete removes and Ctrl+S
# writes.
set -euo pipefail
source "$(dirname "$0")/../../scripts/noveda-session.sh"
noveda_wine_prefix
dir="$NOVEDA_ROOT/build/e2e"
mkdir -p "$dir"
file="$dir/find.txt"
printf 'one two one two\r\n' > "$file"
expected=$(printf 'one two one \r\n' | od -An -tx1)

noveda_start "$("$NOVEDA_WINE" winepath -w "$file")"
window=$(noveda_wait_window)
xdotool mousemove --window "$window" 300 250 click 1
sleep 0.3
xdotool key ctrl+Home ctrl+f
sleep 1
xdotool key Home shift+End
xdotool type --delay 60 'two'
xdotool key Return
sleep 0.5
xdotool key Escape
sleep 0.5
xdotool key F3
sleep 0.5
xdotool key Delete ctrl+s
sleep 1
noveda_screenshot "$dir/find_next.png"
status=0
noveda_close "$window" || status=$?

noveda_expect_bytes "$file" "$expected" find_next || exit 1
[ "$status" -eq 0 ] || { echo "the editor ended with exit code $status" >&2; exit 1; }
