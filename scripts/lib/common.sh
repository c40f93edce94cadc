# Shared by the scripts: where things are, and installing what is missing.
# shellcheck shell=bash
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"

# Debian packages every build needs.
BUILD_PACKAGES=(build-essential cmake ninja-build ccache pkg-config qt6-base-dev libqt6sql6-sqlite
    libsqlite3-dev qt6-multimedia-dev libgl-dev fonts-liberation qt6-translations-l10n)

# Installs the packages of the list that are not installed yet; silent when all are there.
ensure_packages() {
    local missing=()
    local pkg
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    export DEBIAN_FRONTEND=noninteractive
    "${sudo[@]}" apt-get update -qq
    "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# Configures a build folder once; later runs reuse it.
configure() {
    local dir="$1"
    shift
    if [ ! -f "$dir/CMakeCache.txt" ]; then
        cmake -S "$ROOT" -B "$dir" -G Ninja "$@" >/dev/null
    fi
}

build_jobs() {
    nproc 2>/dev/null || echo 2
}
