#!/usr/bin/env bash
# Makes Qt 6.4.2 for 64-bit Windows with Debian's MinGW-w64, from Debian's own qt6-base source
# package: the Qt that ./tempestina windows builds both programs against.
#   deploy/windows/qt/make_qt.sh PREFIX [WORK]
# PREFIX receives Qt and mingw-w64-x86_64.cmake, the toolchain file the windows preset reads.
# WORK (default PREFIX.work) holds the sources, a private apt state and the build; it can go once
# PREFIX is made. Needs the packages of ./tempestina's qt_packages; no root, and the machine's
# apt settings are left alone. About 42 min on 2 cores, 1.6 GB of disk at its peak.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
prefix=$(realpath -m "${1:?usage: make_qt.sh PREFIX [WORK]}")
work=$(realpath -m "${2:-$prefix.work}")
qt_version=6.4.2
jobs=${JOBS:-$(nproc)}

for tool in apt-get dpkg-source x86_64-w64-mingw32-g++-posix x86_64-w64-mingw32-windres ninja cmake \
            /usr/lib/qt6/libexec/moc /usr/share/qt6/translations/qtbase_it.qm; do
    command -v "$tool" >/dev/null || [ -e "$tool" ] || {
        echo "make_qt.sh: $tool is missing; ./tempestina windows installs what this needs" >&2
        exit 1
    }
done
mkdir -p "$work"
cd "$work"

# The source package from the mirrors this machine takes its binary packages from: its own
# sources, as deb-src, in an apt configuration of our own.
apt_dir=$work/apt
rm -rf "$apt_dir/sources.list.d"
mkdir -p "$apt_dir/sources.list.d" "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial"
: >"$apt_dir/sources.list"
for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
    [ -f "$f" ] || continue
    sed -n 's/^[[:space:]]*deb[[:space:]]/deb-src /p' "$f" >>"$apt_dir/sources.list"
done
for f in /etc/apt/sources.list.d/*.sources; do
    [ -f "$f" ] || continue
    sed 's/^Types:.*/Types: deb-src/I' "$f" >"$apt_dir/sources.list.d/$(basename "$f")"
done
apt_options=(-o "Dir::Etc::SourceList=$apt_dir/sources.list"
             -o "Dir::Etc::SourceParts=$apt_dir/sources.list.d"
             -o "Dir::State::Lists=$apt_dir/lists" -o "Dir::Cache=$apt_dir/cache")
[ "$(id -u)" -ne 0 ] || apt_options+=(-o APT::Sandbox::User=root)
# A mirror without sources only warns; apt-get source below says whether any had them.
apt-get "${apt_options[@]}" -q update || true
# The same Debian revision as the host tools when the mirror still has it: moc and uic must match.
host_version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev-tools)
[[ $host_version == "$qt_version"+* ]] || {
    echo "make_qt.sh: the host tools are Qt $host_version, not $qt_version" >&2
    exit 1
}
mkdir -p source
(cd source && { apt-get "${apt_options[@]}" -q source --download-only "qt6-base=$host_version" ||
                apt-get "${apt_options[@]}" -q source --download-only qt6-base; })
orig=$(ls source/qt6-base_"$qt_version"*.orig.tar.xz)
src=$work/qtbase-everywhere-src-$qt_version
rm -rf "$src"
tar xf "$orig"
# Debian's own patches are for Linux; ours make the Windows parts build without what Debian's
# sources leave out and what we turn off.
for p in "$here"/patches/*.patch; do
    echo "Applying $(basename "$p")"
    patch -d "$src" -p1 --forward --no-backup-if-mismatch <"$p"
done

rm -rf build
# Only what the two programs and their tests use: Core, Gui, Widgets, PrintSupport, Test, and the
# windows, offscreen and minimal platform plugins; the third-party libraries bundled, so that
# the DLLs need nothing but Windows and MinGW's runtime.
cmake -S "$src" -B build -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$here/mingw-w64.cmake" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF \
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_opengl=OFF \
    -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_vulkan=OFF \
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF \
    -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF \
    -DFEATURE_system_doubleconversion=OFF -DFEATURE_system_textmarkdownreader=OFF \
    -DFEATURE_icu=OFF -DFEATURE_direct2d=OFF -DFEATURE_printsupport=ON -DFEATURE_testlib=ON \
    -DFEATURE_optimize_size=ON
ninja -C build -j"$jobs"
ninja -C build install
# The DLLs go out in the programs' folder: no debugging sections in them.
find "$prefix" -name '*.dll' -exec x86_64-w64-mingw32-strip --strip-debug {} +
# Qt's Italian texts ("Sì", "No"): the .qm files are the same on every platform.
mkdir -p "$prefix/translations"
cp /usr/share/qt6/translations/qtbase_it.qm "$prefix/translations/"
cp "$here/mingw-w64.cmake" "$here/mingw-w64-x86_64.cmake" "$prefix/"
echo "Qt $qt_version for Windows is in $prefix"
