#!/usr/bin/env bash
# The Debian package as built: exactly the files an install brings, where Debian and freedesktop
# want them; its menu entry, AppStream file and the package itself pass their judges
# (desktop-file-validate, appstreamcli, lintian); no maintainer script, so nothing run as root
# at install or removal can touch a home; dependencies from the shared libraries.
# usage: package_contents.sh <folder holding the .deb>
set -uo pipefail
source "$(dirname "$0")/../support/checks.sh"
debs=("${1:?folder of the package}"/tempestina10_*_amd64.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { echo "FAIL: not one package in $1: ${debs[*]}"; exit 1; }
deb=${debs[0]}
id=example.c_seed_10e98e39.Tempestina10
triplet=$(dpkg-architecture -qDEB_HOST_MULTIARCH)

expected=$(sort <<EOF2
./usr/bin/pontilo
./usr/bin/tempestina10
./usr/lib/$triplet/tempestina10/libt10print.so
./usr/lib/$triplet/tempestina10/libt10sound.so
./usr/share/applications/$id.desktop
./usr/share/doc/tempestina10/changelog.gz
./usr/share/doc/tempestina10/copyright
./usr/share/icons/hicolor/128x128/apps/$id.png
./usr/share/icons/hicolor/256x256/apps/$id.png
./usr/share/icons/hicolor/48x48/apps/$id.png
./usr/share/man/man1/pontilo.1.gz
./usr/share/man/man1/tempestina10.1.gz
./usr/share/metainfo/$id.metainfo.xml
./usr/share/tempestina10/appu.wav
./usr/share/tempestina10/calend.wav
./usr/share/tempestina10/diffusori.wav
./usr/share/tempestina10/imp.wav
./usr/share/tempestina10/lista.txt
./usr/share/tempestina10/tel.wav
EOF2
)
actual=$(dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sort)
[ "$actual" = "$expected" ] || fail "the package's files differ from those expected:
$(diff <(echo "$expected") <(echo "$actual"))"
while read -r mode _ _ _ _ name; do
    case "$name" in
        ./usr/bin/?*) [ "$mode" = -rwxr-xr-x ] || fail "$name is $mode, not an executable" ;;
    esac
done < <(dpkg-deb -c "$deb")

tree="$work/tree"
dpkg-deb -x "$deb" "$tree" || fail "cannot unpack $deb"
cmp -s "$tree/usr/share/tempestina10/lista.txt" "$(dirname "$0")/../../resources/lista.txt" ||
    fail "the starting list is not resources/lista.txt"
for size in 48 128 256; do
    got=$(identify -format '%wx%h' "$tree/usr/share/icons/hicolor/${size}x${size}/apps/$id.png")
    [ "$got" = "${size}x${size}" ] || fail "the ${size}px icon is $got"
done

# The judges, each on what it judges.
desktop-file-validate "$tree/usr/share/applications/$id.desktop" >"$work/v.log" 2>&1 ||
    fail "desktop-file-validate: $(cat "$work/v.log")"
[ ! -s "$work/v.log" ] || fail "desktop-file-validate has hints: $(cat "$work/v.log")"
appstreamcli validate --no-net "$tree/usr/share/metainfo/$id.metainfo.xml" >"$work/a.log" 2>&1 ||
    fail "appstreamcli: $(cat "$work/a.log")"
lintian --fail-on error,warning "$deb" >"$work/l.log" 2>&1 || fail "lintian: $(cat "$work/l.log")"

entry="$tree/usr/share/applications/$id.desktop"
for line in Exec=tempestina10 TryExec=tempestina10 Icon=$id StartupWMClass=Tempestina10 \
            Name=Tempestina10 'Categories=Office;Calendar;'; do
    grep -qxF "$line" "$entry" || fail "the menu entry has no $line"
done
grep -q '^Path=' "$entry" && fail "the menu entry sets a working folder"
grep -qF "<id>$id</id>" "$tree/usr/share/metainfo/$id.metainfo.xml" || fail "the metainfo has another id"
grep -qF "<launchable type=\"desktop-id\">$id.desktop</launchable>" \
    "$tree/usr/share/metainfo/$id.metainfo.xml" || fail "the metainfo launches another entry"
version=$(dpkg-deb -f "$deb" Version)
grep -qF "<release version=\"$version\"" "$tree/usr/share/metainfo/$id.metainfo.xml" ||
    fail "the metainfo has no release $version"

# Nothing runs as root at install or removal, so no script can reach a home.
dpkg-deb -e "$deb" "$work/control" || fail "cannot read the control files"
scripts=$(cd "$work/control" && ls | grep -vxE 'control|md5sums' || true)
[ -z "$scripts" ] || fail "maintainer scripts in the package: $scripts"
depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6widgets6 libqt6multimedia6 libqt6printsupport6 libc6; do
    grep -q "\b$library\b" <<<"$depends" || fail "Depends lacks $library: $depends"
done
# Found from their own place, not from a path built in.
for f in "$tree/usr/bin/"* "$tree/usr/lib/$triplet/tempestina10/"*; do
    readelf -d "$f" | grep -qE 'RPATH|RUNPATH' && fail "$f carries a library path"
done

finishChecks "package_contents: all checks passed ($(wc -l <<<"$actual") files)"
