#!/usr/bin/env bash
# The site's package: cpack writes one zip that opens as one folder holding exactly the static
# site; the page tests serve that folder.
#
#   package_test.sh CPACK BUILD VERSION OUT
set -euo pipefail
cpack=$1 build=$2 version=$3 out=$4

"$cpack" --config "$build/CPackConfig.cmake" >/dev/null
rm -rf "$out" && mkdir -p "$out"
(cd "$out" && cmake -E tar xf "$build/package/quv-$version-web.zip")
expected=$(printf "quv-$version-web/%s\n" index.html sw.js \
    manifest.json quv.js quv.wasm LICENSE quv-{32,48,64,128,192,512,maskable}.png | sort)
found=$(cd "$out" && find . -type f | sed 's|^\./||' | sort)
diff <(echo "$expected") <(echo "$found") >&2 || { echo "the zip is not the site" >&2; exit 1; }
