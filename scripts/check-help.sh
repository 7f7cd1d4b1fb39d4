#!/usr/bin/env bash
# Checks a compiled help file: it has its contents and full-text index, and
# holds every topic the program's code names and every page its contents
# link to.
set -euo pipefail
chm=${1:?usage: check-help.sh noveda.chm}
root=$(cd "$(dirname "$0")/.." && pwd)
listing=$(chmls list "$chm" 2>/dev/null | awk '{ print $NF }' | sed 's|^/||')
status=0
need() { # name, why
  if ! grep -qxF "$1" <<<"$listing"; then
    echo "check-help: $chm lacks $1 ($2)" >&2
    status=1
  fi
}
need noveda.hhc "the contents"
need '$FIftiMain' "the full-text index"
for topic in $(grep -rhoE '"[A-Za-z0-9_]+\.htm"' "$root/src" | tr -d '"' | sort -u); do
  need "$topic" "named by the program"
done
for topic in $(grep -oE 'value="[A-Za-z0-9_]+\.htm"' "$root/help/noveda.hhc" | sed 's/value="//; s/"$//' | sort -u); do
  need "$topic" "in the contents"
done
[ "$status" -eq 0 ] && echo "check-help: $chm holds every topic"
exit "$status"
