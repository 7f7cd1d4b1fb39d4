#!/usr/bin/env bash
# The core's folders are floors, each built on those below it:
#   text < platform < settings < doc < tools < view < app
# A file may include headers of its own floor and the floors below, never
# above, and no core file includes a Windows header or the Windows side.
set -uo pipefail
cd "$(dirname "$0")/../src/core"
floors=(text platform settings doc tools view app)
status=0
for i in "${!floors[@]}"; do
  floor=${floors[$i]}
  above=("${floors[@]:$((i + 1))}")
  for upper in "${above[@]}"; do
    if grep -Hn "#include \"core/$upper/" "$floor"/* 2>/dev/null; then
      echo "check-floors: core/$floor includes core/$upper, a floor above it" >&2
      status=1
    fi
  done
done
if grep -rHn -e '#include <windows.h>' -e '#include "win32/' . ; then
  echo "check-floors: the core includes the Windows side" >&2
  status=1
fi
stray=$(find . -maxdepth 1 -type f)
if [ -n "$stray" ]; then
  echo "check-floors: files outside the floors: $stray" >&2
  status=1
fi
[ "$status" -eq 0 ] && echo "check-floors: the core's include order holds"
exit $status
