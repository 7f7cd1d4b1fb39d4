#!/usr/bin/env bash
# Runs a Windows program under Wine as on a screen of the given DPI (the
# prefix's LogPixels), then gives the prefix back its 96 DPI.
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
dpi=$1
shift
noveda_wine_prefix
set_dpi() {
  "$NOVEDA_WINE" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
}
trap 'set_dpi 96' EXIT
set_dpi "$dpi"
"$NOVEDA_WINE" "$@"
