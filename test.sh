#!/usr/bin/env bash
# Installs what is missing, builds every tree and runs every test: native
# (also under the sanitizers), under Wine, end to end, the setup program and
# the zip, and the fuzz targets briefly. Exits non-zero when anything fails.
set -uo pipefail
cd "$(dirname "$0")"
root=$(pwd)

scripts/install-deps.sh || { echo "test.sh: installing the packages failed" >&2; exit 1; }
source scripts/wine-env.sh # NOVEDA_WINE_BITS: whether this machine runs 32-bit programs

passed=0 failed=0
stage() { # name, command...
  local name=$1; shift
  echo "== $name"
  if "$@"; then
    echo "== $name: passed"; passed=$((passed + 1))
  else
    echo "== $name: FAILED"; failed=$((failed + 1))
  fi
}

native_tests() {
  scripts/build.sh native && ctest --test-dir build/native --output-on-failure -j "$(nproc)"
}
sanitized_tests() {
  scripts/build.sh sanitize && ctest --test-dir build/sanitize --output-on-failure -j "$(nproc)"
}
# The product is the 32-bit build. A machine that runs no 32-bit programs
# builds it all the same and runs the Windows tests in the 64-bit build.
wine_tests() {
  scripts/build.sh win32 || return 1
  if [ "$NOVEDA_WINE_BITS" = 64 ]; then
    echo "this machine runs no 32-bit programs: the Windows tests run in the 64-bit build (next stage)"
    return 0
  fi
  scripts/on-display.sh ctest --test-dir build/win32 --output-on-failure
}
# The 64-bit build: the shell extension's tests always (a 64-bit Explorer
# loads only a 64-bit handler), every Windows test where 32-bit ones cannot run.
windows_64() {
  scripts/build.sh win64 || return 1
  if [ ! -x /usr/lib/wine/wine64 ]; then
    echo "64-bit Wine is not installed here: the 64-bit build is built, its tests are not run"
    return 0
  fi
  if [ "$NOVEDA_WINE_BITS" = 64 ]; then
    scripts/on-display.sh ctest --test-dir build/win64 --output-on-failure
  else
    scripts/on-display.sh ctest --test-dir build/win64 --output-on-failure -R verbhook
  fi
}
end_to_end() {
  scripts/on-display.sh tests/e2e/run-all.sh
}
# The setup program and the zip, built and tried under Wine (they hold the
# 32-bit programs: a machine without 32-bit Wine only builds them).
distribution() {
  scripts/package.sh || return 1
  if [ "$NOVEDA_WINE_BITS" = 64 ]; then
    echo "this machine runs no 32-bit programs: the setup program is built, not tried"
    return 0
  fi
  scripts/on-display.sh tests/package/install.sh
}
fuzz_briefly() {
  scripts/build.sh fuzz && fuzz/run-all.sh "$root/build/fuzz" 30000
}

stage "include order of the core" scripts/check-floors.sh
stage "native tests" native_tests
stage "native tests under the sanitizers" sanitized_tests
stage "Windows tests under Wine" wine_tests
stage "64-bit build under 64-bit Wine" windows_64
stage "end-to-end tests" end_to_end
stage "distribution" distribution
stage "fuzz targets" fuzz_briefly

echo "test.sh: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
