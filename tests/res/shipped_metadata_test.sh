#!/usr/bin/env bash
# Reads what the package ships beside the programs the way the desktop and the
# distribution do: the desktop entry, the AppStream record, the manual pages
# and the package's changelog, and checks that they agree on the name and on
# the version being built.
# Usage: shipped_metadata_test.sh <source folder> <desktop id> <version>
set -euo pipefail
src=$1 id=$2 version=$3
status=0
fail() {
  echo "FAIL: $*" >&2
  status=1
}

desktop-file-validate "$src/res/$id.desktop" || fail "desktop-file-validate refuses $id.desktop"
appstreamcli validate --no-net "$src/res/$id.metainfo.xml" || fail "appstreamcli refuses $id.metainfo.xml"
grep -q "<id>$id</id>" "$src/res/$id.metainfo.xml" || fail "the AppStream id is not $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$src/res/$id.metainfo.xml" ||
  fail "the AppStream record does not launch $id.desktop"
grep -q "<release version=\"$version\"" "$src/res/$id.metainfo.xml" ||
  fail "the AppStream record has no release $version"
head -n1 "$src/packaging/changelog" | grep -q "^corvane ($version-[0-9]*) " ||
  fail "the package's changelog does not start with a revision of version $version"
for page in app/Pellumbra.1 tools/corvane-remux/corvane-remux.1; do
  mandoc -T lint -W warning "$src/$page" || fail "mandoc finds faults in $page"
done
exit $status
