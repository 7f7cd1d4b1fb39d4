#!/usr/bin/env bash
# Tools > Preferences from the keyboard: Alt+A switches "Auto indent" off on
# the General page, Enter is OK, and the registry holds the new value.
set -euo pipefail
source "$(dirname "$0")/../../scripts/noveda-session.sh"
noveda_wine_prefix
key='HKCU\Software\Kelmon\Noveda\Editor'
"$NOVEDA_WINE" reg add "$key" /v AutoIndent /t REG_DWORD /d 1 /f >/dev/null 2>&1

noveda_start
window=$(noveda_wait_window)
xdotool mousemove --window "$window" 300 250 click 1
sleep 0.3
xdotool key alt+t
sleep 0.5
xdotool key p
sleep 2
xdotool key alt+a
sleep 0.5
noveda_screenshot "$NOVEDA_ROOT/build/e2e/preferences.png"
xdotool key Return
sleep 1
status=0
noveda_close "$window" || status=$?

value=$("$NOVEDA_WINE" reg query "$key" /v AutoIndent 2>/dev/null | tr -d '\r' | awk '/AutoIndent/ {print $3}')
[ "$value" = "0x0" ] || { echo "AutoIndent is '$value' after OK, not 0x0" >&2; exit 1; }
[ "$status" -eq 0 ] || { echo "the editor ended with exit code $status" >&2; exit 1; }
