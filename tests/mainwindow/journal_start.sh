#!/usr/bin/env bash
# The real program on a real X server, started where a power cut stopped a save halfway: card 1
# of Archivio.DAT torn (its first 1500 bytes new, the rest old) and the journal beside it whole.
# The start finishes the save before the card is shown: the journal is gone, card 1 is the new
# one and card 2 is untouched, byte for byte. The card shown is saved back by "Esci" unchanged
# (so the window read it exactly) and that save leaves no journal behind.
# usage: journal_start.sh <program folder> [wine command...]   (with a wine command: the
#        Windows program of that folder under it)
set -u
folder=$1
shift
wine=("$@")
if [ ${#wine[@]} -gt 0 ]; then
    program=("${wine[@]}" "$folder/Tempestina10.exe")
    waitTenths=300 # Wine starts slower
else
    program=("$folder/Tempestina10")
fi
source "$(dirname "$0")/../support/program_run.sh"
[ -e "${program[-1]}" ] || fail "no program at ${program[-1]}"
source "$(dirname "$0")/../support/x_windows.sh"

# Card 1 as a save left it and its journal, card 2 of distinct bytes: the expected archive in
# expected.DAT. Nothing on these cards falls due today, so Form1 comes first.
mkdir "$work/archive"
python3 - "$work" <<'PY' || fail "cannot write the archive"
import struct, sys, zlib
work = sys.argv[1]
def card(date, text):
    fields = [b""] * 30
    fields[1] = date.encode()
    fields[10] = text.encode("cp1252")
    for f in range(20, 30):
        fields[f] = str((f - 19) % 10).encode()
    return b"".join(f.ljust(100) for f in fields) + struct.pack("<h", 7)
old = card("01/02/03", "Vecchia scadenza")
new = card("11/06/04", "Bolletta luce > pagata già")
second = bytes((i * 31 + 7) % 256 for i in range(3002))
header = b"T10GIOR1" + struct.pack("<QI", 0, len(new))
journal = header + struct.pack("<I", zlib.crc32(header + new)) + new
open(f"{work}/archive/Archivio.DAT", "wb").write(new[:1500] + old[1500:] + second)
open(f"{work}/archive/Archivio.DAT.giornale", "wb").write(journal)
open(f"{work}/expected.DAT", "wb").write(new + second)
PY

(cd "$work/archive" && exec "${program[@]}") >"$work/out.log" 2>&1 &
pid=$!
form1=$(waitWindow Form1) || fail "Form1 did not appear"
[ -e "$work/archive/Archivio.DAT.giornale" ] && fail "the start left the journal"
cmp "$work/archive/Archivio.DAT" "$work/expected.DAT" ||
    fail "the start did not finish the save from the journal"
echo "PASS: the start finished the save from the journal and removed it"

sleep 0.5
# "Apri per inserire nuova scadenza": twips 1440,480,3615,495.
clickIn "$form1" 216 48
main=$(waitWindow Tempestina10) || fail "the main window did not appear"
sleep 1
leaveByExitButton "$main" "$pid" || fail "the program did not end on the exit button"
pid=
cmp "$work/archive/Archivio.DAT" "$work/expected.DAT" ||
    fail "the card shown was not the journal's: Esci saved another"
[ -e "$work/archive/Archivio.DAT.giornale" ] && fail "the save left its journal behind"
echo "PASS: Esci saved the card back byte for byte and left no journal"
