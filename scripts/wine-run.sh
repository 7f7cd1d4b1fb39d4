#!/usr/bin/env bash
# Runs a Windows program under Wine in the build tree's prefix; its exit code
# is the program's.
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
noveda_wine_prefix
exec "$NOVEDA_WINE" "$@"
