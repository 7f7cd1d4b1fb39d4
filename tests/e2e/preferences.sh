#!/usr/bin/env bash
# Tools > Preferences from the keyboard: Alt+A switches "Auto indent" off on
# the General page, Ctrl+Tab goes to the Save page, where Alt+N chooses "Do
# not create .BAK file"; Enter is OK, and the registry holds both values.
set -euo pipefail
source "$(dirname "$0")/../../scripts/noveda-session.sh"
noveda_wine_prefix
key='HKCU\Software\Kelmon\Noveda\Editor'
general='HKCU\Software\Kelmon\Noveda\General'
"$NOVEDA_WINE" reg add "$key" /v AutoIndent /t REG_DWORD /d 1 /f >/dev/null 2>&1
"$NOVEDA_WINE" reg add "$general" /v CreateBak /t REG_DWORD /d 2 /f >/dev/null 2>&1

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
xdotool key ctrl+Tab
sleep 0.5
xdotool key alt+n
sleep 0.5
noveda_screenshot "$NOVEDA_ROOT/build/e2e/preferences.png"
xdotool key Return
sleep 1
status=0
noveda_close "$window" || status=$?

stored() { # key value-name
  "$NOVEDA_WINE" reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | awk -v name="$2" '$1 == name {print $3}'
}
value=$(stored "$key" AutoIndent)
[ "$value" = "0x0" ] || { echo "AutoIndent is '$value' after OK, not 0x0" >&2; exit 1; }
value=$(stored "$general" CreateBak)
[ "$value" = "0x0" ] || { echo "CreateBak is '$value' after OK, not 0x0" >&2; exit 1; }
[ "$status" -eq 0 ] || { echo "the editor ended with exit code $status" >&2; exit 1; }
