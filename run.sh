#!/usr/bin/env bash
# Installs what is missing, builds the editor and starts it under Wine with
# the files given. Without a display it runs on a virtual one, writes a
# screenshot of the running program to build/screenshot.png and closes it.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
scripts/build.sh win32 >/dev/null

source scripts/noveda-session.sh
noveda_wine_prefix
arguments=()
for file in "$@"; do
  arguments+=("$(winepath -w "$file" 2>/dev/null || echo "$file")")
done

if [ -n "${DISPLAY:-}" ]; then
  exec wine "$NOVEDA_EXE" "${arguments[@]}"
fi
exec xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  source scripts/noveda-session.sh
  noveda_start "$@"
  window=$(noveda_wait_window)
  noveda_screenshot build/screenshot.png
  echo "screenshot: build/screenshot.png"
  noveda_close "$window"
' run.sh "${arguments[@]}"
