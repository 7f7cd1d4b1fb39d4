# Sourced by scripts that drive the real editor under Wine on an X display:
# start it, wait for its main window, take a screenshot, close it, check
# the bytes it saved.
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
NOVEDA_EXE=${NOVEDA_EXE:-$NOVEDA_ROOT/build/$NOVEDA_WINDOWS_TREE/src/win32/noveda.exe}

noveda_start() { # [arguments...]; sets NOVEDA_PID
  noveda_wine_prefix
  "$NOVEDA_WINE" "$NOVEDA_EXE" "$@" &
  NOVEDA_PID=$!
}

noveda_wait_window() { # prints the X window id of the main window
  local id
  id=$(timeout 60 xdotool search --sync --name '^Noveda( - |$)' 2>/dev/null | head -n 1) || true
  [ -n "$id" ] || { echo "the editor's window did not appear" >&2; return 1; }
  sleep 1 # let it paint
  echo "$id"
}

# Puts the keysyms on unused keys of the display's keyboard, before the
# editor starts, so that xdotool types them without changing the keyboard
# mapping key by key (a race that under Wine now and then loses a letter).
noveda_map_keysyms() { # keysym...
  local free keysym
  free=($(xmodmap -pke | awk 'NF == 3 && $1 == "keycode" && $2 > 8 { print $2 }'))
  [ "${#free[@]}" -ge "$#" ] || { echo "no free keys for $*" >&2; return 1; }
  for keysym in "$@"; do
    xmodmap -pke | grep -qw "$keysym" && continue
    xmodmap -e "keycode ${free[0]} = $keysym"
    free=("${free[@]:1}")
  done
}

# Presses a key in a window until the window is gone: a key sent before
# Wine has given the new window the focus lands nowhere.
noveda_key_until_gone() { # window-id key
  local try i
  for try in 1 2 3 4 5; do
    xdotool windowfocus --sync "$1" 2>/dev/null || true
    xdotool key "$2"
    for i in $(seq 50); do
      xdotool getwindowname "$1" >/dev/null 2>&1 || return 0
      sleep 0.1
    done
  done
  echo "the window stayed after $2 was pressed five times" >&2
  return 1
}

noveda_screenshot() { # file
  mkdir -p "$(dirname "$1")"
  import -window root "$1"
}

noveda_close() { # window id; returns the editor's exit code
  xdotool mousemove --window "$1" 200 200 click 1
  xdotool key alt+F4
  local i
  for i in $(seq 100); do
    kill -0 "$NOVEDA_PID" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$NOVEDA_PID" 2>/dev/null; then
    echo "the editor did not end after Alt+F4" >&2
    kill "$NOVEDA_PID"
    return 1
  fi
  wait "$NOVEDA_PID"
}

noveda_expect_bytes() { # file expected-od-hex label; says how they differ
  local actual
  actual=$(od -An -tx1 "$1")
  [ "$actual" = "$2" ] && return 0
  echo "$3: the saved bytes differ:" >&2
  echo "expected: $2" >&2
  echo "actual:   $actual" >&2
  return 1
}
