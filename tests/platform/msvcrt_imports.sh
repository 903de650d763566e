#!/usr/bin/env bash
# What the Windows programs (and the print module they load) import from msvcrt.dll, Microsoft's old C runtime, against the list
# of reviewed functions: Wine's runtime takes what Microsoft's refuses, so a call that passes
# the Wine tests is not yet known to work on Windows. A new import fails here until someone has
# read Microsoft's documentation of it and added it to the list; a stale entry fails too, so the
# list stays the programs' own. The archive and lista.txt go through the Win32 file calls: no
# C runtime open function may come back, and Tempestina10.exe must import those calls.
# usage: msvcrt_imports.sh OBJDUMP LIST PROGRAM...
set -u
objdump=$1 list=$2
shift 2
source "$(dirname "$0")/../support/checks.sh"

# One function a line, sorted: the members of the import directory of msvcrt.dll, or of $2.
imports() {
    "$objdump" -p "$1" | awk -v dll="${2:-msvcrt.dll}" '
        /DLL Name:/ { inside = (tolower($3) == tolower(dll)); next }
        inside && /^\t[0-9a-f]+\t/ { print $NF }
        inside && /^$/ { inside = 0 }' | sort -u
}

reviewed=$(grep -v '^#' "$list" | awk 'NF { print $1 }' | sort -u)
used=
for program in "$@"; do
    [ -f "$program" ] || { fail "no $program"; continue; }
    found=$(imports "$program")
    [ -n "$found" ] || fail "$(basename "$program") imports nothing from msvcrt.dll: objdump's output changed?"
    for f in $(comm -23 <(echo "$found") <(echo "$reviewed")); do
        fail "$(basename "$program") imports $f from msvcrt.dll: check it against Microsoft's documentation of msvcrt and add it to $list"
    done
    for f in fopen _wfopen _wfsopen _fsopen _open _wopen _sopen _wsopen _fdopen _wfdopen; do
        grep -qx "$f" <<<"$found" && fail "$(basename "$program") opens files through the C runtime ($f)"
    done
    used+="$found"$'\n'
done
for f in $(comm -13 <(echo "$used" | sort -u | sed '/^$/d') <(echo "$reviewed")); do
    fail "$f is listed in $list but no program imports it any more: remove it"
done
for program in "$@"; do
    [[ $program == */Tempestina10.exe ]] || continue
    kernel=$(imports "$program" KERNEL32.dll)
    for f in CreateFileW ReadFile WriteFile FlushFileBuffers LockFileEx MoveFileExW; do
        grep -qx "$f" <<<"$kernel" || fail "Tempestina10.exe does not import $f: its files are not on the Win32 path"
    done
done
finishChecks "msvcrt imports: $(echo "$reviewed" | wc -l) functions, each reviewed"
