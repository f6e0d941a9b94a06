#!/usr/bin/env bash
# Installs the Debian packages the build needs, only when something is missing.
set -euo pipefail
packages=(g++ cmake ninja-build pkg-config libgtest-dev libcli11-dev nlohmann-json3-dev libudev-dev libpng-dev
  qt6-base-dev xvfb xauth xdotool imagemagick fonts-dejavu-core fonts-dejavu-extra)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""; [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi
