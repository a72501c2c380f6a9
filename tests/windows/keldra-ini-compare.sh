#!/usr/bin/env bash
# keldra-ini-compare.sh LINUX_KELDRA_INI WINDOWS_KELDRA_INI_EXE
#
# Runs the same keldra-ini command lines with the Linux build and with the Windows build
# (under Wine), each on its own copy of the same settings file, and compares what they give:
# standard output and standard error byte for byte, the exit status, and the file's bytes
# afterwards. Where the system's own words for a failure differ, only the line up to the
# reason is compared. Exit status 0 when every case agrees, 1 otherwise.
#
# The cases: hand-written ones over a few encodings and folder names, then questions asked of
# every file of the settings test corpus (the fuzzer's seeds, the default file and the example
# game folder's files): each of its keys read as text and as a number, one changed, one added.
# Runs in the shared Wine test session (wine-session.sh).
set -euo pipefail

if [[ $# -ne 2 ]]; then
  echo "usage: $0 LINUX_KELDRA_INI WINDOWS_KELDRA_INI_EXE" >&2
  exit 2
fi
[[ -n "${KELDRA_WINE_SESSION:-}" ]] || exec "$(dirname "$0")/wine-session.sh" "$0" "$@"
root=$(cd "$(dirname "$0")/../.." && pwd)
linux=$(realpath "$1")
windows=$(realpath "$2")
wine=$KELDRA_WINE

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The settings files the cases start from.
fixtures=$work/fixtures
mkdir -p "$fixtures/cp1252" "$fixtures/utf8" "$fixtures/utf16" "$fixtures/missing" \
  "$fixtures/lf" "$fixtures/named"
printf '[VIDEO]\r\nSIZE_X=1280\r\nNAME="caf\xe9"\r\nODD=7abc\r\n; a note\r\n[SOUND]\r\n  VOLUME = 80 \r\nLONG=%s\r\n' \
  "$(printf 'L%.0s' {1..300})" >"$fixtures/cp1252/CONFIG.INI"
printf '\xef\xbb\xbf[VIDEO]\r\nSIZE_X=1024\r\nNAME=\xed\x95\x9c\xea\xb8\x80\r\n' \
  >"$fixtures/utf8/CONFIG.INI"
{ printf '\xff\xfe'; printf '[VIDEO]\r\nSIZE_X=800\r\nNAME=caf\xc3\xa9\r\n' | iconv -f UTF-8 -t UTF-16LE; } \
  >"$fixtures/utf16/CONFIG.INI"
printf '[VIDEO]\nSIZE_X=640\n[SOUND]\nVOLUME=5\n' >"$fixtures/lf/CONFIG.INI"
mkdir -p "$fixtures/named/Jeux_été_게임"
cp "$fixtures/lf/CONFIG.INI" "$fixtures/named/Jeux_été_게임/CONFIG.INI"

# One case a line: the fixture, whether standard error is compared only up to the reason
# ("reason") or whole ("exact"), then the arguments.
cases=$(cat <<'CASES'
cp1252 exact
cp1252 exact get CONFIG.INI VIDEO
cp1252 exact frobnicate CONFIG.INI VIDEO SIZE_X
cp1252 exact get CONFIG.INI VIDEO SIZE_X d extra
cp1252 exact get CONFIG.INI video name
cp1252 exact get CONFIG.INI VIDEO MISSING fallback
cp1252 exact get CONFIG.INI VIDEO MISSING
cp1252 exact get CONFIG.INI VIDEO LONG
cp1252 exact get CONFIG.INI sound volume
cp1252 exact get-int CONFIG.INI VIDEO SIZE_X
cp1252 exact get-int CONFIG.INI VIDEO ODD
cp1252 exact get-int CONFIG.INI VIDEO NAME 5
cp1252 exact get-int CONFIG.INI VIDEO MISSING -3
cp1252 exact get-int CONFIG.INI VIDEO SIZE_X notanumber
cp1252 exact set CONFIG.INI VIDEO SIZE_X
cp1252 exact set CONFIG.INI VIDEO SIZE_X 1920
cp1252 exact set CONFIG.INI SOUND VOLUME 0
cp1252 exact set CONFIG.INI SOUND TITLE 한
cp1252 exact set CONFIG.INI NEW KEY café
cp1252 exact set CONFIG.INI VIDEO NAME 
utf8 exact get CONFIG.INI VIDEO NAME
utf8 exact set CONFIG.INI VIDEO NAME 日本語
utf8 exact set CONFIG.INI VIDEO SIZE_X 1920
utf16 exact get CONFIG.INI VIDEO NAME
utf16 exact get-int CONFIG.INI VIDEO SIZE_X
utf16 exact set CONFIG.INI VIDEO NAME Ελληνικά
lf exact set CONFIG.INI SOUND VOLUME 9
lf exact set CONFIG.INI VIDEO SIZE_Y 480
missing exact get CONFIG.INI VIDEO SIZE_X 640
missing exact get-int CONFIG.INI VIDEO SIZE_X 640
missing exact set CONFIG.INI VIDEO SIZE_X 800
missing reason set nowhere/CONFIG.INI VIDEO SIZE_X 1
named exact get Jeux_été_게임/CONFIG.INI VIDEO SIZE_X
named exact set Jeux_été_게임/CONFIG.INI VIDEO SIZE_X 1024
named reason set Jeux_été_게임/gone/CONFIG.INI VIDEO SIZE_X 1
CASES
)

# The corpus: each file becomes a fixture of its own, and its keys give the questions.
corpus=("$root"/tests/fuzz/seeds/* "$root/res/CONFIG.INI" "$root"/examples/game-folder/*.INI)
# Up to twelve "SECTION KEY" pairs of plain names, in file order. Dropping NUL bytes reads
# the names of a UTF-16 file too; a CR alone ends a line as it does for the editor; the
# byte-order mark and other bytes before the first section's bracket are passed over.
pairs_of() {
  tr -d '\000' <"$1" | tr '\r' '\n' | LC_ALL=C sed '1s/^[^[]*\[/[/' | LC_ALL=C awk '
    /^[ \t]*\[[A-Za-z0-9_]+\]/ { s = $0; sub(/^[ \t]*\[/, "", s); sub(/\].*/, "", s); next }
    s != "" && /^[ \t]*[A-Za-z0-9_]+[ \t]*=/ { k = $0; sub(/=.*/, "", k); gsub(/[ \t]/, "", k);
                                              print s, k }' | head -n 12
}
for file in "${corpus[@]}"; do
  name=corpus-$(basename "$(dirname "$file")")-$(basename "$file")
  mkdir -p "$fixtures/$name"
  cp "$file" "$fixtures/$name/CONFIG.INI"
  first=""
  while read -r section key; do
    [[ -n $first ]] || first="$section $key"
    cases+=$'\n'"$name exact get CONFIG.INI $section $key"
    cases+=$'\n'"$name exact get-int CONFIG.INI $section $key 7"
  done < <(pairs_of "$file")
  [[ -z $first ]] || cases+=$'\n'"$name exact set CONFIG.INI $first 42"
  cases+=$'\n'"$name exact get CONFIG.INI VIDEO SIZE_X none"
  cases+=$'\n'"$name exact set CONFIG.INI KELDRA_TEST ADDED é한"
