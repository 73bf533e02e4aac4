#!/usr/bin/env bash
# Builds the Debian package with CPack into a temporary folder and checks it
# without installing it: its dependencies were read from the libraries
# (dpkg-shlibdeps), it carries the programs, libraries, Bible files and
# desktop files, and the programs unpacked from it run.
set -uo pipefail
build=$(cd "$1" && pwd)
version=$2
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
for tool in dpkg-deb dpkg-shlibdeps file; do
  if ! command -v "$tool" >/dev/null; then
    echo "$tool not installed: the Debian package is not checked"
    exit 0
  fi
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

if ! (cd "$build" && cpack -G DEB -B "$work/out") >"$work/cpack.log" 2>&1; then
  cat "$work/cpack.log"
  echo "FAIL: cpack -G DEB"
  exit 1
fi
deb=$work/out/kalendra_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || { ls "$work/out"; echo "FAIL: no $deb"; exit 1; }

[ "$(dpkg-deb -f "$deb" Package)" = kalendra ] || fail "package name $(dpkg-deb -f "$deb" Package)"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version $(dpkg-deb -f "$deb" Version)"
depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6widgets6 libqt6printsupport6 libjpeg62-turbo libstdc++6; do
  [[ $depends == *"$library"* ]] || fail "Depends lacks $library: $depends"
done
[[ $depends != *HYMNPAK* && $depends != *ICONPACK* ]] || fail "Depends names the package's own libraries: $depends"

dpkg-deb -c "$deb" | awk '{ print $6, $7, $8 }' | sed 's/ *$//' >"$work/contents"
for entry in "./usr/bin/kalview -> ../lib/kalendra/kalview" "./usr/bin/kalday -> ../lib/kalendra/kalday" \
             ./usr/lib/kalendra/kalview ./usr/lib/kalendra/kalday ./usr/lib/kalendra/HYMNPAK.so \
             ./usr/lib/kalendra/ICONPACK.so ./usr/lib/kalendra/XTRAPICS.so ./usr/lib/kalendra/OldTstmt.dat \
             ./usr/lib/kalendra/NewTstmt.dat ./usr/lib/kalendra/Apoc.dat \
             ./usr/share/applications/org.kalendra.kalview.desktop \
             ./usr/share/metainfo/org.kalendra.kalview.metainfo.xml \
             ./usr/share/icons/hicolor/48x48/apps/org.kalendra.kalview.png; do
  grep -qxF -- "$entry" "$work/contents" || fail "the package lacks $entry"
done

# The unpacked tree is a prefix like any other: its kalday prints the page
# the build's kalday prints.
dpkg-deb -x "$deb" "$work/root"
(cd "$work" && root/usr/bin/kalday --date 2026-12-25 --readings) >"$work/unpacked.txt" 2>&1 ||
  fail "unpacked kalday failed: $(head -3 "$work/unpacked.txt")"
"$build/bin/kalday" --date 2026-12-25 --readings >"$work/built.txt"
cmp -s "$work/unpacked.txt" "$work/built.txt" || fail "unpacked kalday prints another page"

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "Debian package $(basename "$deb"): all checks passed"
