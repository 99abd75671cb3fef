#!/usr/bin/env bash
# Renders the PNG icons in assets/icons from assets/quarn.svg at the sizes a
# desktop asks for. The output is committed; run this after changing the SVG:
#
#   tools/render-icons.sh
#
# Uses rsvg-convert (Debian package librsvg2-bin). The icon's letters are set
# in Comic Neue, so fontconfig is pointed at the bundled copy in src/ui/fonts
# and nothing else: the pictures do not depend on the fonts of the machine.
# The same librsvg release gives identical bytes.
set -euo pipefail
cd "$(dirname "$0")/.."

command -v rsvg-convert >/dev/null || {
    echo "rsvg-convert not found: apt-get install librsvg2-bin" >&2
    exit 1
}

tmp=$(mktemp -d "${TMPDIR:-/tmp}/quarn-icons.XXXXXX")
trap 'rm -rf "$tmp"' EXIT
cat >"$tmp/fonts.conf" <<EOF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <dir>$PWD/src/ui/fonts</dir>
  <cachedir>$tmp/cache</cachedir>
</fontconfig>
EOF

mkdir -p assets/icons
for size in 48 64 128 256; do
    FONTCONFIG_FILE=$tmp/fonts.conf rsvg-convert --width "$size" --height "$size" \
        --output "assets/icons/quarn-$size.png" assets/quarn.svg
    echo "assets/icons/quarn-$size.png"
done
