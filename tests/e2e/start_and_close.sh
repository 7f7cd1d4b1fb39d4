#!/usr/bin/env bash
# The editor starts, shows its main window and ends with exit code 0 when
# the window is closed.
set -euo pipefail
source "$(dirname "$0")/../../scripts/noveda-session.sh"
noveda_start
window=$(noveda_wait_window)
noveda_screenshot "$NOVEDA_ROOT/build/e2e/start_and_close.png"
status=0
noveda_close "$window" || status=$?
[ "$status" -eq 0 ] || { echo "the editor ended with exit code $status" >&2; exit 1; }
