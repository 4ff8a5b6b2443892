#!/usr/bin/env bash
# Draws the icon's PNGs from the XPM drawings, with ImageMagick: 16 and 24 pixels from their own
# drawings, the larger sizes from quv.xpm by whole or half pixels, so that the edges stay sharp.
# QUV.exe's .ico is put together from these at build time; rerun this after editing a drawing.
set -euo pipefail
cd "$(dirname "$0")"
# No time stamps or other metadata: the same drawing gives the same bytes.
png() { convert "$1" -filter point -resize "$2" -strip -define png:exclude-chunks=date,time "png32:$3"; }
png quv-16.xpm 16x16 quv-16.png
png quv-24.xpm 24x24 quv-24.png
for size in 32 48 64 128 256; do
    png quv.xpm "${size}x${size}" "quv-$size.png"
done
