#!/usr/bin/env bash
# novedabench's cases next to the peers installed here, on the same files in
# one run: a table of throughputs and ratios (noveda / peer; above 1 is
# faster), and the memory load holds as a multiple of the file.
# Usage: compare.sh FILE...   (cp1251 text; SEARCH and REGEX set the patterns)
set -euo pipefail
[ $# -ge 1 ] || { echo "usage: compare.sh FILE..." >&2; exit 2; }
here=$(cd "$(dirname "$0")" && pwd)
bench=${NOVEDABENCH:-$here/../build/native/bench/novedabench}
search=${SEARCH:-$(printf 'zzqq')}                        # finds nothing
regex=${REGEX:-$(printf '[\xe0-\xff]+\xee\xf1\xf2\xfc')} # [а-я]+ость in cp1251
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

peer_mbps() { # bytes command...: the best of three runs, in MB/s
  local bytes=$1 best=0 start end; shift
  for _ in 1 2 3; do
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1 || true
    end=$(date +%s%N)
    best=$(( best == 0 || end - start < best ? end - start : best ))
  done
  awk -v b="$bytes" -v ns="$best" 'BEGIN { printf "%.1f", b * 1e3 / ns }'
}
to_file() { # command...: runs it with its output in a file, as grep counts
  # all only then: writing to /dev/null, it stops at the first match.
  sh -c 'out=$1; shift; "$@" >"$out"' - "$scratch/out" "$@"
}
ours() { # case file [arg]: mbps and rss_mb of one novedabench run
  "$bench" "$@" | awk '/^case=/ { for (i = 1; i <= NF; i++) { split($i, kv, "="); v[kv[1]] = kv[2] }
                                  printf "%s %s\n", v["mbps"], v["rss_mb"] }'
}
row() { # job ours peer-name peer-mbps
  awk -v j="$1" -v o="$2" -v p="$3" -v m="$4" 'BEGIN { printf "%-10s %10.1f  %-22s %10.1f  %6.2fx\n", j, o, p, m, (m > 0 ? o / m : 0) }'
}

printf '%-10s %10s  %-22s %10s  %7s\n' job 'MB/s' peer 'MB/s' ratio
for file in "$@"; do
  bytes=$(stat -c %s "$file")
  cat "$file" >/dev/null # into the page cache for everyone
  echo "== $file ($bytes bytes, $(wc -l <"$file") lines)"
  read -r load rss < <(ours load "$file")
  row load "$load" cat "$(peer_mbps "$bytes" cat "$file")"
  row lines "$load" 'wc -l' "$(peer_mbps "$bytes" wc -l "$file")"
  read -r save _ < <(ours save "$file")
  row save "$save" 'cat > file' "$(peer_mbps "$bytes" sh -c 'cat "$1" > "$2"' - "$file" "$scratch/copy")"
  read -r convert _ < <(ours convert "$file")
  row convert "$convert" 'tr (byte table)' \
    "$(peer_mbps "$bytes" sh -c 'LC_ALL=C tr "\300-\377" "\340-\377\300-\337" < "$1"' - "$file")"
  row convert "$convert" 'iconv koi8-r cp1251' "$(peer_mbps "$bytes" iconv -f koi8-r -t cp1251 "$file")"
  read -r found _ < <(ours search "$file" "$search")
  row search "$found" 'grep -F -c' "$(peer_mbps "$bytes" to_file env LC_ALL=C grep -F -c -e "$search" "$file")"
  read -r matched _ < <(ours regex "$file" "$regex")
  row regex "$matched" 'grep -E -c' "$(peer_mbps "$bytes" to_file env LC_ALL=C grep -E -c -e "$regex" "$file")"
  if command -v vim >/dev/null; then
    row load "$load" 'vim -es (open, quit)' "$(peer_mbps "$bytes" vim -u NONE -es -c q "$file")"
  fi
  awk -v r="$rss" -v b="$bytes" 'BEGIN { printf "memory     %.2fx the file at the peak of load (%s MB)\n", r * 1048576 / b, r }'
done
