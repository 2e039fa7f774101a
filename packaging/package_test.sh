#!/usr/bin/env bash
# Builds the Debian package from a build folder and checks it as a user's
# machine would see it: the file name, the control fields, the files and
# where they go, the launcher entry and the AppStream description, lintian's
# verdict, and that the program in it runs.
#   package_test.sh BUILD_DIR VERSION desktop|terminal
set -euo pipefail
build="$1" version="$2" kind="$3"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1; then
  cat "$work/cpack.log" >&2
  exit 1
fi
deb="$work/out/horatick_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || { ls "$work/out" >&2; echo "FAIL: no $(basename "$deb")" >&2; exit 1; }

# The control fields; the dependencies come from the libraries the program links.
field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = horatick ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)'"
[ "$(field Section)" = utils ] || fail "Section is '$(field Section)'"
depends="$(field Depends)"
needed=(libc6 libstdc++6)
[ "$kind" = desktop ] && needed+=(libqt6widgets6 libasound2 libxcb1 fonts-dejavu-core)
for package in "${needed[@]}"; do
  sed 's/ *([^)]*)//g; s/, */\n/g' <<<"$depends" | grep -qxF "$package" || fail "Depends lacks $package: $depends"
done
[[ "$(field Description)" == *$'\n'* ]] || fail "Description has no long text"

# The files, and nothing outside /usr.
dpkg-deb --contents "$deb" | awk '{ print $6 }' | sed 's|^\./|/|' >"$work/files"
expected=(
  /usr/bin/horatick
  /usr/share/horatick/help.html
  /usr/share/man/man1/horatick.1.gz
  /usr/share/doc/horatick/copyright
  /usr/share/doc/horatick/changelog.gz
  /usr/share/icons/hicolor/scalable/apps/horatick.svg
  /usr/share/icons/hicolor/16x16/apps/horatick.png
  /usr/share/icons/hicolor/48x48/apps/horatick.png
  /usr/share/icons/hicolor/256x256/apps/horatick.png
)
[ "$kind" = desktop ] && expected+=(/usr/share/applications/horatick.desktop
                                    /usr/share/metainfo/org.horatick.horatick.metainfo.xml)
for path in "${expected[@]}"; do
  grep -qxF "$path" "$work/files" || fail "the package lacks $path"
done
if grep -v -e '^/$' -e '^/usr/' "$work/files"; then fail "files outside /usr (above)"; fi

dpkg-deb --extract "$deb" "$work/root"
root="$work/root"
program="$root/usr/bin/horatick"
[ "$("$program" --version)" = "horatick $version" ] || fail "--version says '$("$program" --version)'"
readelf --section-headers "$program" | grep -q '\.symtab' && fail "the program is not stripped"
gzip --test "$root/usr/share/man/man1/horatick.1.gz" || fail "the manual page is not gzipped"

if [ "$kind" = desktop ]; then
  entry="$root/usr/share/applications/horatick.desktop"
  desktop-file-validate "$entry" || fail "the launcher entry does not validate"
  grep -qx 'Actions=show;' "$entry" || fail "the launcher entry names no show action"
  sed -n '/^\[Desktop Action show\]/,/^\[/p' "$entry" >"$work/action"
  grep -qx 'Name=Show the Clock' "$work/action" || fail "the show action is not \"Show the Clock\""
  grep -qx 'Exec=horatick --show' "$work/action" || fail "the show action does not run horatick --show"
  appstreamcli validate --no-net "$root/usr/share/metainfo/org.horatick.horatick.metainfo.xml" ||
    fail "the AppStream description does not validate"
fi

# Warnings are for people to read; an error fails the package.
lintian --fail-on error "$deb" || fail "lintian reports an error (above)"

[ "$failures" -eq 0 ] || exit 1
echo "package $(basename "$deb") checked"
