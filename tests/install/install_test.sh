#!/usr/bin/env bash
# install_test.sh CMAKE BUILD_DIR VERSION SOURCE_DIR
# `cmake --install` into a temporary prefix puts exactly the program, its menu entry, icon, AppStream file, help
# pages and translations there; desktop-file-validate and appstreamcli (from scripts/deps) accept the two metadata files, and
# the names that tie them together agree.
set -uo pipefail
cmake=$1 build=$2 version=$3 source=$4
id=org.tarvolin.Tarvolin
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

"$cmake" --install "$build" --prefix "$prefix" >/dev/null || { echo "FAIL: cmake --install"; exit 1; }
installed=$(cd "$prefix" && find . -type f | sed 's|^\./||' | sort)
echo "Installed into $prefix:"
echo "$installed" | sed 's/^/  /'
expected=$(sort <<END
bin/tarvolin
share/applications/$id.desktop
share/icons/hicolor/scalable/apps/$id.svg
share/metainfo/$id.metainfo.xml
$(cd "$source/docs/help" && ls index*.html | sed 's|^|share/tarvolin/help/|')
$(cd "$source/translations" && ls tarvolin_*.ts | sed 's|^\(.*\)\.ts$|share/tarvolin/translations/\1.qm|')
END
)
[ "$installed" = "$expected" ] || fail "installed files differ from: $expected"
[ -x "$prefix/bin/tarvolin" ] || fail "bin/tarvolin is not executable"

desktop=$prefix/share/applications/$id.desktop
metainfo=$prefix/share/metainfo/$id.metainfo.xml
for tool in desktop-file-validate appstreamcli; do
    command -v "$tool" >/dev/null || fail "$tool is missing: run scripts/deps"
done
desktop-file-validate "$desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$metainfo" >"$prefix/appstream.txt" 2>&1 || {
    cat "$prefix/appstream.txt"
    fail "appstreamcli validate"
}

field() { sed -n "s/^$1=//p" "$desktop"; }
[ "$(field Exec)" = tarvolin ] || fail "Exec is not the installed program"
[ "$(field Icon)" = "$id" ] || fail "Icon is not the installed icon's name"
[ "$(field GenericName)" = "Financial Calculator" ] || fail "GenericName"
[ "$(field Categories)" = "Office;Finance;" ] || fail "Categories"
[ -n "$(field Comment)" ] || fail "no Comment"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" || fail "metainfo launches another desktop file"
grep -q "<release version=\"$version\"" "$metainfo" || fail "metainfo has no release $version (the project's version)"
grep -q '<screenshot type="default">' "$metainfo" || fail "metainfo has no screenshot"
grep -q '<svg' "$prefix/share/icons/hicolor/scalable/apps/$id.svg" || fail "the icon is not an SVG"

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "All install checks passed"
