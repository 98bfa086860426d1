# Sourced by the run, test and package scripts: installs the Debian packages the
# build needs when any is missing, through sudo when not root.

# To build, run and test; the validators of the desktop entry, the metainfo and
# the manual page run as tests. Qt's translation tools compile the program's
# translations, and Qt's own translations carry its buttons into the same language.
# The play-through runs the program on weston's headless Wayland compositor and
# on Xvfb with openbox. Perl makes the Windows packages' notices, whose steps
# are tested here too; a minimal Debian 13 does not have it.
thornax_packages="cmake ninja-build g++ pkg-config qt6-base-dev qt6-svg-dev qt6-qpa-plugins
libgl-dev libegl-dev libxkbcommon-dev fonts-liberation fonts-dejavu-core
qt6-webengine-dev desktop-file-utils appstream man-db
qt6-tools-dev qt6-l10n-tools qt6-translations-l10n qt6-wayland weston xvfb openbox perl"

# To build for Windows (scripts/windows): the MinGW-w64 cross compilers, Wine to
# run the tests on a virtual X screen with a window manager, NSIS for the
# installer, zip for the zip, wixl for the MSI (msitools to read it back,
# faketime to give it the source's time), osslsigncode to sign.
thornax_windows_packages="g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix
mingw-w64-x86-64-dev wine wine64 nsis zip wixl msitools faketime osslsigncode openssl
xvfb xauth openbox perl patch xz-utils"

# To build the Debian package and check it.
thornax_packaging_packages="dpkg-dev file lintian"

# Installs the packages above, and any named as arguments.
thornax_install_dependencies() {
    local missing="" package
    for package in $thornax_packages "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
            || missing="$missing $package"
    done
    [ -z "$missing" ] && return 0

    if ! command -v apt-get >/dev/null 2>&1; then
        echo "Please install these packages (or your system's equivalents), then run again:$missing" >&2
        return 1
    fi
    local sudo=""
    if [ "$(id -u)" != 0 ]; then
        if ! command -v sudo >/dev/null 2>&1; then
            echo "Please install, as root: apt-get install$missing" >&2
            return 1
        fi
        sudo=sudo
    fi
    echo "Installing:$missing"
    $sudo apt-get update -q >/dev/null
    # shellcheck disable=SC2086
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends $missing
}

# Configures once, then builds what changed.
thornax_build() {
    local source_dir=$1 build_dir=$2
    if [ ! -f "$build_dir/build.ninja" ]; then
        cmake -S "$source_dir" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo || return 1
    fi
    cmake --build "$build_dir"
}
