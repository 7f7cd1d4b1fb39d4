#!/usr/bin/env bash
# Writes FILE with LINES lines of LENGTH bytes (cp1251 Russian-looking words
# and blanks) ended by CR LF. Usage: make-lines.sh FILE LINES LENGTH
set -euo pipefail
[ $# -eq 3 ] || { echo "usage: make-lines.sh FILE LINES LENGTH" >&2; exit 2; }
LC_ALL=C awk -v lines="$2" -v length_="$3" 'BEGIN {
  srand(7)
  for (i = 0; i < lines; i++) {
    s = ""
    while (length(s) < length_) {
      if (length(s) > 0 && rand() < 0.18) s = s " "
      else s = s sprintf("%c", 224 + int(rand() * 32))
    }
    printf "%s\r\n", s
  }
}' > "$1"
