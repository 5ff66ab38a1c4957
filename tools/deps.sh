#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the Debian packages that building and testing Torsiva need, when
# any of them is missing. Extra package names may be passed as arguments;
# after --only, those packages alone are looked at.
set -euo pipefail

if [ "${1:-}" = --only ]; then
  shift
  packages=("$@")
else
  packages=(
    cmake make g++ pkg-config
    qt6-base-dev qt6-qpa-plugins libgl-dev fonts-dejavu-core
    libgtest-dev libgmock-dev libbenchmark-dev
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    desktop-file-utils appstream groff man-db librsvg2-bin
    "$@"
  )
fi

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
    missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update -q
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -q "${missing[@]}"
