#!/usr/bin/env bash
# Checks that the Windows packages of this commit are reproducible: builds
# them twice, from two fresh copies of the commit in two folders (the second
# with a space in its path, and reaching the cached Qt through a path with a
# space, @ and $, as a domain-joined home folder gives), at two different
# times, and compares the unsigned zip, installer, MSI and bill of materials
# byte for byte. When they differ, says which files inside differ and how.
#   tests/windows/reproducible.sh [KEEP_DIR]
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
commit=$(git -C "$top" rev-parse HEAD)
root=${1:-$(mktemp -d)}
mkdir -p "$root"
first=$root/first
second="$root/second build"

cache=${THORNAX_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/thornax-windows-trainer}
odd_cache="$root/john@corp.example/\$cache dir"
mkdir -p "$(dirname "$odd_cache")"
ln -sfn "$cache" "$odd_cache"
for copy in "$first" "$second"; do
    rm -rf "$copy"
    git clone -q "$top" "$copy"
    git -C "$copy" checkout -q --detach "$commit"
    [ "$copy" = "$first" ] && copy_cache=$cache || copy_cache=$odd_cache
    echo "== Building $commit in $copy, Qt from $copy_cache"
    (cd "$copy" && THORNAX_WINDOWS_CACHE=$copy_cache ./scripts/windows --packages-only) \
        >"$copy.log" 2>&1 || { tail -n 30 "$copy.log" >&2; exit 1; }
done

packages() { sed 's/^[0-9a-f]*  //' "$1/build-windows/SHA256SUMS"; }
if cmp -s "$first/build-windows/SHA256SUMS" "$second/build-windows/SHA256SUMS"; then
    cat "$first/build-windows/SHA256SUMS"
    echo "PASS: the packages of $commit are the same bytes in both builds"
    exit 0
fi
echo "FAIL: the packages differ:" >&2
diff "$first/build-windows/SHA256SUMS" "$second/build-windows/SHA256SUMS" >&2 || true
# Which files of the program folder differ, and where.
for copy in "$first" "$second"; do
    mkdir -p "$copy/unpacked"
    (cd "$copy/unpacked" && cmake -E tar xf "$copy"/build-windows/*-win64.zip)
done
(cd "$first/unpacked" && find . -type f | LC_ALL=C sort) | while read -r file; do
    differing=$(cmp -l "$first/unpacked/$file" "$second/unpacked/$file" 2>/dev/null | wc -l)
    [ "$differing" = 0 ] || echo "  $file: $differing bytes differ, from offset" \
        "$(cmp "$first/unpacked/$file" "$second/unpacked/$file" | sed 's/.*byte \([0-9]*\).*/\1/')" >&2
done
for package in $(packages "$first"); do
    differing=$(cmp -l "$first/build-windows/$package" "$second/build-windows/$package" | wc -l || true)
    echo "  $package: $differing bytes differ" >&2
done
exit 1
