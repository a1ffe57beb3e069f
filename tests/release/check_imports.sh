#!/usr/bin/env bash
# Fails when the shipped Quorvane.exe imports a DLL that does not come with Windows (a MinGW
# runtime DLL, a C runtime that older Windows lack). Skipped (77) when the release build is absent.
set -euo pipefail
exe="${1:?path of the win32-release Quorvane.exe}"
[ -f "$exe" ] || { echo "no release build at $exe"; exit 77; }
objdump=$(command -v i686-w64-mingw32-objdump || command -v objdump)

# DLLs that every Windows from XP on ships in its system folder.
allowed="kernel32.dll user32.dll gdi32.dll comctl32.dll comdlg32.dll shell32.dll ole32.dll oleaut32.dll
advapi32.dll msvcrt.dll psapi.dll uxtheme.dll shlwapi.dll version.dll imm32.dll winmm.dll ws2_32.dll"

imports=$("$objdump" -p "$exe" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z' | sort -u)
[ -n "$imports" ] || { echo "no import table found in $exe"; exit 1; }
status=0
for dll in $imports; do
  if grep -qw -- "$dll" <<<"$allowed"; then
    echo "ok       $dll"
  else
    echo "FOREIGN  $dll"
    status=1
  fi
done
exit $status
