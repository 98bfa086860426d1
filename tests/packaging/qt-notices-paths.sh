#!/usr/bin/env bash
# The steps that keep Qt's attribution files and build record and make the
# notices from them, with folders whose names hold a space, @ and $ (a
# domain-joined home folder, an odd cache setting): a tiny "Qt" of one
# third-party file compiled into one DLL must come out with its notice.
#   qt-notices-paths.sh SOURCE_DIR
set -euo pipefail
top=$1
. "$top/scripts/windows-qt.sh"
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
odd="$root/john@corp.example/\$cache dir"
src=$odd/src build=$odd/build notices=$odd/qt/notices
mkdir -p "$src/3rdparty/tiny" "$build" "$notices"
echo '{ "Name": "Tiny", "License": "Tiny Licence", "LicenseFile": "LICENSE" }' \
    >"$src/3rdparty/tiny/qt_attribution.json"
echo "The tiny licence text." >"$src/3rdparty/tiny/LICENSE"
echo 'int tiny(void) { return 1; }' >"$src/3rdparty/tiny/tiny.c"
# Named as CMake names its rules; paths escaped as Ninja wants them.
ninja_path() { sed -e 's/\$/$$/g' -e 's/ /$ /g' -e 's/:/$:/g' <<<"$1"; }
cat >"$build/build.ninja" <<NINJA
rule C_COMPILER__tiny
  command = cc -MD -MF \$out.d -c \$in -o \$out
  depfile = \$out.d
  deps = gcc
rule C_SHARED_LIBRARY_LINKER__tiny
  command = cc -shared \$in -o \$out
build tiny.o: C_COMPILER__tiny $(ninja_path "$src/3rdparty/tiny/tiny.c")
build Qt6Tiny.dll: C_SHARED_LIBRARY_LINKER__tiny tiny.o
NINJA
ninja -C "$build" >/dev/null

thornax_keep_qt_attributions "$src" "$notices"
thornax_keep_qt_build_record "$build" "$notices"
thornax_write_qt_source_record "$notices" 1.0-1 "$src" "patch one.diff"
perl "$top/cmake/windows/qt-notices.pl" \
    "$notices" "$odd/Qt-third-party.txt" Qt6Tiny.dll 2>/dev/null
for expected in "Tiny" "In: Qt6Tiny.dll" "Licence: Tiny Licence" "The tiny licence text."; do
    grep -qxF "$expected" "$odd/Qt-third-party.txt" || {
        echo "FAIL: the notices lack \"$expected\":" >&2
        cat "$odd/Qt-third-party.txt" >&2
        exit 1
    }
done
echo "PASS"
