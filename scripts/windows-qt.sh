# Sourced by scripts/windows: Qt for Windows, cross-built once from Debian's own
# source of the Qt the program builds against, and kept in a cache outside the
# tree. The cache key is the Qt version and a digest of the options and the
# toolchain file, so changing either builds a new Qt beside the old one.

# Only what the program and its tests use. The wintab and IAccessible2 sources
# are not in Debian's source, hence no tablet events (accessibility goes
# through UI Automation). OpenGL stays on: the Windows platform plugin of
# Qt 6.4 does not compile without it.
thornax_qt_options=(
    -DCMAKE_BUILD_TYPE=Release
    -DBUILD_SHARED_LIBS=ON
    -DQT_BUILD_EXAMPLES=OFF
    -DQT_BUILD_TESTS=OFF
    -DQT_QMAKE_TARGET_MKSPEC=win32-g++
    -DFEATURE_sql=OFF
    -DFEATURE_network=OFF
    -DFEATURE_dbus=OFF
    -DFEATURE_printsupport=OFF
    -DFEATURE_concurrent=OFF
    -DFEATURE_xml=OFF
    -DFEATURE_tabletevent=OFF
)

# The Debian source version of the host's Qt, e.g. 6.4.2+dfsg-10.
thornax_host_qt_source_version() {
    dpkg-query -W -f='${source:Version}' qt6-base-dev
}

# Prints the folder Qt for Windows is installed in (built or not yet).
thornax_windows_qt_prefix() {
    local cache=$1 toolchain=$2 upstream key
    upstream=$(thornax_host_qt_source_version | sed 's/[+~-].*//')
    key=$( { printf '%s\n' "${thornax_qt_options[@]}"; cat "$toolchain"; } | sha256sum | cut -c1-12)
    echo "$cache/qt-$upstream-mingw-$key"
}

# Downloads Debian's qt6-base source into $1 with a private apt state (no change
# to the system's sources), and prints the path of the upstream tarball.
thornax_fetch_qt_source() {
    local dir=$1 version codename mirror=http://deb.debian.org
    version=$(thornax_host_qt_source_version)
    codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
    mkdir -p "$dir/lists/partial" "$dir/cache/archives/partial"
    local keyring=/usr/share/keyrings/debian-archive-keyring.gpg
    cat >"$dir/sources.list" <<LIST
deb-src [signed-by=$keyring] $mirror/debian $codename main
deb-src [signed-by=$keyring] $mirror/debian $codename-updates main
deb-src [signed-by=$keyring] $mirror/debian-security $codename-security main
LIST
    local apt=(apt-get -q -o "Dir::Etc::SourceList=$dir/sources.list"
        -o Dir::Etc::SourceParts=/nonexistent -o "Dir::State::Lists=$dir/lists"
        -o "Dir::Cache=$dir/cache" -o "APT::Sandbox::User=$(id -un)")
    local tarball
    tarball=$(ls "$dir"/qt6-base_"${version%%-*}".orig.tar.* 2>/dev/null | head -n1)
    if [ -z "$tarball" ]; then
        "${apt[@]}" update >&2
        # Every Debian revision of one Qt release shares its upstream tarball.
        (cd "$dir" && { "${apt[@]}" source --download-only "qt6-base=$version" >&2 \
            || "${apt[@]}" source --download-only qt6-base >&2; })
        tarball=$(ls "$dir"/qt6-base_"${version%%-*}".orig.tar.* 2>/dev/null | head -n1)
    fi
    [ -n "$tarball" ] || { echo "No source of qt6-base ${version%%-*} found." >&2; return 1; }
    echo "$tarball"
}

# Debian's security fixes from its patch series, applied to the upstream source
# in $2; its other patches are about Debian's own build and stay out.
thornax_apply_qt_security_fixes() {
    local debian_tarball patch
    debian_tarball=$(ls "$(dirname "$1")"/qt6-base_*.debian.tar.* | head -n1)
    mkdir -p "$2/.debian"
    tar -xf "$debian_tarball" -C "$2/.debian"
    for patch in $(grep -E '^cve-' "$2/.debian/debian/patches/series"); do
        patch -d "$2" -p1 -s <"$2/.debian/debian/patches/$patch" || return 1
    done
}

# Builds and installs Qt for Windows into $3 unless it is there already.
thornax_build_windows_qt() {
    local cache=$1 toolchain=$2 prefix=$3
    [ -f "$prefix/.complete" ] && return 0
    local tarball work="$prefix.build"
    tarball=$(thornax_fetch_qt_source "$cache/source") || return 1
    echo "Building Qt for Windows into $prefix (about an hour, once)..."
    rm -rf "$work" "$prefix"
    mkdir -p "$work/src"
    tar -xf "$tarball" -C "$work/src" --strip-components=1
    thornax_apply_qt_security_fixes "$tarball" "$work/src" || return 1
    cmake -S "$work/src" -B "$work/build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_INSTALL_PREFIX="$prefix" \
        -DQT_HOST_PATH=/usr \
        -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        "${thornax_qt_options[@]}" >"$work/configure.log" 2>&1 \
        || { tail -n 40 "$work/configure.log" >&2; return 1; }
    cmake --build "$work/build" >"$work/build.log" 2>&1 \
        || { tail -n 40 "$work/build.log" >&2; return 1; }
    cmake --install "$work/build" >"$work/install.log" 2>&1 || return 1
    touch "$prefix/.complete"
    rm -rf "$work"
}
