#!/usr/bin/env bash
# Installs the Debian packages Quarn needs to build, run and test, but only
# those that are missing. Needs root or sudo when something is missing.
set -euo pipefail

packages=(build-essential cmake qt6-base-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n libicu-dev libgtest-dev libgmock-dev libbenchmark-dev
          fonts-liberation2 fonts-dejavu-core xvfb xdotool imagemagick x11-utils appstream desktop-file-utils
          debhelper lintian python3 weston libweston-10-dev pkgconf qt6-wayland
          orca openbox at-spi2-core dbus-daemon
          # The word lists and hunspell dictionaries the word packs are built from.
          wngerman wfrench wspanish witalian wportuguese wdutch wswedish wdanish wpolish
          wukrainian wbulgarian hunspell-de-de hunspell-fr hunspell-es hunspell-it
          hunspell-pt-pt hunspell-nl hunspell-sv hunspell-da hunspell-pl hunspell-uk
          hunspell-bg)

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
