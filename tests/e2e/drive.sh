# Drives the real program under a private Xvfb display with the keyboard and the mouse, as
# a child would. Sourced by the end-to-end scripts; needs xvfb, xdotool, x11-utils and
# imagemagick (import).

e2e_start_display() {
  # Xvfb picks a free display itself and names it once it is ready, so two displays
  # started on one machine (another test, a tour) never meet.
  local named
  named=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$named" >/dev/null 2>&1 &
  E2E_XVFB=$!
  for _ in $(seq 100); do
    if [ -s "$named" ]; then
      export DISPLAY=":$(head -1 "$named")"
      # The program must come up on this display, not on an offscreen one a caller chose.
      unset QT_QPA_PLATFORM
      rm -f "$named"
      xdpyinfo >/dev/null 2>&1 && return 0
    fi
    sleep 0.05
  done
  rm -f "$named"
  echo "Xvfb did not start" >&2
  return 1
}

e2e_stop() {
  [ -n "${E2E_BM:-}" ] && kill "$E2E_BM" 2>/dev/null
  [ -n "${E2E_XVFB:-}" ] && kill "$E2E_XVFB" 2>/dev/null
  wait 2>/dev/null || true
}

# e2e_start_bm BM ARGS...: starts the program alone (own lock folder) and waits for the
# title window.
e2e_start_bm() {
  local bm=$1; shift
  XDG_RUNTIME_DIR=$(mktemp -d) "$bm" "$@" >/dev/null 2>&1 &
  E2E_BM=$!
  e2e_wait_window "^Brimbelo v0\\.1$"
}

# e2e_ended: whether the program ended within five seconds; it is forgotten once it has.
e2e_ended() {
  for _ in $(seq 50); do
    kill -0 "$E2E_BM" 2>/dev/null || { E2E_BM=; return 0; }
    sleep 0.1
  done
  return 1
}

# e2e_wait_window REGEX: the id of the visible window whose title matches, once it is there.
e2e_wait_window() {
  local id
  # A search that times out must still reach the message below.
  id=$(timeout 20 xdotool search --sync --onlyvisible --name "$1" 2>/dev/null | head -1) || true
  if [ -z "$id" ]; then
    echo "window '$1' did not appear" >&2
    return 1
  fi
  sleep 0.3   # let it paint
  echo "$id"
}

e2e_visible() {
  xdotool search --onlyvisible --name "$1" >/dev/null 2>&1
}

e2e_key() {
  xdotool key --delay 60 "$@"
  sleep 0.15
}

e2e_type() {
  xdotool type --delay 40 "$1"
  sleep 0.15
}

# e2e_menu MENU ITEM: opens entry ITEM (0-based, separators not counted) of menu MENU
# (0-based) of the title window's menu bar with the keyboard.
e2e_menu() {
  local menu=$1 item=$2
  e2e_key alt
  for _ in $(seq "$menu"); do e2e_key Right; done
  e2e_key Down
  for _ in $(seq "$item"); do e2e_key Down; done
  e2e_key Return
}

# e2e_click WINDOW X Y: a left click at (X, Y) inside the window.
e2e_click() {
  xdotool mousemove --window "$1" "$2" "$3" click 1
  sleep 0.2
}

# e2e_shot FOLDER NAME: a screenshot of the whole screen.
e2e_shot() {
  import -window root "$1/$2.png"
}
