#!/usr/bin/env bash
# The site's package: cpack writes one zip that opens as one folder holding exactly the static
# site. The folder is left in OUT for the page tests, which serve the site from it.
#
#   package_test.sh CPACK BUILD VERSION OUT
set -euo pipefail
cpack=$1 build=$2 version=$3 out=$4

"$cpack" --config "$build/CPackConfig.cmake" >/dev/null
zip=$build/package/quv-$version-web.zip
rm -rf "$out"
mkdir -p "$out"
(cd "$out" && cmake -E tar xf "$zip")
[ "$(ls "$out")" = "quv-$version-web" ] || { echo "the zip does not open as one folder" >&2; exit 1; }

expected=$(printf '%s\n' index.html quv.css page.js menu_bar.js dialogs.js sw.js manifest.json \
    quv.js quv.wasm LICENSE quv-{32,48,64,128,192,512}.png | sort)
found=$(cd "$out/quv-$version-web" && find . -type f | sed 's|^\./||' | sort)
if [ "$found" != "$expected" ]; then
    echo "the site's files differ from what a static server needs:" >&2
    diff <(echo "$expected") <(echo "$found") >&2 || true
    exit 1
fi
# The manifest names the two sizes an installed app asks for, and they are that large.
for size in 192 512; do
    file -b "$out/quv-$version-web/quv-$size.png" | grep -q "$size x $size" ||
        { echo "quv-$size.png is not $size pixels square" >&2; exit 1; }
done
echo "site of $(echo "$found" | wc -l) files in quv-$version-web.zip"
