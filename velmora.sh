#!/usr/bin/env bash
# Sets up a Debian 12 machine for Velmora, builds it and runs it or its tests.
#   ./velmora.sh play          install what is missing, build, start the game
#   ./velmora.sh test [PRESET] install what is missing, build, run every test (preset: release, debug, asan)
#   ./velmora.sh build [PRESET]
#   ./velmora.sh deps          only install the Debian packages
set -euo pipefail
cd "$(dirname "$0")"

# Packages the build, the game, the content tools and the tests need (the last line: the validators
# of the installed desktop entry and catalogue entry).
PACKAGES=(
    build-essential cmake pkg-config clang libclang-rt-14-dev
    libsdl2-dev libfreetype-dev libfontconfig-dev fonts-liberation2 fonts-dejavu-core
    libjpeg62-turbo-dev zlib1g-dev libminizip-dev
    googletest libgtest-dev libgmock-dev libbenchmark-dev
    libcairo2-dev libgif-dev lib3ds-dev
    zip unzip libjpeg-turbo-progs sox python3
    desktop-file-utils appstream
)

install_missing_packages() {
    local missing=()
    for package in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing missing Debian packages: ${missing[*]}"
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        command -v sudo >/dev/null || { echo "error: run as root to install: ${missing[*]}" >&2; exit 1; }
        sudo=(sudo)
    fi
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build() {
    local preset=$1
    install_missing_packages
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j "$(nproc)"
}

binary_dir() {
    case "$1" in
        release) echo build ;;
        *) echo "build-$1" ;;
    esac
}

command=${1:-play}
preset=${2:-release}
case "$command" in
    deps) install_missing_packages ;;
    build) build "$preset" ;;
    test)
        build "$preset"
        ctest --preset "$preset" -j "$(nproc)"
        ;;
    play)
        build release
        if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -z "${VELMORA_HEADLESS:-}" ]; then
            echo "No display found (DISPLAY is not set): starting without a window (VELMORA_HEADLESS=1)."
            echo "Run it under an X server or Wayland session to play."
            export VELMORA_HEADLESS=1
        fi
        exec "$(binary_dir release)/bin/velmora"
        ;;
    *)
        echo "usage: $0 play | test [release|debug|asan] | build [preset] | deps" >&2
        exit 2
        ;;
esac
