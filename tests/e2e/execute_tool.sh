#!/usr/bin/env bash
# F5 runs the tool the settings give for the file's extension with the
# file's path, one argument though it holds a blank: the tool records what
# it was given.
set -euo pipefail
source "$(dirname "$0")/../../scripts/noveda-session.sh"
noveda_wine_prefix
dir="$NOVEDA_ROOT/build/e2e/tool run"
mkdir -p "$dir"
file="$dir/sample.nvx"
record="$dir/record.txt"
printf 'text\r\n' > "$file"
rm -f "$record"
child=$("$NOVEDA_WINE" winepath -w "$NOVEDA_ROOT/build/$NOVEDA_WINDOWS_TREE/tests/win32/tool_child.exe")
windows_file=$("$NOVEDA_WINE" winepath -w "$file")
key='HKCU\Software\Kelmon\Noveda\Execution'
"$NOVEDA_WINE" reg add "$key" /v Extension0 /d nvx /f >/dev/null 2>&1
"$NOVEDA_WINE" reg add "$key" /v CmdLine0 /d "\"$child\" record \"$("$NOVEDA_WINE" winepath -w "$record")\" &f" /f >/dev/null 2>&1
"$NOVEDA_WINE" reg add "$key" /v Capture0 /t REG_DWORD /d 0 /f >/dev/null 2>&1

noveda_start "$windows_file"
window=$(noveda_wait_window)
xdotool mousemove --window "$window" 300 250 click 1
sleep 0.3
xdotool key F5
for _ in $(seq 100); do [ -s "$record" ] && break; sleep 0.1; done
sleep 1
noveda_screenshot "$NOVEDA_ROOT/build/e2e/execute_tool.png"
status=0
noveda_close "$window" || status=$?
"$NOVEDA_WINE" reg delete "$key" /f >/dev/null 2>&1

actual=$(cat "$record" 2>/dev/null || true)
if [ "$actual" != "$windows_file" ]; then
  echo "the tool was given: '$actual', not '$windows_file'" >&2
  exit 1
fi
[ "$status" -eq 0 ] || { echo "the editor ended with exit code $status" >&2; exit 1; }
