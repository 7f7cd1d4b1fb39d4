#!/usr/bin/env bash
# A KOI8-R file opens through code-page detection; typed Cyrillic letters
# reach the file as KOI8-R bytes after Ctrl+S.
set -euo pipefail
source "$(dirname "$0")/../../scripts/noveda-session.sh"
noveda_wine_prefix
dir="$NOVEDA_ROOT/build/e2e"
mkdir -p "$dir"
file="$dir/koi8.txt"
printf 'Привет, мир\r\nвторая строка\r\n' | iconv -f utf-8 -t koi8-r > "$file"
expected=$(printf 'Жук Привет, мир\r\nвторая строка\r\n' | iconv -f utf-8 -t koi8-r | od -An -tx1)

key='HKCU\Software\Kelmon\Noveda\View'
"$NOVEDA_WINE" reg add "$key" /v Encoding /t REG_DWORD /d 5 /f >/dev/null 2>&1 # detect the code page
noveda_start "$("$NOVEDA_WINE" winepath -w "$file")"
window=$(noveda_wait_window)
# A click into the document window gives it the keyboard; Ctrl+Home puts
# the caret back at the start.
xdotool mousemove --window "$window" 300 250 click 1
sleep 0.3
xdotool key ctrl+Home
xdotool type --delay 60 'Жук '
sleep 0.5
xdotool key ctrl+s
sleep 1
noveda_screenshot "$dir/type_and_save_koi8.png"
status=0
noveda_close "$window" || status=$?
"$NOVEDA_WINE" reg delete "$key" /v Encoding /f >/dev/null 2>&1 || true

actual=$(od -An -tx1 "$file")
if [ "$actual" != "$expected" ]; then
  echo "the saved bytes differ:" >&2
  echo "expected: $expected" >&2
  echo "actual:   $actual" >&2
  exit 1
fi
[ "$status" -eq 0 ] || { echo "the editor ended with exit code $status" >&2; exit 1; }
