#!/usr/bin/env bash
# The setup program and the portable zip of dist/, under Wine in a prefix of
# their own: a silent per-user install that starts, an upgrade that keeps the
# settings and favorites, a silent uninstall that leaves nothing of ours but
# them, an all-users install whose "Open with Noveda" item opens a file in
# the installed editor through its registration, an uninstall that removes
# the settings on request, and the zip started from where it was unpacked.
# Runs on an X display (scripts/on-display.sh).
set -uo pipefail
source "$(dirname "$0")/../../scripts/noveda-session.sh"
export WINEPREFIX=$NOVEDA_ROOT/build/$NOVEDA_WINDOWS_TREE/install-prefix
rm -rf "$WINEPREFIX" "$WINEPREFIX.lock"
noveda_wine_prefix
version=$(sed -n 's/^#define NOVEDA_VERSION_TEXT "\(.*\)"$/\1/p' "$NOVEDA_ROOT/src/version.h")
setup=$NOVEDA_ROOT/dist/noveda-$version-setup.exe
portable=$NOVEDA_ROOT/dist/noveda-$version-portable.zip
user_uninstall='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Noveda'
machine_uninstall='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Noveda'
general='HKCU\Software\Kelmon\Noveda\General'
view='HKCU\Software\Kelmon\Noveda\View'
handler_class='{5B0E21D4-3C77-4A1E-9F02-6D8A41C3E7B9}'
status=0

fail() { echo "install: $*" >&2; status=1; }
value() { # key name: its data, empty when missing
  "$NOVEDA_WINE" reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' |
    awk -F 'REG_SZ|REG_DWORD' 'NF > 1 { sub(/^[ \t]+/, "", $2); print $2 }'
}
has_key() { "$NOVEDA_WINE" reg query "$1" >/dev/null 2>&1; }
unix() { "$NOVEDA_WINE" winepath -u "$1" 2>/dev/null | tr -d '\r'; }
run() { "$NOVEDA_WINE" "$@" >/dev/null 2>&1; wineserver -w; } # the uninstaller runs on as a copy of itself
shortcut() { find "$WINEPREFIX/drive_c" -path '*Start Menu*' -name Noveda.lnk | grep -q .; }
starts() { # folder (unix): noveda.exe there shows its window and ends with exit code 0
  NOVEDA_EXE=$1/noveda.exe noveda_start
  local window
  window=$(noveda_wait_window) || { fail "noveda.exe in $1 showed no window"; return; }
  noveda_close "$window" || fail "noveda.exe in $1 did not end well"
}
shipped=(noveda.exe find.exe launcher.exe Verbhook.dll x64/Verbhook.dll noveda.chm readme.txt russian.lng
         russian.kbd gost.ttb html.lib highlight/c.hgh)

[ -f "$setup" ] && [ -f "$portable" ] || { echo "install: no $setup or $portable (scripts/package.sh)" >&2; exit 1; }

# For this user: no administrator rights, into the user's programs folder.
run "$setup" /S
folder=$(value "$user_uninstall" InstallLocation)
case "$folder" in *'\AppData\Local\Programs\Noveda') ;; *) fail "per-user folder is '$folder'" ;; esac
dir=$(unix "$folder")
for file in "${shipped[@]}" uninstall.exe; do [ -f "$dir/$file" ] || fail "$file is not in $dir"; done
shortcut || fail "no Start-menu shortcut"
[ "$(value "$general" ExecPath)" = "$folder\\noveda.exe" ] || fail "ExecPath is '$(value "$general" ExecPath)'"
[ "$(value "$user_uninstall" DisplayVersion)" = "$version" ] || fail "Add/Remove Programs does not show $version"
has_key "$machine_uninstall" && fail "a per-user install wrote the machine's uninstall key"
starts "$dir"

