#!/usr/bin/env bash
# The version has one home, project(VERSION); the programs and packages take it from there. The
# hand-written documents cannot, so they are checked against it here.
#   version_test.sh VERSION SOURCE-DIR
set -euo pipefail
version=$1
source=$2
fail() { echo "FAIL: $*" >&2; exit 1; }

first=$(head -n 1 "$source/data/changelog")
[[ $first == "quv ($version) "* ]] || fail "the changelog begins with another version: $first"
release=$(grep -m 1 -o '<release version="[^"]*"' "$source/data/io.github.quvgame.quv.metainfo.xml")
[ "$release" = "<release version=\"$version\"" ] || fail "the metainfo's newest release: $release"
grep -q "^\.TH QUV 6 \"[0-9-]*\" \"QUV $version\"" "$source/data/quv.6" ||
    fail "the manual page's title line names another version: $(grep '^\.TH' "$source/data/quv.6")"
# The README and the pages under docs/ it links to.
documents=("$source/README.md" "$source"/docs/*.md)
for text in "quv_${version}_amd64.deb" "prints \"QUV $version\"" "quv-$version-windows-x64.zip"; do
    grep -qF "$text" "$source/README.md" || fail "the README does not say $text"
done
stale=$(grep -oHE 'quv_[0-9.]+_amd64|QUV [0-9]+\.[0-9]+|quv-[0-9.]+-(windows|web)' "${documents[@]}" |
    grep -vF -e "quv_${version}_" -e "QUV $version" -e "quv-$version-" || true)
[ -z "$stale" ] || fail "the documents name other versions: $stale"
echo "version $version everywhere"
