#!/usr/bin/env bash
# Runs every fuzz target in the build directory over a working copy of its
# seed corpus. Usage: run-all.sh BUILD_DIR [RUNS [SEED]]
# With a fixed seed and a number of runs the result is the same on every
# machine, so the test suite cannot turn red by chance; longer runs by hand
# use another seed, or -max_total_time directly on a target.
set -uo pipefail
build=$1 runs=${2:-30000} seed=${3:-1}
here=$(cd "$(dirname "$0")" && pwd)
status=0
for target in $(find "$build" -name '*_fuzz' -type f -perm -u+x | sort); do
  name=$(basename "$target")
  corpus="$build/corpus/$name"
  mkdir -p "$corpus"
  [ -d "$here/corpus/$name" ] && cp -n "$here/corpus/$name"/* "$corpus"/ 2>/dev/null
  if "$target" -runs="$runs" -seed="$seed" -artifact_prefix="$build/$name-" -print_final_stats=0 "$corpus" \
      >"$build/$name.log" 2>&1; then
    echo "fuzz $name: $(ls "$corpus" | wc -l) inputs, no fault"
  else
    echo "fuzz $name: FAULT (see $build/$name.log)"; tail -n 30 "$build/$name.log"; status=1
  fi
done
exit $status
