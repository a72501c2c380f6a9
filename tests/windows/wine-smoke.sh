#!/usr/bin/env bash
# wine-smoke.sh <keldra-config.exe> <default CONFIG.INI>
# Starts the Windows build of the editor under Wine on the Wine tests' private desktop
# (wine-session.sh), in an empty game folder, and checks what a player sees and what lands
# on disk:
#  - a window titled "Keldra", 456 x 653, shaped (its cut-away corner is not the window);
#  - the default CONFIG.INI written byte for byte;
#  - OK saves and ends the editor;
#  - a second start, on a file of its own, left with Escape writes nothing.
# Every wait is bounded.
set -euo pipefail

[[ $# -eq 2 ]] || { echo "usage: $0 <keldra-config.exe> <default CONFIG.INI>" >&2; exit 2; }
program=$(realpath "$1")
default_config=$(realpath "$2")

# Runs on the Wine tests' shared desktop and prefix; starts one when run on its own.
[[ -n "${KELDRA_WINE_SESSION:-}" ]] || exec "$(dirname "$0")/wine-session.sh" "$0" "$@"
wine=$KELDRA_WINE

work=$(mktemp -d "${TMPDIR:-/tmp}/keldra-wine.XXXXXX")
game="$work/game"
mkdir -p "$game"

editor_pid=""
cleanup() {
  [[ -n "$editor_pid" ]] && kill "$editor_pid" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

failures=0
pass() { echo "ok   $*"; }
fail() { echo "FAIL $*"; failures=$((failures + 1)); }
give_up() { echo "FAIL $*"; exit 1; }

# until <seconds> <command...>: runs the command every 0.1 s until it succeeds.
until_true() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do
    ((SECONDS < deadline)) || return 1
    sleep 0.1
  done
}

start_editor() {
  (cd "$game" && exec "$wine" "$program") >"$work/editor.log" 2>&1 &
  editor_pid=$!
  window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Keldra$' | head -n 1) ||
    give_up "no window titled Keldra within 60 s: $(cat "$work/editor.log")"
}

# Waits up to 20 s for the editor to end; its exit status is in $exit_status.
wait_for_exit() {
  exit_status=""
  if ! until_true 20 bash -c "! kill -0 $editor_pid 2>/dev/null"; then
    fail "$1: the editor is still running after 20 s"
    kill "$editor_pid" 2>/dev/null || true
    wait "$editor_pid" 2>/dev/null || true
    editor_pid=""
    return
  fi
  exit_status=0
  wait "$editor_pid" || exit_status=$?
  editor_pid=""
}

# The child of the root window that holds the window (the window manager's frame).
parent_of() {
  xwininfo -tree -id "$1" | sed -n 's/^ *Parent window id: \(0x[0-9a-f]*\).*/\1/p'
}
top_level_of() {
  local id=$1 root parent depth
  root=$(xwininfo -root | sed -n 's/^xwininfo: Window id: \(0x[0-9a-f]*\).*/\1/p')
  for depth in 1 2 3 4 5 6 7 8; do
    parent=$(parent_of "$id")
    [[ -n "$parent" && $((parent)) -ne 0 ]] || break
    if (($((parent)) == $((root)))); then
      echo $((id))
      return
    fi
    id=$parent
  done
  echo 0
}

window_under_pointer_at() {
  xdotool mousemove "$1" "$2"
  xdotool getmouselocation --shell | sed -n 's/^WINDOW=//p'
}

check_window() {
  local name geometry shape frame left top
  name=$(xdotool getwindowname "$window")
  [[ "$name" == "Keldra" ]] && pass "title is Keldra" || fail "title is '$name'"
  geometry=$(xdotool getwindowgeometry --shell "$window")
  eval "$geometry" # X Y WIDTH HEIGHT
  [[ "$WIDTH x $HEIGHT" == "456 x 653" ]] && pass "size is 456 x 653" ||
    fail "size is $WIDTH x $HEIGHT, not 456 x 653"
  shape=$(xwininfo -shape -id "$window" | sed -n 's/^ *Window shape extents: *//p')
  if [[ -n "$shape" ]]; then
    pass "shaped, its shape's extents $shape"
  else
    fail "the window has no shape"
  fi
  frame=$(top_level_of "$window")
  left=$X top=$Y
  [[ "$(window_under_pointer_at "$left" "$top")" != "$frame" ]] &&
    pass "the cut-away top-left corner is not the window" ||
    fail "the top-left corner belongs to the window"
  [[ "$(window_under_pointer_at $((left + 228)) $((top + 300)))" == "$frame" ]] &&
    pass "the window's middle is the window" || fail "the window's middle is not the window"
}

echo "== Wine smoke test of $(basename "$program")"
# First start: the default file, the window, then OK.
start_editor
check_window
if cmp -s "$game/CONFIG.INI" "$default_config"; then
  pass "the default CONFIG.INI was written byte for byte"
else
  fail "CONFIG.INI is not the default: $(cmp "$game/CONFIG.INI" "$default_config" 2>&1)"
fi
xdotool mousemove --window "$window" 317 625 click 1 # OK
wait_for_exit "OK"
[[ "$exit_status" == 0 ]] && pass "OK ended the editor" || fail "OK: exit status '$exit_status'"
# The default file lacks some of the pages' keys; OK writes every page's values.
if ! cmp -s "$game/CONFIG.INI" "$default_config" &&
  grep -q $'^WATER=FALSE\r$' "$game/CONFIG.INI"; then
  pass "OK saved the pages' values"
else
  fail "OK did not save the pages' values"
fi

# Second start: Escape leaves without writing. The file is one OK would add to, so a save
# cannot hide behind unchanged bytes.
printf '[VIDEO]\r\nSIZE_X=800\r\n' >"$game/CONFIG.INI"
cp "$game/CONFIG.INI" "$work/saved.ini"
start_editor
timeout 10 xdotool windowactivate --sync "$window" || true
xdotool key Escape
wait_for_exit "Escape"
[[ "$exit_status" == 0 ]] && pass "Escape ended the editor" ||
  fail "Escape: exit status '$exit_status'"
cmp -s "$game/CONFIG.INI" "$work/saved.ini" && pass "Escape wrote nothing" ||
  fail "Escape changed CONFIG.INI"

if ((failures > 0)); then
  echo "== Wine smoke test: $failures failed"
  exit 1
fi
echo "== Wine smoke test passed"
