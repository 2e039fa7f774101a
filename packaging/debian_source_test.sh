#!/usr/bin/env bash
# Builds the package as Debian builds it, from the debian/ folder
# (dpkg-buildpackage, debhelper's CMake build, the distribution's hardening
# flags), in a copy of the tree, and checks it: lintian gives no error, no
# warning and no hardening note, and it holds the files the CMake package
# (packaging/package.cmake) holds. A whole Release build: scripts/test runs
# it once, not every test run.
#   debian_source_test.sh [SOURCE_DIR]
set -euo pipefail
source_dir="$(cd "${1:-$(dirname "$0")/..}" && pwd)"
# A folder of the same name each time: Debian's flags name it (the file
# prefix map), so only then does the compiler cache know the build again.
work="$source_dir/build/debian-source"
rm -rf "$work"
mkdir -p "$work"
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# The tree without its build folders, as a source package would have it.
mkdir "$work/horatick"
tar -C "$source_dir" --exclude=./.git --exclude='./build' --exclude='./build-*' --exclude='./obj-*' \
  --exclude=./debian/horatick --exclude=./debian/.debhelper -cf - . | tar -C "$work/horatick" -xf -

cores="$(nproc)"
# debhelper gives the build a home of its own; the compiler cache stays the
# caller's, so a second package build reuses the first one's work.
if command -v ccache >/dev/null; then
  CCACHE_DIR="${CCACHE_DIR:-$(ccache -k cache_dir)}"
  export CCACHE_DIR
fi
if ! (cd "$work/horatick" && DEB_BUILD_OPTIONS="parallel=$cores" dpkg-buildpackage -us -uc -b) >"$work/build.log" 2>&1; then
  tail -50 "$work/build.log" >&2
  echo "FAIL: dpkg-buildpackage" >&2
  exit 1
fi
# The compiler says nothing about the clock's own sources.
if grep -F ': warning: ' "$work/build.log" >&2; then fail "warnings in the build (above)"; fi
changes="$(ls "$work"/horatick_*.changes)"
deb="$(ls "$work"/horatick_*_"$(dpkg --print-architecture)".deb)"

# Debian's flags reached the compiler and the linker.
grep -q -- '-D_FORTIFY_SOURCE=2' "$work/build.log" || fail "no _FORTIFY_SOURCE in the build"
grep -q -- '-fstack-protector-strong' "$work/build.log" || fail "no stack protector in the build"
grep -q -- '-z,relro' "$work/build.log" || fail "no RELRO in the link"
grep -q -- '-z,now' "$work/build.log" || fail "no BIND_NOW in the link"

lintian --display-info --fail-on error,warning "$changes" >"$work/lintian.txt" 2>&1 || {
  cat "$work/lintian.txt" >&2
  fail "lintian reports an error or a warning (above)"
}
if grep -E '^[EWI]: .*hardening-' "$work/lintian.txt" >&2; then fail "lintian has hardening notes (above)"; fi

# The same files as the CMake package: the one list is checked by package_test.sh.
dpkg-deb --contents "$deb" | awk '{ print $6 }' | sed 's|^\./|/|' | grep -v '/$' | sort >"$work/files"
expected=(
  /usr/bin/horatick
  /usr/share/applications/horatick.desktop
  /usr/share/doc/horatick/changelog.gz
  /usr/share/doc/horatick/copyright
  /usr/share/horatick/help.html
  /usr/share/icons/hicolor/16x16/apps/horatick.png
  /usr/share/icons/hicolor/256x256/apps/horatick.png
  /usr/share/icons/hicolor/48x48/apps/horatick.png
  /usr/share/icons/hicolor/scalable/apps/horatick.svg
  /usr/share/man/man1/horatick.1.gz
  /usr/share/metainfo/org.horatick.horatick.metainfo.xml
)
for path in "${expected[@]}"; do
  grep -qxF "$path" "$work/files" || fail "the package lacks $path"
done
program="$work/root/usr/bin/horatick"
dpkg-deb --extract "$deb" "$work/root"
version="$(dpkg-deb --field "$deb" Version)"
[ "$("$program" --version)" = "horatick $version" ] || fail "--version says '$("$program" --version)'"

[ "$failures" -eq 0 ] || exit 1
echo "Debian package $(basename "$deb") built from debian/ and checked"