done

# Runs one build in a fresh copy of the fixture; leaves out, err, status and the file.
run() {
  local where=$1 fixture=$2
  shift 2
  rm -rf "$where"
  mkdir -p "$(dirname "$where")"
  cp -r "$fixtures/$fixture" "$where"
  local status=0
  if [[ $where == */linux ]]; then
    (cd "$where" && "$linux" "$@" >"$where.out" 2>"$where.err") || status=$?
  else
    (cd "$where" && "$wine" "$windows" "$@" >"$where.out" 2>"$where.err") || status=$?
  fi
  echo "$status" >"$where.status"
}

# The error line up to its last ": ", where the system's reason starts.
before_reason() {
  sed 's/\(.*\): .*/\1: /' "$1"
}

# Prints what differs between the two files; nothing when they are the same.
same() {
  local what=$1 linux_file=$2 windows_file=$3
  if cmp -s "$linux_file" "$windows_file"; then return 0; fi
  echo "  $what differs:"
  echo "    linux:   $(od -An -c "$linux_file" | tr -s ' \n' ' ' | head -c 300)"
  echo "    windows: $(od -An -c "$windows_file" | tr -s ' \n' ' ' | head -c 300)"
  return 1
}

failures=0
count=0
while IFS= read -r line; do
  read -r fixture stderr_rule rest <<<"$line"
  read -ra args <<<"${rest:-}"
  # A case line ending in a space gives an empty last argument.
  [[ $line == *" " ]] && args+=("")
  count=$((count + 1))
  run "$work/case/linux" "$fixture" "${args[@]}"
  run "$work/case/windows" "$fixture" "${args[@]}"
  L=$work/case/linux W=$work/case/windows
  differences=$(
    same "exit status" "$L.status" "$W.status"
    same "standard output" "$L.out" "$W.out"
    if [[ $stderr_rule == reason ]]; then
      same "standard error (up to the reason)" <(before_reason "$L.err") <(before_reason "$W.err")
    else
      same "standard error" "$L.err" "$W.err"
    fi
    if [[ -e $L/CONFIG.INI && -e $W/CONFIG.INI ]]; then
      same "CONFIG.INI afterwards" "$L/CONFIG.INI" "$W/CONFIG.INI"
    elif [[ -e $L/CONFIG.INI || -e $W/CONFIG.INI ]]; then
      echo "  CONFIG.INI is there afterwards on one side only"
    fi
  ) || true
  if [[ -z $differences ]]; then
    echo "same: $fixture keldra-ini ${args[*]}"
  else
    echo "DIFFERENT: $fixture keldra-ini ${args[*]}"
    echo "$differences"
    failures=$((failures + 1))
  fi
done <<<"$cases"

echo "keldra-ini-compare: $((count - failures)) of $count cases the same on Linux and Windows"
[[ $failures == 0 ]]
