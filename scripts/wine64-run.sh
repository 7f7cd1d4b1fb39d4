#!/usr/bin/env bash
# Runs a 64-bit Windows program under Wine in a 64-bit prefix of its own;
# its exit code is the program's.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX=$root/build/win64/wineprefix WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$(dirname "$WINEPREFIX")"
(
  flock 9
  [ -f "$WINEPREFIX/.noveda-ready" ] || { wineboot -i >/dev/null 2>&1; wineserver -w; touch "$WINEPREFIX/.noveda-ready"; }
) 9>"$WINEPREFIX.lock"
exec wine "$@"
