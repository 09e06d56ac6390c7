#!/usr/bin/env bash
# Optional: builds the Debian package in Release (build-package/), checks it with lintian and
# installs it with apt.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
ovrelan_install_packages "${OVRELAN_PACKAGES[@]}" "${OVRELAN_PACKAGING_PACKAGES[@]}"

# The folders in the package get their modes from the umask: 022, as dpkg-buildpackage sets it.
umask 022
BUILD_DIR=build-package
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DOVRELAN_BUILD_TESTS=OFF -DOVRELAN_BUILD_BENCH=OFF
cmake --build "$BUILD_DIR" --parallel "$(nproc)"
rm -f "$BUILD_DIR"/ovrelan_*.deb
(cd "$BUILD_DIR" && cpack -G DEB)
package="$(ls "$BUILD_DIR"/ovrelan_*.deb)"
# Debian's checks: no error and no warning (cmake/lintian-overrides has the one tag that does
# not apply to this package, and why).
lintian --fail-on error,warning "$package"
sudo=()
if [ "$(id -u)" -ne 0 ]; then
    sudo=(sudo)
fi
"${sudo[@]}" apt-get install -y "./$package"
echo "Installed $package: start Ovrelan from the desktop's menu (Education) or with: ovrelan"
