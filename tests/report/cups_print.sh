#!/bin/bash
# Prints the report through a real CUPS spooler of its own: a private cupsd (configuration,
# spool and socket under a temporary folder, reached through CUPS_SERVER) whose default
# queue writes the job to a file, and a temporary HOME. Nothing of the machine's printing
# or of the user's home is touched. Exit 77 (skipped) where no cupsd can be started.
# Usage: cups_print.sh <cups_print_program>
set -u
program=$1
queue=T10PDF

skip() {
    echo "SKIP: $*"
    exit 77
}

for tool in cupsd lpadmin lpstat pdfinfo pdftotext; do
    command -v "$tool" >/dev/null || skip "$tool is missing (packages cups cups-client poppler-utils)"
done

dir=$(mktemp -d)
cupsd_pid=
cleanup() {
    if [ -n "$cupsd_pid" ]; then
        kill "$cupsd_pid" 2>/dev/null
        wait "$cupsd_pid" 2>/dev/null
    fi
    rm -rf "$dir"
}
trap cleanup EXIT

# The scheduler runs its jobs as an unprivileged user, which must reach the output file.
chmod 755 "$dir"
mkdir -p "$dir"/{etc/ppd,spool/tmp,cache,state/certs,log,out,home,runtime,bin/backend}
# The machine's filters, and one backend of our own that writes the job into a file.
for part in cgi-bin daemon driver filter monitor notifier; do
    [ -e "/usr/lib/cups/$part" ] && ln -s "/usr/lib/cups/$part" "$dir/bin/$part"
done
cat >"$dir/bin/backend/t10file" <<'BACKEND'
#!/bin/sh
[ $# -eq 0 ] && { echo 'file t10file "Unknown" "Tempestina10 test file"'; exit 0; }
if [ $# -ge 6 ]; then cat "$6"; else cat; fi >"${DEVICE_URI#t10file:}"
BACKEND
chmod 755 "$dir/bin/backend/t10file"
chmod 1777 "$dir/out"
export HOME="$dir/home" XDG_CONFIG_HOME="$dir/home/.config" XDG_CACHE_HOME="$dir/home/.cache"
export XDG_DATA_HOME="$dir/home/.local/share" XDG_RUNTIME_DIR="$dir/runtime"
chmod 700 "$XDG_RUNTIME_DIR"
export CUPS_SERVER="$dir/cups.sock"
unset PRINTER LPDEST

cat >"$dir/etc/cupsd.conf" <<CONF
LogLevel warn
Listen $CUPS_SERVER
Browsing No
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
user=$(id -un)
group=$(id -gn)
{
    echo "ServerRoot $dir/etc"
    echo "RequestRoot $dir/spool"
    echo "TempDir $dir/spool/tmp"
    echo "CacheDir $dir/cache"
    echo "StateDir $dir/state"
    echo "AccessLog $dir/log/access_log"
    echo "ErrorLog $dir/log/error_log"
    echo "PageLog $dir/log/page_log"
    echo "ServerBin $dir/bin"
    echo "ServerKeychain $dir/ssl"
    echo "Printcap $dir/printcap"
    echo "SystemGroup $group"
    [ "$user" != root ] && echo "User $user" && echo "Group $group"
} >"$dir/etc/cups-files.conf"

cupsd -f -c "$dir/etc/cupsd.conf" -s "$dir/etc/cups-files.conf" >"$dir/log/cupsd.out" 2>&1 &
cupsd_pid=$!
for _ in $(seq 1 40); do
    lpstat -r 2>/dev/null | grep -q "is running" && break
    kill -0 "$cupsd_pid" 2>/dev/null || break
    sleep 0.25
done
lpstat -r 2>/dev/null | grep -q "is running" ||
    skip "a private cupsd could not be started here: $(cat "$dir/log/cupsd.out" "$dir/log/error_log" 2>/dev/null | tail -3)"

# A raw queue: the backend gets the job as the program made it.
out="$dir/out/report.pdf"
lpadmin -p "$queue" -E -v "t10file:$out" -m raw 2>"$dir/log/lpadmin" ||
    { echo "FAIL: lpadmin could not add the queue: $(cat "$dir/log/lpadmin")"; exit 1; }
lpadmin -d "$queue" || { echo "FAIL: lpadmin -d $queue"; exit 1; }
[ "$(lpstat -d)" = "system default destination: $queue" ] || { echo "FAIL: lpstat -d: $(lpstat -d)"; exit 1; }

export QT_QPA_PLATFORM=offscreen
"$program" || { echo "FAIL: the print did not go out"; exit 1; }

for _ in $(seq 1 120); do
    [ -s "$out" ] && ! lpstat -o "$queue" 2>/dev/null | grep -q . && break
    sleep 0.5
done
[ -s "$out" ] || { echo "FAIL: nothing arrived in $out"; lpstat -t; tail -5 "$dir/log/error_log"; exit 1; }

pages=$(pdfinfo "$out" | sed -n 's/^Pages:[[:space:]]*//p')
echo "spooled: $pages page"
[ "$pages" = 1 ] || { echo "FAIL: '$pages' pages instead of one"; exit 1; }
pdftotext -layout "$out" - | grep -Eq "10/03/05 +Bollo > moto" ||
    { echo "FAIL: the row of slot 1 is not on the page"; exit 1; }
pdftotext -layout "$out" - | grep -q "Oggi è:" || { echo "FAIL: no date line"; exit 1; }
echo "PASS"
