#!/usr/bin/env bash
# Runs a command on a fresh virtual X display (1024x768, the size of the Wine
# desktop). Wine programs of the build's prefix end with the display, so the
# next session starts with a Wine that knows the display it is on.
set -uo pipefail
source "$(dirname "$0")/wine-env.sh"
noveda_wine_prefix
xvfb-run -a -s "-screen 0 1024x768x24" "$@"
status=$?
wineserver -k 2>/dev/null
exit $status
