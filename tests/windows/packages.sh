#!/usr/bin/env bash
# The Windows packages as the people they are for meet them, under Wine, each
# check in a Wine prefix of its own:
#   packages.sh CHECK BUILD_DIR PRODUCT PROGRAM_FILE
#   licences   every package holds the same files, licences for each DLL
#   installer  the per-user installer leaves a user's own files alone
#   msi        install, start, upgrade from an older version, remove
#   signing    with a throwaway certificate, everything that ships verifies
set -euo pipefail
check=$1 build=$2 product=$3 program=$4
export THORNAX_WINE_RUN=packages-$check
wine=$build/run-under-wine.sh
export WINEPREFIX=$build/wine-$THORNAX_WINE_RUN
rm -rf "$WINEPREFIX"
"$wine" wineboot --init >/dev/null 2>&1
drive=$WINEPREFIX/drive_c
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
zip=$(echo "$build"/*-win64.zip) setup=$(echo "$build"/*-setup.exe) msi=$(echo "$build"/*-win64.msi)
list=$build/package-lists/files.txt

fail() { echo "FAIL: $*" >&2; exit 1; }
# The files under a folder, one relative path a line, sorted.
files_in() { (cd "$1" && find . -type f | sed 's|^\./||' | LC_ALL=C sort); }
same_files() { diff <(LC_ALL=C sort "$2") <(files_in "$1") >&2 || fail "$3"; }
# Runs a Windows program and waits until every process of the prefix is gone.
run_and_wait() { "$wine" "$@" >/dev/null 2>&1 || true; WINEPREFIX=$WINEPREFIX wineserver -w; }
registered_products() { "$wine" uninstaller --list 2>/dev/null | grep -c "$product" || true; }

case $check in
licences)
    cmake -E chdir "$work" cmake -E tar xf "$zip"
    folder=$(echo "$work"/*-win64)
    same_files "$folder" "$list" "the zip does not hold the program folder's files"
    msiextract -l "$msi" | sed "s|^.*$product/||" >"$work/msi-files.txt"
    diff <(LC_ALL=C sort "$list") <(LC_ALL=C sort "$work/msi-files.txt") >&2 \
        || fail "the MSI does not hold the program folder's files"
    licences=$folder/licenses
    for text in LGPL-3.0.txt GPL-3.0.txt "$product.txt" Qt-source.txt; do
        [ -s "$licences/$text" ] || fail "licenses/$text is missing"
    done
    grep -q "apt-get source qt6-base=" "$licences/Qt-source.txt" || fail "Qt-source.txt says not how to get the source"
    for component in FreeType HarfBuzz libpng zlib PCRE2 double-conversion; do
        grep -qiF "$component" "$licences/Qt-third-party.txt" \
            || fail "no notice for $component"
    done
    (cd "$folder" && find . -name '*.dll') | while read -r dll; do
        name=$(basename "$dll")
        case $name in
        Qt6*|q*) grep -qF "$name" "$licences/Qt-source.txt" || fail "Qt-source.txt does not name $name" ;;
        *) grep -q "$name:" "$licences/MinGW-runtime.txt" || fail "no licence for $name" ;;
        esac
    done
    ;;
installer)
    mkdir -p "$drive/Tools/translations"
    echo mine >"$drive/Tools/mine.dll"
    echo mine >"$drive/Tools/translations/mine.txt"
    run_and_wait "$setup" /S '/D=C:\Tools'
    installed=$drive/Tools/$product
    [ -f "$installed/$program.exe" ] || fail "the program did not go into a folder of its own"
    grep -v "uninstall.exe" <(files_in "$installed") | diff - <(LC_ALL=C sort "$list") >&2 \
        || fail "the installer wrote other files than the program folder's"
    [ "$(registered_products)" = 1 ] || fail "the installer did not register the program"
    run_and_wait "$installed/uninstall.exe" /S
    [ ! -e "$installed" ] || fail "the uninstaller left $(files_in "$installed")"
    [ "$(files_in "$drive/Tools")" = "$(printf 'mine.dll\ntranslations/mine.txt')" ] \
        || fail "the uninstaller touched the user's files"
    [ "$(registered_products)" = 0 ] || fail "the uninstaller left the program registered"
    ;;
msi)
    (cd "$build/package-lists" && wixl -a x64 -D Version=1.0.1 -o "$work/older.msi" package.wxs)
    installed="$drive/Program Files/$product"
    # Per machine, so the Start-menu entry is every user's; Wine's installer
    # puts it into the installing user's menu all the same.
    msiinfo export "$msi" Property | tr -d '\r' | grep -qx $'ALLUSERS\t1' || fail "the MSI is not per machine"
    shortcut_in_menu() { find "$drive" -path "*/Start Menu/Programs/$product.lnk" | grep -q .; }
    run_and_wait msiexec /i "$work/older.msi" /qn
    [ -f "$installed/$program.exe" ] || fail "the older MSI did not install"
    run_and_wait msiexec /i "$msi" /qn
    [ "$(registered_products)" = 1 ] || fail "the upgrade left $(registered_products) entries"
    shortcut_in_menu || fail "no Start-menu entry"
    # Started as a pupil would; it writes nothing into its own folder.
    env -u QT_QPA_PLATFORM xvfb-run -a timeout 60 "$wine" "$installed/$program.exe" >/dev/null 2>&1 &
    started=$!
    sleep 15
    kill -0 "$started" 2>/dev/null || fail "the installed program did not stay open"
    WINEPREFIX=$WINEPREFIX wineserver -k || true
    wait "$started" || true
    same_files "$installed" "$list" "the installed folder differs from the program folder"
    run_and_wait msiexec /x "$msi" /qn
    [ ! -e "$installed" ] || fail "the MSI left $installed behind"
    ! shortcut_in_menu || fail "the MSI left the Start-menu entry behind"
    [ "$(registered_products)" = 0 ] || fail "the MSI left the program registered"
    ;;
signing)
    cd "$work"
    echo throwaway >password
    openssl req -x509 -newkey rsa:2048 -nodes -keyout key.pem -out cert.pem -days 2 \
        -subj "/CN=$product test signing" -addext extendedKeyUsage=codeSigning 2>/dev/null
    openssl pkcs12 -export -inkey key.pem -in cert.pem -out cert.p12 -passout file:password
    stage=$(echo "$build"/stage/*-win64)
    mkdir signed && cp -r "$stage" signed/
    THORNAX_SIGN_PKCS12=$work/cert.p12 THORNAX_SIGN_PASSWORD_FILE=$work/password \
        cmake -DSETTINGS="$build/package-settings.cmake" -DSTAGE="$work/signed/$(basename "$stage")" \
        -DOUTPUT_DIR="$work/signed" -P "$(dirname "$0")/../../cmake/windows/MakePackages.cmake" >/dev/null
    run_and_wait "$work"/signed/*-setup.exe /S
    written=$(find "$drive/users" -path "*/Programs/$product/uninstall.exe")
    [ -n "$written" ] || fail "the signed installer did not install"
    count=0
    while IFS= read -r -d '' file; do
        osslsigncode verify -CAfile cert.pem -in "$file" >/dev/null 2>&1 || fail "$file is not signed"
        count=$((count + 1))
    done < <(find signed \( -name '*.exe' -o -name '*.dll' -o -name '*.msi' \) -print0; printf '%s\0' "$written")
    echo "$count signed files verify"
    ;;
*)
    fail "no such check: $check"
    ;;
esac
echo "PASS: $check"
