#!/usr/bin/env bash
# check-imports.sh <program.exe>...: fails unless every DLL each Windows program imports is
# one that Windows itself ships. The programs are linked statically, so a MinGW runtime DLL
# (libstdc++-6.dll, libgcc_s_seh-1.dll, libwinpthread-1.dll) in the import table means the
# .exe would not start on a machine without MinGW.
set -euo pipefail

objdump=${OBJDUMP:-x86_64-w64-mingw32-objdump}

# DLLs of Windows' own System32 that a Win32 GUI or console program may use.
system_dll() {
  case "${1,,}" in
    kernel32.dll | user32.dll | gdi32.dll | comctl32.dll | comdlg32.dll | shell32.dll | \
      ole32.dll | oleaut32.dll | advapi32.dll | shlwapi.dll | version.dll | uxtheme.dll | \
      ntdll.dll | rpcrt4.dll | bcrypt.dll | userenv.dll | winmm.dll | ws2_32.dll | \
      msvcrt.dll | ucrtbase.dll | api-ms-win-*.dll) return 0 ;;
    *) return 1 ;;
  esac
}

[[ $# -gt 0 ]] || { echo "usage: $0 <program.exe>..." >&2; exit 2; }
status=0
for program in "$@"; do
  headers=$("$objdump" -p "$program") || { echo "FAIL $program: not readable" >&2; exit 1; }
  if ! grep -q 'file format pei-x86-64' <<<"$headers"; then
    echo "FAIL $program: not a 64-bit Windows program" >&2
    status=1
    continue
  fi
  mapfile -t dlls < <(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$headers")
  # Every Windows program imports at least kernel32.dll; none found means the table was
  # not read, which must not pass as "nothing foreign".
  if [[ ${#dlls[@]} -eq 0 ]]; then
    echo "FAIL $program: no import table found" >&2
    status=1
    continue
  fi
  foreign=()
  for dll in "${dlls[@]}"; do
    system_dll "$dll" || foreign+=("$dll")
  done
  echo "$(basename "$program") imports: ${dlls[*]}"
  if [[ ${#foreign[@]} -gt 0 ]]; then
    echo "FAIL $program imports DLLs that Windows does not ship: ${foreign[*]}" >&2
    status=1
  fi
done
exit "$status"
