#!/usr/bin/env bash
# The Windows packages as the people they are for meet them, under Wine, each
# check in a Wine prefix of its own:
#   packages.sh CHECK BUILD_DIR PRODUCT PROGRAM_FILE PACKAGE_NAME
#   licences   every package holds the same files, each has a row in the table
#              of shipped files, and every licence the table names ships
#   bill       the SPDX document lists every file with its checksums
#   installer  upgrades leave nothing behind, a user's own files stay
#   msi        64-bit; install, start, upgrade from an older version and
#              from a rebuild of the same version, remove
#   signing    a failing signature stops the packaging, naming the file;
#              with a throwaway certificate, everything that ships verifies
set -euo pipefail
check=$1 build=$2 product=$3 program=$4 name=$5
export THORNAX_WINE_RUN=packages-$check
wine=$build/run-under-wine.sh
export WINEPREFIX=$build/wine-$THORNAX_WINE_RUN
rm -rf "$WINEPREFIX"
"$wine" wineboot --init >/dev/null 2>&1
drive=$WINEPREFIX/drive_c
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
zip=$build/$name-win64.zip setup=$build/$name-setup.exe msi=$build/$name-win64.msi
list=$build/package-lists/files.txt table=$build/shipped-files.tsv
stage=$build/stage/$name-win64

fail() { echo "FAIL: $*" >&2; exit 1; }
# The files under a folder, one relative path a line, sorted.
files_in() { (cd "$1" && find . -type f | sed 's|^\./||' | LC_ALL=C sort); }
same_files() { diff <(LC_ALL=C sort "$2") <(files_in "$1") >&2 || fail "$3"; }
# Runs a Windows program and waits until every process of the prefix is gone.
run_and_wait() { "$wine" "$@" >/dev/null 2>&1 || true; WINEPREFIX=$WINEPREFIX wineserver -w; }
registered_products() { "$wine" uninstaller --list 2>/dev/null | grep -c "$product" || true; }
# Makes the packages again into $work/$1 from a copy of the program folder
# that the shell command $2 has changed there; the environment may sign.
repackage() {
    mkdir -p "$work/$1"
    cp -r "$stage" "$work/$1/"
    (cd "$work/$1/$name-win64" && eval "$2")
    # Files the command added come from this program, as far as the table knows.
    { cat "$table"; files_in "$work/$1/$name-win64" | { grep -vxFf <(cut -f1 "$table") || true; } |
        awk -v row="$(grep -P "^\Q$program.exe\E\t" "$table" | cut -f2-)" '{ print $0 "\t" row }'
    } >"$work/$1/table.tsv"
    cmake -DSETTINGS="$build/package-settings.cmake" -DSTAGE="$work/$1/$name-win64" \
        -DOUTPUT_DIR="$work/$1" -DSHIPPED_FILES="$work/$1/table.tsv" \
        -P "$(dirname "$0")/../../cmake/windows/MakePackages.cmake"
}

