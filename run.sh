#!/usr/bin/env bash
# Installs what is missing, builds the editor and starts it under Wine with
# the files given. Without a display it runs on a virtual one, writes a
# screenshot of the running program to build/screenshot.png and closes it.
set -euo pipefail
cd "$(dirname "$0")"

if [ -z "${NOVEDA_ON_DISPLAY:-}" ]; then
  scripts/install-deps.sh
  source scripts/wine-env.sh # which build this machine's Wine runs
  scripts/build.sh "$NOVEDA_WINDOWS_TREE" >/dev/null
  export NOVEDA_ON_DISPLAY=1
  [ -n "${DISPLAY:-}" ] && exec "$0" "$@"
  export NOVEDA_SCREENSHOT=build/screenshot.png
  exec scripts/on-display.sh "$0" "$@"
fi

source scripts/noveda-session.sh
arguments=()
for file in "$@"; do
  arguments+=("$("$NOVEDA_WINE" winepath -w "$file")")
done
if [ -z "${NOVEDA_SCREENSHOT:-}" ]; then
  noveda_wine_prefix
  exec "$NOVEDA_WINE" "$NOVEDA_EXE" "${arguments[@]}"
fi
noveda_start "${arguments[@]}"
window=$(noveda_wait_window)
noveda_screenshot "$NOVEDA_SCREENSHOT"
echo "screenshot: $NOVEDA_SCREENSHOT"
noveda_close "$window"
