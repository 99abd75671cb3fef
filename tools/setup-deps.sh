#!/usr/bin/env bash
# Installs the Debian packages Quarn needs to build, run and test, but only
# those that are missing. Needs root or sudo when something is missing.
set -euo pipefail

packages=(build-essential cmake qt6-base-dev libgtest-dev libgmock-dev libbenchmark-dev
          fonts-liberation2 xvfb xdotool imagemagick x11-utils appstream desktop-file-utils
          debhelper lintian
          orca openbox at-spi2-core dbus-daemon)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
