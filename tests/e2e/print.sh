#!/usr/bin/env bash
# Ctrl+P opens the print dialog (with no printer here, the system may say so
# first); Escape closes whatever it showed, and the editor goes on and ends
# normally.
set -euo pipefail
source "$(dirname "$0")/../../scripts/noveda-session.sh"

print_windows() { xdotool search --onlyvisible --name '^Print$' 2>/dev/null || true; }

noveda_start
window=$(noveda_wait_window)
xdotool mousemove --window "$window" 300 250 click 1
sleep 0.3
xdotool key ctrl+p
shown=$(timeout 20 xdotool search --sync --onlyvisible --name '^Print$' 2>/dev/null | head -n 1) || true
[ -n "$shown" ] || { echo "Ctrl+P showed no print dialog" >&2; kill "$NOVEDA_PID"; exit 1; }
noveda_screenshot "$NOVEDA_ROOT/build/e2e/print.png"
for _ in 1 2 3 4 5; do
  [ -z "$(print_windows)" ] && break
  xdotool key Escape
  sleep 1
done
[ -z "$(print_windows)" ] || { echo "the print dialog did not close" >&2; kill "$NOVEDA_PID"; exit 1; }
noveda_close "$window"
