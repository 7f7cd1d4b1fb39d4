# Sourced by the scripts that run Windows programs: a Wine prefix inside the
# build tree, quiet, without installer dialogs, set up once.
NOVEDA_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX=${WINEPREFIX:-$NOVEDA_ROOT/build/win32/wineprefix}
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win32

noveda_wine_prefix() {
  mkdir -p "$(dirname "$WINEPREFIX")"
  (
    flock 9
    [ -f "$WINEPREFIX/.noveda-ready" ] && exit 0
    wineboot -i >/dev/null 2>&1
    # Text metrics of a fixed-pitch font wherever the program asks for Courier New.
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Courier New' /d 'Liberation Mono' /f >/dev/null 2>&1
    # One virtual desktop of fixed size, so that screenshots are stable.
    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.noveda-ready"
  ) 9>"$WINEPREFIX.lock"
}
