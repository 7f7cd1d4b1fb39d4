#!/usr/bin/env bash
# A user's first start shows the Shell page alone before the main window and
# records the start; the next start goes straight to the main window.
set -euo pipefail
source "$(dirname "$0")/../../scripts/noveda-session.sh"
noveda_wine_prefix
key='HKCU\Software\Kelmon\Noveda\General'
restore() { "$NOVEDA_WINE" reg add "$key" /v Version /t REG_DWORD /d 310 /f >/dev/null 2>&1; }
trap restore EXIT
"$NOVEDA_WINE" reg delete "$key" /v Version /f >/dev/null 2>&1 || true
"$NOVEDA_WINE" reg delete "$key" /v ExecPath /f >/dev/null 2>&1 || true

noveda_start
first=$(timeout 60 xdotool search --sync --name '^Starting Noveda first time$' 2>/dev/null | head -n 1) || true
[ -n "$first" ] || { echo "the first start showed no first-start window" >&2; exit 1; }
sleep 1
noveda_screenshot "$NOVEDA_ROOT/build/e2e/first_start.png"
noveda_key_until_gone "$first" Return # OK (the default button), nothing changed
window=$(noveda_wait_window)
status=0
noveda_close "$window" || status=$?
[ "$status" -eq 0 ] || { echo "the editor ended with exit code $status" >&2; exit 1; }
"$NOVEDA_WINE" reg query "$key" /v Version | grep -q '0x136' || { echo "Version was not written" >&2; exit 1; }
"$NOVEDA_WINE" reg query "$key" /v ExecPath | grep -qi 'noveda.exe' || { echo "ExecPath was not written" >&2; exit 1; }

noveda_start
window=$(noveda_wait_window)
if xdotool search --name '^Starting Noveda first time$' >/dev/null 2>&1; then
  echo "the second start showed the first-start window again" >&2
  exit 1
fi
noveda_close "$window"
