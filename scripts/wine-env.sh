# Sourced by the scripts that run Windows programs: a Wine prefix inside the
# build tree, quiet, without installer dialogs, set up once.
#
# Some machines run no 32-bit programs at all (a kernel without 32-bit
# support, where 32-bit Wine fails with "Exec format error"). There the
# program and its tests run as their 64-bit build, in a 64-bit prefix:
# NOVEDA_WINE_BITS says which (64 may also be asked for, as wine64-run.sh does).
NOVEDA_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
if [ -z "${NOVEDA_WINE_BITS:-}" ]; then
  if /usr/lib/wine/wine --version >/dev/null 2>&1; then NOVEDA_WINE_BITS=32; else NOVEDA_WINE_BITS=64; fi
fi
export NOVEDA_WINE_BITS
# Every script runs Windows programs with "$NOVEDA_WINE": the launcher
# "wine" would try the 32-bit loader first.
if [ "$NOVEDA_WINE_BITS" = 64 ]; then
  NOVEDA_WINDOWS_TREE=win64
  NOVEDA_WINE=/usr/lib/wine/wine64
  export WINEARCH=win64 WINELOADER=/usr/lib/wine/wine64
else
  NOVEDA_WINDOWS_TREE=win32
  NOVEDA_WINE=wine
  export WINEARCH=win32
  unset WINELOADER
fi
# Each tree has its prefix, whatever a calling script chose for itself.
export WINEPREFIX=$NOVEDA_ROOT/build/$NOVEDA_WINDOWS_TREE/wineprefix
export WINEDEBUG=-all
# A mapi32.dll beside a program (the tests' fake mail library) comes before
# the system's own, as on Windows.
export WINEDLLOVERRIDES="mscoree,mshtml=;mapi32=n,b"

noveda_wine_prefix() {
  mkdir -p "$(dirname "$WINEPREFIX")"
  (
    flock 9
    [ -f "$WINEPREFIX/.noveda-prefix-2" ] && exit 0
    "$NOVEDA_WINE" wineboot -i >/dev/null 2>&1
    # Text metrics of a fixed-pitch font wherever the program asks for Courier New.
    "$NOVEDA_WINE" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Courier New' /d 'Liberation Mono' /f >/dev/null 2>&1
    # One virtual desktop of fixed size, so that screenshots are stable.
    "$NOVEDA_WINE" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
    "$NOVEDA_WINE" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
    # The editor has run before in this prefix: its first-start window stays
    # away (the test that wants it clears the value).
    "$NOVEDA_WINE" reg add 'HKCU\Software\Kelmon\Noveda\General' /v Version /t REG_DWORD /d 310 /f >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.noveda-prefix-2"
  ) 9>"$WINEPREFIX.lock"
}
