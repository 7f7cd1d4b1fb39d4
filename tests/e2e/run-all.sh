#!/usr/bin/env bash
# Runs every end-to-end script (on the X display it is given) and prints
# one closing line with the counts.
set -uo pipefail
passed=0 failed=0
for script in "$(dirname "$0")"/*.sh; do
  [ "$(basename "$script")" = run-all.sh ] && continue
  if bash "$script"; then
    passed=$((passed + 1)); echo "e2e $(basename "$script"): passed"
  else
    failed=$((failed + 1)); echo "e2e $(basename "$script"): FAILED"
  fi
done
echo "e2e: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
