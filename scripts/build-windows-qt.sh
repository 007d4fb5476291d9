#!/usr/bin/env bash
# Builds Qt for 64-bit Windows once per machine, from Debian's own source of
# the Qt the Linux build uses, with the mingw-w64 compiler the Windows build
# of the project uses, and installs it in a cache folder outside the clone:
#
#   ${XDG_CACHE_HOME:-~/.cache}/orvik-stroke-editor/qt-<version>-win64-<recipe>
#
# The editor's Windows build (scripts/package-windows.sh, scripts/test.sh)
# finds it there, or wherever ORVIK_WINDOWS_QT points. A complete cache is
# left alone. The first build takes about an hour on two cores.
#
#   scripts/build-windows-qt.sh          build (or say where the cache is)
#   scripts/build-windows-qt.sh --path   print the cache folder and stop
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

# Bump the recipe when the options below change, so an old cache is not taken.
recipe=1
qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null | sed 's/[+-].*//') || true
qt_version=${qt_version:-6.4.2}
cache_root=${XDG_CACHE_HOME:-$HOME/.cache}/orvik-stroke-editor
prefix=${ORVIK_WINDOWS_QT:-$cache_root/qt-$qt_version-win64-$recipe}

if [ "${1:-}" = "--path" ]; then
  echo "$prefix"
  exit 0
fi
if [ -f "$prefix/.complete" ]; then
  echo "Qt $qt_version for Windows is already built: $prefix"
  exit 0
fi

say() { printf '== %s\n' "$*"; }
fail() { printf 'build-windows-qt: %s\n' "$*" >&2; exit 1; }

say "packages (scripts/install-deps.sh)"
scripts/install-deps.sh
for tool in x86_64-w64-mingw32-g++-posix x86_64-w64-mingw32-gcc-posix x86_64-w64-mingw32-windres ninja dpkg-source; do
  command -v "$tool" > /dev/null || fail "$tool is missing: install g++-mingw-w64-x86-64, ninja-build and dpkg-dev"
done
[ -x /usr/lib/qt6/libexec/moc ] || fail "Qt's host tools are missing (/usr/lib/qt6/libexec/moc): install qt6-base-dev"

as_root=()
[ "$(id -u)" -ne 0 ] && as_root=(sudo)
work=$cache_root/work-$qt_version-$recipe
mkdir -p "$work"

# The source: Debian's qt6-base of the suites apt already uses, through a
# deb-src entry of its own so that nothing else in apt's sources changes.
src=$(find "$work" -maxdepth 1 -type d -name "qtbase-everywhere-src-*" -o -maxdepth 1 -type d -name "qt6-base-*" | head -n 1)
if [ -z "$src" ]; then
  say "source of qt6-base $qt_version (Debian's source package)"
  list=/etc/apt/sources.list.d/orvik-qt-source.sources
  if [ ! -f "$list" ]; then
    uris=$(sed -n 's/^URIs: *//p' /etc/apt/sources.list.d/debian.sources 2>/dev/null | head -n 1)
    suites=$(sed -n 's/^Suites: *//p' /etc/apt/sources.list.d/debian.sources 2>/dev/null | head -n 1)
    [ -n "$uris" ] || uris=http://deb.debian.org/debian
    [ -n "$suites" ] || suites=$(. /etc/os-release && echo "$VERSION_CODENAME")
    printf 'Types: deb-src\nURIs: %s\nSuites: %s\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' \
      "$uris" "$suites" | "${as_root[@]}" tee "$list" > /dev/null
  fi
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  full_version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
  (cd "$work" && apt-get source -qq "qt6-base=$full_version") ||
    fail "the source of qt6-base $full_version could not be fetched (apt-get source)"
  src=$(find "$work" -maxdepth 1 -type d -name "qt6-base-*" | head -n 1)
  [ -n "$src" ] || fail "apt-get source left no source folder in $work"
fi
say "source: $src"

# Without OpenGL the Windows platform plugin of 6.4 still asks for its
# dynamic OpenGL context in one place; that place needs OpenGL as well.
window_cpp=$src/src/plugins/platforms/windows/qwindowswindow.cpp
if grep -q '^#if QT_CONFIG(dynamicgl)$' "$window_cpp"; then
  sed -i 's/^#if QT_CONFIG(dynamicgl)$/#if QT_CONFIG(dynamicgl) \&\& QT_CONFIG(opengl)/' "$window_cpp"
fi

cat > "$work/toolchain.cmake" <<TOOLCHAIN
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
TOOLCHAIN

# Core, Gui, Widgets and Test, the Windows, offscreen and minimal platforms,
# bundled FreeType, HarfBuzz, PNG and PCRE2: what the editor and its window
# tests load, nothing more. The host tools (moc, rcc, uic) are Debian's.
build=$work/build
say "configure (into $build)"
cmake -S "$src" -B "$build" -G Ninja \
  --toolchain "$work/toolchain.cmake" \
  -DCMAKE_INSTALL_PREFIX="$prefix" \
  -DCMAKE_BUILD_TYPE=Release \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF \
  -DFEATURE_opengl=OFF -DFEATURE_dynamicgl=OFF -DFEATURE_dbus=OFF -DFEATURE_sql=OFF \
  -DFEATURE_network=OFF -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF \
  -DFEATURE_xml=OFF -DFEATURE_system_zlib=OFF -DFEATURE_pkg_config=OFF \
  -DFEATURE_tabletevent=OFF -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF \
  -DFEATURE_sqlmodel=OFF -DFEATURE_testlib_selfcover=OFF \
  -DINPUT_openssl=no > "$work/configure.log" 2>&1 ||
  { tail -n 40 "$work/configure.log" >&2; fail "configure failed; the whole log: $work/configure.log"; }

say "build ($(nproc) jobs; ninja's [done/total] shows the progress)"
started=$(date +%s)
cmake --build "$build" --parallel "$(nproc)"
cmake --install "$build" > "$work/install.log"
# Qt's licence texts go with the DLLs into the editor's Windows package.
mkdir -p "$prefix/licenses"
cp "$src"/LICENSES/* "$prefix/licenses/" 2>/dev/null || cp "$src"/LICENSE.* "$prefix/licenses/" 2>/dev/null || true
cp "$src"/debian/copyright "$prefix/licenses/debian-copyright" 2>/dev/null || true
minutes=$(( ($(date +%s) - started + 59) / 60 ))
echo "Qt $qt_version for Windows built in $minutes minutes" > "$prefix/.complete"
say "Qt $qt_version for Windows is in $prefix ($minutes minutes, $(du -sh "$prefix" | cut -f1))"
