#!/usr/bin/env bash
# Installs a built editor into a scratch prefix and checks it as a desktop
# program, then builds its Debian package and checks that:
#
#   scripts/check_install.sh [build dir]     # build/ by default
#
# - every file where the freedesktop standards want it, the icon in each
#   size; the desktop entry and the AppStream metadata pass their validators;
# - with the prefix's file type database, a stroke file is a stroke file and
#   other *.atr files are not;
# - both programs have a manual page that man reads without a warning, and
#   the user guide is Help.txt, the name the Help button gives;
# - every folder is 0755 though the install and the package are made with
#   umask 077;
# - the .deb lists those files and depends on the libraries' packages, its
#   binary, taken out with dpkg-deb (never installed), tells its version, and
#   lintian finds no error in it (its warnings are shown).
set -euo pipefail
# Folders made under this umask would be the installer's alone; the install
# rules must give them 0755 all the same.
umask 077
cd "$(dirname "$0")/.."
root=$PWD
build=$(realpath "${1:-build}")
id=org.orvik.StrokeEditor
version=$(sed -n 's/^project(.* VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}

fail() {
  echo "check_install: $*" >&2
  exit 1
}

prefix=$scratch/prefix
cmake --install "$build" --prefix "$prefix" > /dev/null

# The files, and each PNG icon of the size its folder names.
want=(bin/orvik-stroke-editor bin/orvik-stroke-check "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml"
  "share/mime/packages/$id.xml" "share/icons/hicolor/scalable/apps/$id.svg")
for size in 16 22 24 32 48 64 128 256; do want+=("share/icons/hicolor/${size}x${size}/apps/$id.png"); done
want+=(share/man/man1/orvik-stroke-editor.1.gz share/man/man1/orvik-stroke-check.1.gz
  share/doc/orvik-stroke-editor/copyright share/doc/orvik-stroke-editor/changelog.Debian.gz
  share/doc/orvik-stroke-editor/Help.txt)
for file in "${want[@]}"; do [ -s "$prefix/$file" ] || fail "$file is not installed"; done
[ -x "$prefix/bin/orvik-stroke-editor" ] || fail "the binary is not executable"
cmp -s docs/Help.txt "$prefix/share/doc/orvik-stroke-editor/Help.txt" || fail "the installed Help.txt is not the guide"
"$prefix/bin/orvik-stroke-check" -q "$root/samples/strokes" > /dev/null || fail "the installed checker finds fault with the samples"
for size in 16 22 24 32 48 64 128 256; do
  file --brief "$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png" | grep -q "PNG image data, $size x $size," ||
    fail "the ${size}x${size} icon is not a $size x $size PNG"
done
rsvg-convert --width 256 --height 256 "$prefix/share/icons/hicolor/scalable/apps/$id.svg" > "$scratch/svg.png" ||
  fail "the SVG icon does not render"
unexpected=$(cd "$prefix" && find . -type f | sed 's|^\./||' | sort | grep -vxF -f <(printf '%s\n' "${want[@]}") || true)
[ -z "$unexpected" ] || fail "unexpected files installed: $unexpected"

wrong_modes=$(find "$prefix" -type d ! -perm 0755 -printf '%m %P\n')
[ -z "$wrong_modes" ] || fail "folders not 0755 under umask 077: $wrong_modes"
for page in orvik-stroke-editor orvik-stroke-check; do
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$prefix/share/man/man1/$page.1.gz" 2>&1 > /dev/null)
  [ -z "$warnings" ] || fail "the manual page of $page: $warnings"
  LC_ALL=C.UTF-8 man -l "$prefix/share/man/man1/$page.1.gz" 2> /dev/null | grep -q "^NAME" || fail "no manual page for $page"
done

desktop-file-validate "$prefix/share/applications/$id.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml"
grep -qx 'Exec=orvik-stroke-editor %f' "$prefix/share/applications/$id.desktop" || fail "the desktop entry's Exec"
"$prefix/bin/orvik-stroke-editor" --version | grep -qx "Orvik Stroke Editor $version" || fail "the installed --version"

# The stroke file type, by content: a sample stroke and a copy of it under
# another name are stroke files; an *.atr file that does not start with
# "StrokeAttr" is not.
update-mime-database "$prefix/share/mime" 2> /dev/null
cp "$root/samples/strokes/a-Cc021.atr" "$scratch/a-Cc021.atr"
cp "$root/samples/strokes/a-Cc021.atr" "$scratch/renamed stroke"
printf 'ATARI disk image\x96\x02\x00\x00' > "$scratch/disk.atr"
printf 'Notes on strokes\n' > "$scratch/notes.atr"
type_of() {
  XDG_DATA_DIRS="$prefix/share:/usr/share" gio info --attributes=standard::content-type "$1" |
    sed -n 's/^ *standard::content-type: //p'
}
for stroke in "$scratch/a-Cc021.atr" "$scratch/renamed stroke"; do
  [ "$(type_of "$stroke")" = application/x-orvik-stroke ] || fail "$stroke is $(type_of "$stroke")"
done
for other in "$scratch/disk.atr" "$scratch/notes.atr"; do
  [ "$(type_of "$other")" != application/x-orvik-stroke ] || fail "$other is taken for a stroke file"
done

# The package: built from the same install rules, never installed here.
(cd "$build" && cpack -G DEB -B "$scratch/package" > /dev/null)
deb=$(ls "$scratch"/package/orvik-stroke-editor_"$version"-*_*.deb)
dpkg-deb --contents "$deb" | awk '{print $6}' | sed 's|^\./||' | grep -v '/$' | sort > "$scratch/contents"
diff <(printf 'usr/%s\n' "${want[@]}" | sort) "$scratch/contents" || fail "the package's files differ from the install's"
depends=$(dpkg-deb --field "$deb" Depends)
for library in libqt6widgets6 libqt6gui6 libqt6core6 libc6 qt6-qpa-plugins; do
  [[ $depends == *"$library"* ]] || fail "the package does not depend on $library: $depends"
done
wrong_modes=$(dpkg-deb --contents "$deb" | awk '$1 ~ /^d/ && $1 != "drwxr-xr-x" {print $1, $6}')
[ -z "$wrong_modes" ] || fail "folders in the package not 0755 under umask 077: $wrong_modes"
# Debian's checks of the package: an error fails, a warning is shown.
lintian_report=$(lintian --fail-on error --tag-display-limit 0 "$deb" 2>&1) || fail "lintian: $lintian_report"
# (lintian's note that it runs as root is no finding)
lintian_report=$(grep -v '^running with root privileges' <<< "$lintian_report" || true)
[ -z "$lintian_report" ] || echo "lintian: $lintian_report"
dpkg-deb --extract "$deb" "$scratch/extracted"
cmp -s docs/Help.txt "$scratch/extracted/usr/share/doc/orvik-stroke-editor/Help.txt" ||
  fail "the packaged Help.txt is not the guide"
"$scratch/extracted/usr/bin/orvik-stroke-editor" --version | grep -qx "Orvik Stroke Editor $version" ||
  fail "the packaged --version"
"$scratch/extracted/usr/bin/orvik-stroke-check" -q "$root/samples/strokes" > /dev/null ||
  fail "the packaged checker finds fault with the samples"

echo "Installed files, manual pages, folder modes, validators, stroke file type, package and lintian: all as they should be"
echo "Package: $(basename "$deb"), depends on: $depends"
