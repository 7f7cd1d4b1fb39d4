#!/usr/bin/env bash
# A KOI8-R file and a UTF-8 file open through detection; typed Cyrillic
# letters reach each file in its own encoding after Ctrl+S.
set -euo pipefail
source "$(dirname "$0")/../../scripts/noveda-session.sh"
noveda_wine_prefix
noveda_map_keysyms Cyrillic_ZHE Cyrillic_u Cyrillic_ka
dir="$NOVEDA_ROOT/build/e2e"
mkdir -p "$dir"
key='HKCU\Software\Kelmon\Noveda\View'
"$NOVEDA_WINE" reg add "$key" /v Encoding /t REG_DWORD /d 5 /f >/dev/null 2>&1 # detect the code page

# NAME ENCODING: the file dir/NAME.txt, written and expected in ENCODING
# (an iconv name).
type_and_save() {
  local file="$dir/$1.txt"
  printf 'Привет, мир\r\nвторая строка\r\n' | iconv -f utf-8 -t "$2" > "$file"
  local expected
  expected=$(printf 'Жук Привет, мир\r\nвторая строка\r\n' | iconv -f utf-8 -t "$2" | od -An -tx1)
  noveda_start "$("$NOVEDA_WINE" winepath -w "$file")"
  local window status=0
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
  noveda_screenshot "$dir/type_and_save_$1.png"
  noveda_close "$window" || status=$?
  noveda_expect_bytes "$file" "$expected" "$1" || return 1
  [ "$status" -eq 0 ] || { echo "$1: the editor ended with exit code $status" >&2; return 1; }
}

result=0
type_and_save koi8 koi8-r || result=1
type_and_save utf8 utf-8 || result=1
"$NOVEDA_WINE" reg delete "$key" /v Encoding /f >/dev/null 2>&1 || true
exit "$result"
