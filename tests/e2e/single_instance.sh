#!/usr/bin/env bash
# A second start hands its file to the running editor and ends; the running
# editor opens it (and lists it among the recent files it writes at exit).
# A second start without arguments only ends.
set -euo pipefail
source "$(dirname "$0")/../../scripts/noveda-session.sh"
noveda_wine_prefix
dir="$NOVEDA_ROOT/build/e2e"
mkdir -p "$dir"
file="$dir/handed over.txt"
printf 'handed over\r\n' > "$file"
winfile=$("$NOVEDA_WINE" winepath -w "$file")
"$NOVEDA_WINE" reg delete 'HKCU\Software\Kelmon\Noveda\MRUList' /f >/dev/null 2>&1 || true

noveda_start
window=$(noveda_wait_window)
first=$NOVEDA_PID
"$NOVEDA_WINE" "$NOVEDA_EXE" "$winfile" # returns when the second process has handed over and ended
"$NOVEDA_WINE" "$NOVEDA_EXE"             # nothing to hand over: it ends too
sleep 1
noveda_screenshot "$dir/single_instance.png"
if [ "$(xdotool search --name '^Noveda( - |$)' | wc -l)" -ne 1 ]; then
  echo "a second main window appeared" >&2
  exit 1
fi
NOVEDA_PID=$first
noveda_close "$window"
recent=$("$NOVEDA_WINE" reg query 'HKCU\Software\Kelmon\Noveda\MRUList' /v File1 2>/dev/null | tr -d '\r' | sed -n 's/.*REG_SZ *//p')
if [ "$recent" != "$winfile" ]; then
  echo "the running editor did not open the handed-over file (recent: '$recent')" >&2
  exit 1
fi
