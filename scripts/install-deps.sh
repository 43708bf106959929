#!/usr/bin/env bash
# Installs the Debian packages that building, testing and running Kairo Drill need.
# With the argument "package", also what checks the Debian package (lintian).
# Idempotent: when everything is present it only asks dpkg and returns.
set -euo pipefail

packages=(
  g++ make cmake pkg-config ccache
  qt6-base-dev qt6-svg-dev libqt6svg6 libgl-dev
  qt6-tools-dev qt6-l10n-tools
  libqt6sql6-sqlite
  fonts-noto-cjk
  xvfb xauth
  clang libclang-rt-14-dev
  desktop-file-utils appstream dpkg-dev file
)
[ "${1:-}" = package ] && packages+=(lintian)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