case $check in
licences)
    cmake -E chdir "$work" cmake -E tar xf "$zip"
    folder=$(echo "$work"/*-win64)
    same_files "$folder" "$list" "the zip does not hold the program folder's files"
    msiextract -l "$msi" | sed "s|^.*$product/||" >"$work/msi-files.txt"
    diff <(LC_ALL=C sort "$list") <(LC_ALL=C sort "$work/msi-files.txt") >&2 \
        || fail "the MSI does not hold the program folder's files"
    # Every file has its row; every licence a row names ships.
    perl "$(dirname "$0")/../../cmake/windows/shipped-files-check.pl" "$table" <(files_in "$folder") \
        || fail "the table of shipped files and the zip disagree"
    cut -f6 "$table" | tail -n +2 | tr '|' '\n' | sort -u | while read -r licence; do
        [ -s "$folder/$licence" ] || fail "$licence, named by the table, is missing"
    done
    awk -F '\t' '$1 ~ /^translations\/qtbase_.*\.qm$/ && !($4 ~ /^GPL-3.0-only WITH Qt-GPL-exception/ &&
        $5 ~ /qt6-translations/) { print; bad = 1 } END { exit bad }' "$table" >&2 \
        || fail "Qt's translations lack their licence or source"
    grep -q "apt-get source qt6-base=" "$folder/licenses/Sources.txt" || fail "Sources.txt says not how to get Qt's source"
    for component in FreeType HarfBuzz libpng zlib PCRE2 double-conversion; do
        grep -qiF "$component" "$folder/licenses/Qt-third-party.txt" \
            || fail "no notice for $component"
    done
    ;;
bill)
    perl - "$build/$name-win64.spdx.json" "$stage" <<'PERL' || fail "the bill of materials is wrong"
use strict; use warnings; use JSON::PP; use Digest::SHA; use File::Find;
my ($path, $stage) = @ARGV;
my $doc = JSON::PP->new->decode(do { local $/; open my $in, '<', $path or die "$path: $!\n"; <$in> });
my @errors;
$doc->{spdxVersion} eq 'SPDX-2.3' or push @errors, 'not SPDX 2.3';
$doc->{dataLicense} eq 'CC0-1.0' or push @errors, 'data licence';
$doc->{SPDXID} eq 'SPDXRef-DOCUMENT' or push @errors, 'document id';
$doc->{creationInfo}{created} =~ /^\d{4}-\d\d-\d\dT\d\d:\d\d:\d\dZ$/ or push @errors, 'creation time';
@{ $doc->{creationInfo}{creators} } or push @errors, 'creators';
$doc->{documentNamespace} =~ m{^https?://[^#]+$} or push @errors, 'namespace';
$doc->{name} or push @errors, 'name';
my %file = map { $_->{SPDXID} => $_ } @{ $doc->{files} };
my %owned;
for my $package (@{ $doc->{packages} }) {
    for my $field (qw(SPDXID name versionInfo downloadLocation licenseDeclared licenseConcluded copyrightText)) {
        defined $package->{$field} && $package->{$field} ne '' or push @errors, "package without $field";
    }
    for my $id (@{ $package->{hasFiles} }) {
        $file{$id} or push @errors, "$package->{name} holds the unknown $id";
        $owned{$id}++;
    }
}
my %listed;
for my $file (values %file) {
    $owned{ $file->{SPDXID} } == 1 or push @errors, "$file->{fileName} is in no package or in several";
    (my $name = $file->{fileName}) =~ s{^\./}{};
    $listed{$name} = 1;
    my %sum = map { $_->{algorithm} => $_->{checksumValue} } @{ $file->{checksums} };
    my $real = "$stage/$name";
    unless (-f $real) { push @errors, "$name is listed but does not ship"; next }
    ($sum{SHA1} // '') eq Digest::SHA->new(1)->addfile($real, 'b')->hexdigest or push @errors, "$name: SHA1";
    ($sum{SHA256} // '') eq Digest::SHA->new(256)->addfile($real, 'b')->hexdigest or push @errors, "$name: SHA256";
}
find({ no_chdir => 1, wanted => sub {
    return unless -f;
    (my $name = substr($_, length($stage) + 1));
    $listed{$name} or push @errors, "$name ships but is not listed";
} }, $stage);
print STDERR "$_\n" for @errors;
exit(@errors ? 1 : 0);
PERL
    ;;
installer)
    # An earlier build with a file and a folder of its own, then this one over it.
    repackage earlier 'mkdir -p earlier && echo old >earlier/old.txt && echo old >translations/old.qm' >/dev/null
    mkdir -p "$drive/Tools/translations"
    echo mine >"$drive/Tools/mine.dll"
    echo mine >"$drive/Tools/translations/mine.txt"
    run_and_wait "$work/earlier/$name-setup.exe" /S '/D=C:\Tools'
    installed=$drive/Tools/$product
    [ -f "$installed/earlier/old.txt" ] || fail "the earlier build did not install"
    run_and_wait "$setup" /S
    [ -f "$installed/$program.exe" ] || fail "the program did not go into a folder of its own"
    grep -v "uninstall.exe" <(files_in "$installed") | diff - <(LC_ALL=C sort "$list") >&2 \
        || fail "after the upgrade the folder holds other files than the program folder's"
    [ "$(registered_products)" = 1 ] || fail "the upgrade left $(registered_products) entries"
    run_and_wait "$installed/uninstall.exe" /S
    [ ! -e "$installed" ] || fail "the uninstaller left $(files_in "$installed")"
    [ "$(files_in "$drive/Tools")" = "$(printf 'mine.dll\ntranslations/mine.txt')" ] \
        || fail "the uninstaller touched the user's files"
    [ "$(registered_products)" = 0 ] || fail "the uninstaller left the program registered"
    ;;
msi)
    (cd "$build/package-lists" && wixl -a x64 -D Version=1.0.1 -D NextVersion=1.0.2 \
        -D ProductCode=0f1e2d3c-4b5a-4968-8776-a5b4c3d2e1f0 -o "$work/older.msi" package.wxs)
    installed="$drive/Program Files/$product"
    # Per machine, so the Start-menu entry is every user's; Wine's installer
    # puts it into the installing user's menu all the same.
    msiinfo export "$msi" Property | tr -d '\r' | grep -qx $'ALLUSERS\t1' || fail "the MSI is not per machine"
    # 64-bit components (msidbComponentAttributes64bit), or Windows puts their
    # registry values under WOW6432Node and validation rejects the package.
    msiinfo export "$msi" Component | tr -d '\r' | tail -n +4 | awk -F '\t' '
        { n++ } int($4 / 256) % 2 == 0 { print "32-bit: " $1; bad = 1 } END { exit bad || !n }' >&2 \
        || fail "the MSI has components that are not 64-bit"
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
    # A rebuild of the same version with one file changed (as with a new Qt
    # revision) replaces the installed one.
    repackage rebuilt 'echo rebuilt >>licenses/Sources.txt' >/dev/null
    run_and_wait msiexec /i "$work/rebuilt/$name-win64.msi" /qn
    [ "$(registered_products)" = 1 ] || fail "the same-version rebuild left $(registered_products) entries"
    [ "$(tail -n 1 "$installed/licenses/Sources.txt")" = rebuilt ] || fail "the rebuild's file is not in place"
    run_and_wait msiexec /x "$work/rebuilt/$name-win64.msi" /qn
    [ ! -e "$installed" ] || fail "the MSI left $installed behind"
    ! shortcut_in_menu || fail "the MSI left the Start-menu entry behind"
    [ "$(registered_products)" = 0 ] || fail "the MSI left the program registered"
    ;;
signing)
    cd "$work"
    # A signature that fails (a wrong password, a time-stamp server that does
    # not answer) stops the packaging and names the file.
    printf '#!/bin/sh\ncase "$1" in *"$FAIL_ON"*) exit 3 ;; esac\n' >failing-signer
    chmod +x failing-signer
    tries=0
    for failure in "-setup.exe|$name-setup.exe" "makensis|the uninstaller of $name-setup.exe"; do
        tries=$((tries + 1))
        if FAIL_ON=${failure%%|*} THORNAX_SIGN_COMMAND=$work/failing-signer \
            repackage "failing-$tries" : >output 2>&1; then
            fail "the packaging went on when signing ${failure#*|} failed"
        fi
        grep -q "Signing .*${failure#*|} failed" output || fail "the failure does not name ${failure#*|}"
    done
    echo throwaway >password
    openssl req -x509 -newkey rsa:2048 -nodes -keyout key.pem -out cert.pem -days 2 \
        -subj "/CN=$product test signing" -addext extendedKeyUsage=codeSigning 2>/dev/null
    openssl pkcs12 -export -inkey key.pem -in cert.pem -out cert.p12 -passout file:password
    THORNAX_SIGN_PKCS12=$work/cert.p12 THORNAX_SIGN_PASSWORD_FILE=$work/password repackage signed : >/dev/null
    run_and_wait "$work/signed/$name-setup.exe" /S
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
