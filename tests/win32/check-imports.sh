#!/usr/bin/env bash
# Fails when a Windows program imports a DLL that the loader could take from
# the program's own folder:
#
#   tests/win32/check-imports.sh EXE...
#
# The loader looks for an imported DLL beside the exe first unless it is one of
# the KnownDLLs (mapped from the system folder only) or bound side by side
# through the manifest. The exe's folder is the user's in a per-user install,
# so any other import lets a planted DLL run inside the program, its elevated
# copy included. Such DLLs are loaded from the system folder at run time
# (src/os/win32/system_library.h).
set -euo pipefail

# Windows 10's KnownDLLs (HKLM\SYSTEM\CurrentControlSet\Control\Session
# Manager\KnownDLLs) and ntdll, which every process has loaded before its exe.
known=" advapi32.dll clbcatq.dll combase.dll comdlg32.dll coml2.dll difxapi.dll gdi32.dll gdiplus.dll
  imagehlp.dll imm32.dll kernel32.dll msctf.dll msvcrt.dll normaliz.dll nsi.dll ole32.dll oleaut32.dll
  psapi.dll rpcrt4.dll sechost.dll setupapi.dll shcore.dll shell32.dll shlwapi.dll user32.dll wldap32.dll
  ws2_32.dll ntdll.dll "
known=$(tr -s ' \n' ' ' <<<"$known")

[[ $# -gt 0 ]] || { echo "usage: $0 EXE..." >&2; exit 2; }
status=0
for exe in "$@"; do
  [[ -f $exe ]] || { echo "check-imports: no $exe" >&2; status=1; continue; }
  objdump=i686-w64-mingw32-objdump
  grep -q 'file format pei-x86-64' < <(x86_64-w64-mingw32-objdump -f "$exe" 2>/dev/null) &&
    objdump=x86_64-w64-mingw32-objdump
  mapfile -t dlls < <("$objdump" -p "$exe" | sed -nE 's/^\s*DLL Name: (.*)$/\1/p' | tr 'A-Z' 'a-z' | sort -u)
  [[ ${#dlls[@]} -gt 0 ]] || { echo "check-imports: $exe: no import table read" >&2; status=1; continue; }
  for dll in "${dlls[@]}"; do
    [[ $known == *" $dll "* ]] && continue
    # comctl32 version 6 comes from the side-by-side store when the manifest asks for it.
    if [[ $dll == comctl32.dll ]] && grep -aq 'Microsoft.Windows.Common-Controls' "$exe"; then continue; fi
    echo "check-imports: $exe imports $dll, which Windows may load from the program's folder" >&2
    status=1
  done
  [[ $status == 0 ]] && echo "check-imports: $(basename "$exe"): ${dlls[*]}"
done
exit $status
