#!/usr/bin/env bash
# Runs a 64-bit Windows program under Wine in the 64-bit prefix; its exit
# code is the program's.
set -euo pipefail
NOVEDA_WINE_BITS=64
source "$(dirname "$0")/wine-env.sh"
noveda_wine_prefix
exec "$NOVEDA_WINE" "$@"
