# Sourced by scripts/windows: Qt for Windows, cross-built once from Debian's own
# source of the Qt the program builds against, and kept in a cache outside the
# tree. The cache key is Debian's full source version (a new revision brings new
# security fixes) and a digest of the options, the toolchain file and the steps
# below, so a change of any of them builds a new Qt beside the old one.

thornax_windows_cmake_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/../cmake/windows" && pwd)

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

# Debian's patches that are about Debian's own way of building its packages,
# not about Qt's code, kept out of the Windows build, each with the reason.
thornax_qt_patch_kept_out() {
    case $1 in
    cross.patch)
        echo "Debian's cross-building of its Linux packages: it keeps pkg-config on when" \
            "cross-compiling, which would let the Windows build take this machine's Linux libraries" ;;
    *) return 1 ;;
    esac
}

# The Debian source version of the host's Qt, e.g. 6.4.2+dfsg-10.
thornax_host_qt_source_version() {
    dpkg-query -W -f='${source:Version}' qt6-base-dev
}

# Prints the folder Qt for Windows is installed in (built or not yet).
thornax_windows_qt_prefix() {
    local cache=$1 toolchain=$2 version key
    version=$(thornax_host_qt_source_version) || return 1
    # How Qt is patched, configured and recorded is part of the key too.
    key=$( {
        printf '%s\n' "${thornax_qt_options[@]}"
        cat "$toolchain"
        declare -f thornax_qt_patch_kept_out thornax_apply_debian_qt_patches \
            thornax_keep_qt_attributions thornax_keep_qt_build_record \
            thornax_write_qt_source_record thornax_build_windows_qt_locked
    } | sha256sum | cut -c1-12)
    echo "$cache/qt-${version//:/_}-mingw-$key"
}

# The machine's own apt entries for binary packages, made into entries for
# source packages: the same archives (a local mirror or proxy included),
# suites, components and keyrings. One-line entries go to $1, deb822 ones to $2.
thornax_write_source_entries() {
    local one_line=$1 deb822=$2 list parts file
    eval "$(apt-config shell list Dir::Etc::SourceList/f parts Dir::Etc::SourceParts/d)"
    : >"$one_line"
    : >"$deb822"
    for file in "$list" "$parts"*.list; do
        [ -f "$file" ] && sed -n 's/^[[:space:]]*deb[[:space:]]/deb-src /p' "$file" >>"$one_line"
    done
    for file in "$parts"*.sources; do
        [ -f "$file" ] || continue
        awk 'BEGIN { RS = ""; ORS = "\n\n" }
            {
                n = split($0, lines, "\n"); binary = 0; stanza = ""
                for (i = 1; i <= n; i++) {
                    if (tolower(lines[i]) ~ /^types:/) {
                        binary = (" " substr(lines[i], 7) " ") ~ /[ \t]deb[ \t]/
                        lines[i] = "Types: deb-src"
                    }
                    stanza = stanza lines[i] "\n"
                }
                if (binary) print stanza
            }' "$file" >>"$deb822"
    done
    if ! grep -q . "$one_line" "$deb822"; then
        echo "This machine's apt configuration names no archive to take Qt's source from." >&2
        return 1
    fi
}

# Downloads Debian's qt6-base source of exactly the host's version into $1 (a
# folder for that version), with a private apt state: the system's sources and
# lists stay as they are.
thornax_fetch_qt_source() {
    local dir=$1 version=$2
    [ -f "$dir/.fetched" ] && return 0
    mkdir -p "$dir/apt/lists/partial" "$dir/apt/cache/archives/partial" "$dir/apt/sources.list.d" || return 1
    thornax_write_source_entries "$dir/apt/sources.list" "$dir/apt/sources.list.d/machine.sources" || return 1
    local apt=(apt-get -q -o "Dir::Etc::SourceList=$dir/apt/sources.list"
        -o "Dir::Etc::SourceParts=$dir/apt/sources.list.d" -o "Dir::State::Lists=$dir/apt/lists"
        -o "Dir::Cache=$dir/apt/cache" -o "APT::Sandbox::User=$(id -un)")
    # An archive without source indexes makes update complain; the download
    # below is what has to succeed.
    "${apt[@]}" update >&2 || true
    if ! (cd "$dir" && "${apt[@]}" source --download-only "qt6-base=$version" >&2); then
        echo "Debian's source of qt6-base $version could not be fetched: the first run needs the" >&2
        echo "source archive of the apt entries this machine uses (after an upgrade of" >&2
        echo "qt6-base-dev, that of the new version)." >&2
        return 1
    fi
    touch "$dir/.fetched"
}

# Debian's patch series of the revision, applied whole and in order to the
# upstream source in $2, each without fuzz: a patch that does not apply as
# written stops the build. Prints what it did, a line a patch.
thornax_apply_debian_qt_patches() {
    local debian_tarball=$1 src=$2 series name options reason
    mkdir -p "$src/.debian" || return 1
    if ! tar -xf "$debian_tarball" -C "$src/.debian"; then
        echo "Debian's patches could not be unpacked from $debian_tarball." >&2
        return 1
    fi
    series=$src/.debian/debian/patches/series
    if [ ! -f "$series" ]; then
        echo "$debian_tarball holds no patch series." >&2
        return 1
    fi
    while read -r name options; do
        if reason=$(thornax_qt_patch_kept_out "$name"); then
            echo "kept-out $name $reason"
            continue
        fi
        # quilt's series may give a patch its own -p level; -p1 otherwise.
        if ! patch -d "$src" ${options:--p1} --fuzz=0 --forward --batch -s \
            <"$src/.debian/debian/patches/$name" >&2; then
            echo "Debian's patch $name does not apply without fuzz: Qt for Windows is not built." >&2
            return 1
        fi
        echo "patch $name"
    done < <(sed -e 's/#.*//' -e '/^[[:space:]]*$/d' "$series")
}

