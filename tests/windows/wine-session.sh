#!/usr/bin/env bash
# wine-session.sh <command> [arguments...]
# Runs a command on one private desktop shared by the Wine tests: an Xvfb on a free display
# with openbox, and one Wine prefix made once (wineboot, Wine's own Tahoma) whose wineserver
# stays up between programs, so each program starts in well under a second.
#
# The command sees:
#   DISPLAY              the private X server (1280 x 1024, 24 bits)
#   WINEPREFIX           the shared prefix; WINEDEBUG=-all; no Mono/Gecko installer dialog
#   KELDRA_WINE          the wine program that runs 64-bit programs
#   KELDRA_WINE_SESSION  1, so a test script started inside runs in this session
# Everything the session starts is stopped, and the prefix removed, when the command ends;
# the command's exit status is the session's. Every wait is bounded.
set -euo pipefail

[[ $# -ge 1 ]] || { echo "usage: $0 <command> [arguments...]" >&2; exit 2; }

wine=$(command -v /usr/lib/wine/wine64 wine64 wine | head -n 1) || true
[[ -n "$wine" ]] || { echo "wine-session: wine is not installed (scripts/install-deps.sh)" >&2; exit 1; }

work=$(mktemp -d "${TMPDIR:-/tmp}/keldra-wine-session.XXXXXX")
mkdir -p "$work/home"
export WINEPREFIX="$work/prefix" WINEDEBUG=-all KELDRA_WINE="$wine" KELDRA_WINE_SESSION=1
# No Mono/Gecko installer dialogs, no menu entries written for the prefix's programs.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# Wine reads command lines and file names as UTF-8 only in a UTF-8 locale.
export LANG=C.UTF-8 LC_ALL=C.UTF-8

xvfb_pid="" wm_pid=""
cleanup() {
  timeout 20 wineserver -k >/dev/null 2>&1 || true
  [[ -n "$wm_pid" ]] && kill "$wm_pid" 2>/dev/null || true
  [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

give_up() {
  echo "wine-session: $*" >&2
  exit 1
}

# until_true <seconds> <command...>: runs the command every 0.1 s until it succeeds.
until_true() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do
    ((SECONDS < deadline)) || return 1
    sleep 0.1
  done
}

# Xvfb picks a free display number itself and writes it once it accepts clients.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
until_true 30 test -s "$work/display" || give_up "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(head -n 1 "$work/display")"
HOME="$work/home" openbox --sm-disable >"$work/openbox.log" 2>&1 &
wm_pid=$!
until_true 30 xprop -root _NET_SUPPORTING_WM_CHECK >/dev/null 2>&1 || give_up "openbox did not start"

timeout 180 "$wine" wineboot -i >"$work/wineboot.log" 2>&1 ||
  give_up "wineboot failed: $(tail -n 5 "$work/wineboot.log")"
# Debian's Wine leaves its own Tahoma (fonts-wine) out of a new prefix, so "MS Shell Dlg"
# falls back to a face whose dialog units are 6 x 12 instead of Windows' 6 x 13; with the
# font in the prefix's Fonts folder the pages are laid out as on Windows.
for font in tahoma.ttf tahomabd.ttf; do
  if [[ -f "/usr/share/wine/fonts/$font" ]]; then
    cp "/usr/share/wine/fonts/$font" "$WINEPREFIX/drive_c/windows/Fonts/"
  fi
done
timeout 60 wineserver -w || true
# From here on the server outlives each program instead of starting again for the next.
wineserver -p

echo "wine-session: $DISPLAY, prefix $WINEPREFIX"
status=0
"$@" || status=$?
exit "$status"
