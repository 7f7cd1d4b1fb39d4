#!/usr/bin/env bash
# Builds the distribution from the Windows trees: dist/noveda-VERSION-setup.exe
# (NSIS) and dist/noveda-VERSION-portable.zip, the same files in both. The
# programs are the trees' optimised builds with their debug information
# stripped; the 64-bit Verbhook.dll comes from the win64 tree.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
version=$(sed -n 's/^#define NOVEDA_VERSION_TEXT "\(.*\)"$/\1/p' "$root/src/version.h")
[ -n "$version" ] || { echo "package.sh: no version in src/version.h" >&2; exit 1; }
"$root/scripts/build.sh" win32 win64 >/dev/null

stage=$root/build/dist-stage
rm -rf "$stage"
mkdir -p "$stage/x64" "$root/dist"
win32=$root/build/win32
for program in noveda.exe find.exe launcher.exe; do
  i686-w64-mingw32-strip -o "$stage/$program" "$win32/src/win32/$program"
done
i686-w64-mingw32-strip -o "$stage/Verbhook.dll" "$win32/shellext/Verbhook.dll"
x86_64-w64-mingw32-strip -o "$stage/x64/Verbhook.dll" "$root/build/win64/shellext/Verbhook.dll"
cp "$win32/src/win32/noveda.chm" "$root/installer/readme.txt" "$stage/"
cp -r "$root/data/." "$stage/"
cp "$root/src/win32/res/images/noveda.ico" "$stage/noveda.ico" # the setup's own icon, not shipped

setup=$root/dist/noveda-$version-setup.exe
portable=$root/dist/noveda-$version-portable.zip
makensis -V2 -DVERSION="$version" -DSTAGE="$stage" -DOUTFILE="$setup" "$root/installer/noveda.nsi"
rm -f "$portable"
(cd "$stage" && zip -qr "$portable" . -x noveda.ico)
echo "package.sh: $setup, $portable"
