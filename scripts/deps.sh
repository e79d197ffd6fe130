#!/usr/bin/env bash
# Installs the Debian packages that building and testing Lumet needs, when missing.
# Usage: scripts/deps.sh [build|test|package|windows]
set -euo pipefail

build_packages=(g++ cmake ninja-build pkg-config qt6-base-dev libxcb1-dev fonts-wine fonts-liberation2 fonts-dejavu-core)
test_packages=(libgtest-dev libgmock-dev libbenchmark-dev iproute2 iputils-ping xvfb xdotool imagemagick libcap2-bin procps passwd appstream desktop-file-utils man-db clang-format)
package_packages=(dpkg-dev file)
# The Windows build: the cross compiler, GoogleTest's sources and Wine to run tests.
windows_packages=(cmake ninja-build g++-mingw-w64-x86-64-posix googletest wine wine64 fonts-wine xvfb xdotool imagemagick)

packages=("${build_packages[@]}")
case "${1:-build}" in
test) packages+=("${test_packages[@]}" "${package_packages[@]}" "${windows_packages[@]}") ;;
package) packages+=("${package_packages[@]}") ;;
windows) packages=("${windows_packages[@]}") ;;
esac

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [ "$status" = "install ok installed" ] || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
    echo "Lumet needs these Debian packages: ${missing[*]}" >&2
    echo "Install them as root:  apt-get install ${missing[*]}" >&2
    exit 1
fi
echo "Installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