# An upgrade over it keeps the user's settings and favorites.
"$NOVEDA_WINE" reg add "$view" /v Encoding /t REG_DWORD /d 3 /f >/dev/null 2>&1
echo 'a favorite' > "$dir/favorite.dat"
run "$setup" /S
[ "$(value "$user_uninstall" InstallLocation)" = "$folder" ] || fail "the upgrade went elsewhere"
[ "$(value "$view" Encoding)" = 0x3 ] || fail "the upgrade lost a setting"
[ -f "$dir/favorite.dat" ] || fail "the upgrade lost the favorites"

# Uninstalled silently: only the settings and the favorites stay.
run "$folder\\uninstall.exe" /S
left=$(cd "$dir" 2>/dev/null && find . -type f | sort | tr '\n' ' ')
[ "$left" = "./favorite.dat " ] || fail "the uninstall left '$left'"
shortcut && fail "the uninstall left the shortcut"
has_key "$user_uninstall" && fail "the uninstall left its key"
[ -z "$(value "$general" ExecPath)" ] || fail "the uninstall left ExecPath"
[ "$(value "$view" Encoding)" = 0x3 ] || fail "the uninstall removed the settings unasked"
rm -rf "$dir"

# For all users, with the Explorer item: the shell finds the handler through
# its registration, and it opens the file in the installed editor.
run "$setup" /S /AllUsers /CONTEXTITEM
folder=$(value "$machine_uninstall" InstallLocation)
dir=$(unix "$folder")
[ -f "$dir/noveda.exe" ] || fail "the all-users install put no noveda.exe in '$folder'"
server="HKLM\\Software\\Classes\\CLSID\\$handler_class\\InProcServer32"
[ "$(value "$server" '')" = "$folder\\Verbhook.dll" ] || fail "Verbhook.dll is registered as '$(value "$server" '')'"
[ "$(value 'HKLM\Software\Classes\*\shellex\ContextMenuHandlers\Noveda' '')" = "$handler_class" ] ||
  fail "the Explorer item is not registered"
text="$WINEPREFIX/drive_c/shell open.txt"
printf 'opened from the Explorer menu\r\n' > "$text"
NOVEDA_SHELL_FILE='C:\shell open.txt' "$NOVEDA_WINE" "$NOVEDA_ROOT/build/$NOVEDA_WINDOWS_TREE/shellext/verbhook_tests.exe" \
  --gtest_filter='RegisteredVerbhook.*' >/dev/null 2>&1 || fail "the registered handler failed"
window=$(timeout 60 xdotool search --sync --name '^Noveda - .*shell open' 2>/dev/null | head -n 1)
if [ -n "$window" ]; then
  sleep 1
  noveda_screenshot "$NOVEDA_ROOT/build/e2e/installed_open_with.png"
  xdotool mousemove --window "$window" 200 200 click 1 key alt+F4
  wineserver -w
else
  fail "the Explorer item opened no editor with the file"
fi

# Uninstalled with the settings: nothing of ours is left.
run "$folder\\uninstall.exe" /S /REMOVESETTINGS
[ -e "$dir" ] && fail "the all-users uninstall left $dir"
has_key "HKLM\\Software\\Classes\\CLSID\\$handler_class" && fail "the uninstall left the handler's class"
has_key 'HKLM\Software\Classes\*\shellex\ContextMenuHandlers\Noveda' && fail "the uninstall left the Explorer item"
has_key "$machine_uninstall" && fail "the uninstall left its key"
has_key 'HKCU\Software\Kelmon\Noveda' && fail "the settings stayed though asked away"

# The zip runs from wherever it is unpacked (the editor has run before).
"$NOVEDA_WINE" reg add "$general" /v Version /t REG_DWORD /d 310 /f >/dev/null 2>&1
unpacked="$WINEPREFIX/drive_c/unpacked Noveda"
mkdir -p "$unpacked" && unzip -q "$portable" -d "$unpacked"
for file in "${shipped[@]}"; do [ -f "$unpacked/$file" ] || fail "the zip lacks $file"; done
starts "$unpacked"

wineserver -k 2>/dev/null
[ "$status" -eq 0 ] && echo "install: setup, upgrade, uninstall and the zip work"
exit "$status"
