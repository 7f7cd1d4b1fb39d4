#!/usr/bin/env bash
# Configures (once) and builds one tree: native, sanitize, win32, win64 or fuzz.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc)

configure() { # dir, cmake arguments...
  local dir=$1; shift
  [ -f "$dir/build.ninja" ] || cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
}

for tree in "$@"; do
  case "$tree" in
    native)   configure "$root/build/native" ;;
    sanitize) configure "$root/build/sanitize" -DNOVEDA_SANITIZE=ON ;;
    win32)    configure "$root/build/win32" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" ;;
    win64)    configure "$root/build/win64" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-x86_64.cmake" ;;
    fuzz)     configure "$root/build/fuzz" -DNOVEDA_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ ;;
    *) echo "build.sh: unknown tree '$tree' (native, sanitize, win32, win64, fuzz)" >&2; exit 2 ;;
  esac
  cmake --build "$root/build/$tree" -j "$jobs"
done
