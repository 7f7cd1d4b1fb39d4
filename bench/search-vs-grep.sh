#!/usr/bin/env bash
# The search cases next to grep on the same file, in one run: for each
# pattern, plain search against `grep -F -c` and the regular expression
# against `grep -E -c`, both in the C locale; grep's figure is its best of
# five runs. Counts differ where case folding finds more (Cyrillic capitals).
# Usage: search-vs-grep.sh FILE PATTERN...   (patterns in cp1251 bytes)
set -euo pipefail
[ $# -ge 2 ] || { echo "usage: search-vs-grep.sh FILE PATTERN..." >&2; exit 2; }
here=$(cd "$(dirname "$0")" && pwd)
bench=${NOVEDABENCH:-$here/../build/native/bench/novedabench}
file=$1; shift
bytes=$(stat -c %s "$file")
cat "$file" >/dev/null # into the page cache for both

grep_mbps() { # grep options...
  local best=0 start end lines
  for _ in 1 2 3 4 5; do
    start=$(date +%s%N)
    lines=$(LC_ALL=C grep "$@" "$file" || true)
    end=$(date +%s%N)
    best=$(( best == 0 || end - start < best ? end - start : best ))
  done
  awk -v b="$bytes" -v ns="$best" -v l="$lines" 'BEGIN { printf "mbps=%.2f lines=%s\n", b * 1e3 / ns, l }'
}

for pattern in "$@"; do
  printf 'pattern %s\n' "$(printf '%s' "$pattern" | iconv -f cp1251 -t utf-8)"
  printf '  noveda %s\n' "$("$bench" search "$file" "$pattern" | grep -o 'mbps=[^ ]*.*lines=[0-9]*' | sed 's/ rss_mb=[^ ]*//')"
  printf '  grep -F %s\n' "$(grep_mbps -F -c -e "$pattern")"
  printf '  regex  %s\n' "$("$bench" regex "$file" "$pattern" | grep -o 'mbps=[^ ]*.*' | sed 's/ rss_mb=[^ ]*//')"
  printf '  grep -E %s\n' "$(grep_mbps -E -c -e "$pattern")"
done
