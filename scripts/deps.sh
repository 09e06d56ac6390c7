#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need, when missing.
# Sourced by run.sh, test.sh and package.sh.
set -euo pipefail

OVRELAN_PACKAGES=(
    build-essential cmake ninja-build pkg-config clang-format git
    libgtest-dev libgmock-dev libbenchmark-dev libboost-dev
    nlohmann-json3-dev libcli11-dev libgsl-dev
    qt6-base-dev qt6-multimedia-dev qt6-translations-l10n qt6-tools-dev qt6-l10n-tools libgl-dev
    fonts-liberation2 fonts-dejavu-core
    xvfb xauth imagemagick python3
    qt6-svg-dev poppler-utils desktop-file-utils appstream dpkg-dev file
    groff-base man-db
    dbus at-spi2-core python3-pyatspi
)

# What package.sh needs besides: Debian's package checker.
OVRELAN_PACKAGING_PACKAGES=(lintian)

# ovrelan_install_packages [PACKAGE...]: installs those of the packages named (OVRELAN_PACKAGES
# when none are) that are missing.
ovrelan_install_packages() {
    local wanted=("$@")
    if [ ${#wanted[@]} -eq 0 ]; then
        wanted=("${OVRELAN_PACKAGES[@]}")
    fi
    local missing=()
    local pkg
    for pkg in "${wanted[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$pkg")
        fi
    done
    if [ ${#missing[@]} -eq 0 ]; then
        return 0
    fi
    echo "Installing Debian packages: ${missing[*]}"
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        sudo=(sudo)
    fi
    "${sudo[@]}" apt-get update -q
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends \
        "${missing[@]}"
}
