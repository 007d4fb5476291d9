#!/usr/bin/env bash
# Installs the Debian packages the editor and its tests need, and only those
# that are missing. Runs apt-get as root, or through sudo.
set -euo pipefail

packages=(
  g++ cmake make pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-svg-dev libgl-dev fonts-dejavu-core
  clang libclang-rt-14-dev locales
  # the style check of the sources (.clang-format)
  clang-format
  # scripts/check_install.sh: validators, the file type database and a query
  # tool for it, an SVG renderer, what cpack's Debian package needs, Debian's
  # package checker and the manual page reader it checks the pages with
  desktop-file-utils appstream shared-mime-info libglib2.0-bin librsvg2-bin file dpkg-dev lintian man-db
  g++-mingw-w64-x86-64 googletest wine wine64
  # scripts/build-windows-qt.sh: Qt for Windows from Debian's source
  ninja-build dpkg-dev
  # the Windows editor tried in a real window under wine: a virtual X
  # display, keys and a screenshot
  xvfb xdotool x11-utils imagemagick
  # orvik-stroke-check: JSON output and command line, header-only, so the
  # Windows build takes the same headers
  nlohmann-json3-dev libcli11-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
[ "$(id -u)" -ne 0 ] && as_root=(sudo)
echo "Installing: ${missing[*]}"
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
