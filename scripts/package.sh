#!/usr/bin/env bash
# Optional: builds the Debian package in Release (build-package/) and installs it with apt.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
ovrelan_install_packages

BUILD_DIR=build-package
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DOVRELAN_BUILD_TESTS=OFF -DOVRELAN_BUILD_BENCH=OFF
cmake --build "$BUILD_DIR" --parallel "$(nproc)"
(cd "$BUILD_DIR" && cpack -G DEB)
package="$(ls "$BUILD_DIR"/ovrelan_*_amd64.deb)"
sudo=()
if [ "$(id -u)" -ne 0 ]; then
    sudo=(sudo)
fi
"${sudo[@]}" apt-get install -y "./$package"
echo "Installed $package: start Ovrelan from the desktop's menu (Education) or with: ovrelan"
