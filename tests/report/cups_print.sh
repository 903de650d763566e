#!/bin/bash
# Prints the report through a real CUPS spooler: a cups-pdf queue as the default printer,
# and a one-page PDF in the spool's output folder. Exit 77 (skipped) where no spooler can
# be started here.
# Usage: cups_print.sh <cups_print_program>
set -u
program=$1
queue=T10PDF

skip() {
    echo "SKIP: $*"
    exit 77
}

for tool in cupsd lpadmin lpstat lpinfo lpoptions pdfinfo pdftotext; do
    command -v "$tool" >/dev/null || skip "$tool is missing (packages cups cups-client printer-driver-cups-pdf poppler-utils)"
done
[ -e /usr/lib/cups/backend/cups-pdf ] || skip "the cups-pdf backend is missing (printer-driver-cups-pdf)"

running() { lpstat -r 2>/dev/null | grep -q "is running"; }

cupsd_pid=
previous_default=
cleanup() {
    lpadmin -x "$queue" 2>/dev/null
    [ -n "$previous_default" ] && lpoptions -d "$previous_default" >/dev/null 2>&1
    if [ -n "$cupsd_pid" ]; then
        kill "$cupsd_pid" 2>/dev/null
        wait "$cupsd_pid" 2>/dev/null
    fi
    rm -f "${marker:-}"
}
trap cleanup EXIT

if ! running; then
    [ "$(id -u)" = 0 ] || skip "no CUPS scheduler is running and only root may start one"
    mkdir -p /run/cups /var/spool/cups /var/cache/cups
    cupsd -f &
    cupsd_pid=$!
    for _ in $(seq 1 40); do
        running && break
        kill -0 "$cupsd_pid" 2>/dev/null || break
        sleep 0.25
    done
    running || skip "cupsd could not be started on this machine"
fi

ppd=$(lpinfo -m 2>/dev/null | awk '/CUPS-PDF_opt\.ppd/ {print $1; exit}')
[ -n "$ppd" ] || skip "CUPS does not offer the cups-pdf driver (lpinfo -m)"
previous_default=$(lpstat -d 2>/dev/null | sed -n 's/^system default destination: //p')
[ "$previous_default" = "$queue" ] && previous_default=
lpadmin -p "$queue" -E -v cups-pdf:/ -m "$ppd" || skip "lpadmin could not add the cups-pdf queue"
lpadmin -d "$queue" 2>/dev/null
lpoptions -d "$queue" >/dev/null || { echo "FAIL: lpoptions -d $queue"; exit 1; }

# Where cups-pdf puts the files: Out of cups-pdf.conf for a known user, the anonymous one
# otherwise.
folders=(/var/spool/cups-pdf/ANONYMOUS "$HOME/PDF")
out=$(sed -n 's/^Out[[:space:]]\+//p' /etc/cups/cups-pdf.conf 2>/dev/null | head -1)
[ -n "$out" ] && folders+=("${out//\$\{HOME\}/$HOME}")
marker=$(mktemp)
sleep 1 # file times are compared with the marker's

export QT_QPA_PLATFORM=offscreen
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
"$program" || { echo "FAIL: the print did not go out"; exit 1; }

for _ in $(seq 1 120); do
    pdf=$(find "${folders[@]}" -maxdepth 1 -name '*.pdf' -newer "$marker" 2>/dev/null | head -1)
    if [ -n "$pdf" ] && ! lpstat -o "$queue" 2>/dev/null | grep -q .; then
        break
    fi
    sleep 0.5
done
[ -n "$pdf" ] || { echo "FAIL: no PDF arrived in ${folders[*]}"; lpstat -t; exit 1; }

pages=$(pdfinfo "$pdf" | sed -n 's/^Pages:[[:space:]]*//p')
echo "spooled: $pdf ($pages page)"
[ "$pages" = 1 ] || { echo "FAIL: $pages pages instead of one"; exit 1; }
# The spooler's filters may hand cups-pdf the page as one picture, without text: then the
# page must at least carry ink where the rows and the closing picture are.
if pdftotext -layout "$pdf" - | grep -q "[A-Za-z]"; then
    pdftotext -layout "$pdf" - | grep -q "10/03/05     Bollo > moto" ||
        { echo "FAIL: the row of slot 1 is not on the page"; exit 1; }
    pdftotext -layout "$pdf" - | grep -q "Oggi è:" || { echo "FAIL: no date line"; exit 1; }
else
    pdftoppm -r 30 -gray "$pdf" >"$marker.pgm" || { echo "FAIL: the page cannot be drawn"; exit 1; }
    python3 - "$marker.pgm" <<'PY' || exit 1
import sys
data = open(sys.argv[1], "rb").read()
fields = data.split(maxsplit=4)
width, height = int(fields[1]), int(fields[2])
pixels = fields[4][-width * height:]
def ink(top, bottom):
    return sum(1 for y in range(int(top * height), int(bottom * height))
               for x in range(width) if pixels[y * width + x] < 128)
for name, top, bottom in (("title and rows", 0.0, 0.45), ("closing picture", 0.8, 1.0)):
    if ink(top, bottom) < 20:
        print("FAIL: nothing printed in the band of the", name)
        sys.exit(1)
PY
    rm -f "$marker.pgm"
fi
rm -f "$pdf"
echo "PASS"