# What the packages' licence notices are made from, kept beside the installed
# Qt: every attribution file of the source $1 with the licence files it names
# (taken before the build, so that a fault here shows in minutes, not after
# the hour), then, from the build $2, its record of which sources went into
# which library.
thornax_keep_qt_attributions() {
    local src=$1 notices=$2 file
    mkdir -p "$notices/attributions" || return 1
    perl -I "$thornax_windows_cmake_dir" -MQtAttributions \
        -e 'print "$_\n" for QtAttributions::files_to_keep($ARGV[0])' "$src" \
        >"$notices/attribution-files.txt" || return 1
    while IFS= read -r file; do
        if [ -f "$src/$file" ]; then
            (cd "$src" && cp --parents "$file" "$notices/attributions/") || return 1
        fi
    done <"$notices/attribution-files.txt"
}

thornax_keep_qt_build_record() {
    local build=$1 notices=$2
    # Which library each object went into, and every file (headers included)
    # each object was compiled from: third-party code is often #included.
    gzip -9nc "$build/build.ninja" >"$notices/build.ninja.gz" || return 1
    ninja -C "$build" -t deps | gzip -9nc >"$notices/deps.txt.gz" || return 1
    if [ -f "$build/config.summary" ]; then cp "$build/config.summary" "$notices/"; fi
}

# Which Debian source and patches this is, how it was configured, and where
# the source lay while it was built (the build record names files by it).
thornax_write_qt_source_record() {
    local notices=$1 version=$2 src=$3 patches=$4
    {
        echo "package qt6-base"
        echo "version $version"
        echo "source-root $src"
        printf '%s\n' "$patches"
        printf 'option %s\n' "${thornax_qt_options[@]}"
    } >"$notices/source.txt"
}

# Builds and installs Qt for Windows into $3 unless it is there already. One
# build at a time: a second run waits for the first rather than undo its work.
thornax_build_windows_qt() {
    local cache=$1 toolchain=$2 prefix=$3 lock
    mkdir -p "$cache" || return 1
    exec {lock}>"$cache/qt.lock"
    if ! flock -n "$lock"; then
        echo "Another run is building Qt for Windows in $cache; waiting for it..."
        flock "$lock"
    fi
    thornax_build_windows_qt_locked "$@"
    local status=$?
    exec {lock}>&-
    return $status
}

thornax_build_windows_qt_locked() {
    local cache=$1 toolchain=$2 prefix=$3
    [ -f "$prefix/.complete" ] && return 0
    local version upstream source patches work
    version=$(thornax_host_qt_source_version) || return 1
    upstream=${version#*:}
    source=$cache/source/${version//:/_}
    thornax_fetch_qt_source "$source" "$version" || return 1
    echo "Building Qt for Windows into $prefix (about an hour, once)..."
    rm -rf "$prefix"
    # Qt is compiled in a folder whose name needs no quoting (the cache's may
    # hold spaces, @ or $), and that name is mapped away in what the compiler
    # writes: no build path ends up in Qt's files.
    work=$(mktemp -d /tmp/thornax-qt.XXXXXXXX) || return 1
    mkdir -p "$work/src"
    if ! tar -xf "$source/qt6-base_${upstream%-*}.orig.tar.xz" -C "$work/src" --strip-components=1; then
        echo "The upstream source of qt6-base $version could not be unpacked." >&2
        return 1
    fi
    patches=$(thornax_apply_debian_qt_patches "$source/qt6-base_$upstream.debian.tar.xz" "$work/src") || return 1
    echo "Debian's patches:"
    echo "$patches" | sed 's/^/    /'
    mkdir -p "$prefix/notices"
    thornax_keep_qt_attributions "$work/src" "$prefix/notices" || return 1
    # Configured for a neutral prefix (Qt finds its files relative to its
    # DLLs) and installed into the cache.
    local map="-ffile-prefix-map=$work/src=qt6-base -ffile-prefix-map=$work/build=qt6-base-build"
    cmake -S "$work/src" -B "$work/build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_INSTALL_PREFIX=/qt \
        -DCMAKE_C_FLAGS="$map" -DCMAKE_CXX_FLAGS="$map" \
        -DQT_HOST_PATH=/usr \
        -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        "${thornax_qt_options[@]}" >"$work/configure.log" 2>&1 \
        || { tail -n 40 "$work/configure.log" >&2; echo "(in $work)" >&2; return 1; }
    cmake --build "$work/build" >"$work/build.log" 2>&1 \
        || { tail -n 40 "$work/build.log" >&2; echo "(in $work)" >&2; return 1; }
    cmake --install "$work/build" --prefix "$prefix" >"$work/install.log" 2>&1 \
        || { tail -n 40 "$work/install.log" >&2; return 1; }
    thornax_keep_qt_build_record "$work/build" "$prefix/notices" || return 1
    thornax_write_qt_source_record "$prefix/notices" "$version" "$work/src" "$patches" || return 1
    touch "$prefix/.complete"
    rm -rf "$work"
}
