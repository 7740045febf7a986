#!/usr/bin/env bash
# Builds the Debian package from the build tree and checks its fields and
# its files.
set -euo pipefail
build=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

cpack --config "$build/CPackConfig.cmake" -B "$out" >/dev/null
deb=$(ls "$out"/zorva_*.deb)
echo "built $(basename "$deb")"

fail() { echo "FAIL: $*" >&2; exit 1; }

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = zorva ] || fail "Package is $(field Package)"
[ "$(field Section)" = education ] || fail "Section is $(field Section)"
depends=$(field Depends)
for needed in libqt6widgets6 libqt6gui6 libqt6core6 libc6 fonts-liberation2 fonts-dejavu-core; do
  grep -q "$needed" <<<"$depends" || fail "Depends lacks $needed: $depends"
done

files=$(dpkg-deb -c "$deb" | awk '{ print $6 }')
for expected in ./usr/bin/zorva ./usr/share/applications/zorva.desktop \
                ./usr/share/icons/hicolor/16x16/apps/zorva.png \
                ./usr/share/icons/hicolor/32x32/apps/zorva.png; do
  grep -qx "$expected" <<<"$files" || fail "no $expected in the package"
done

mkdir "$out/root"
dpkg-deb -x "$deb" "$out/root"
desktop-file-validate "$out/root/usr/share/applications/zorva.desktop"
for size in 16 32; do
  file "$out/root/usr/share/icons/hicolor/${size}x${size}/apps/zorva.png" | grep -q "$size x $size" ||
    fail "the ${size}px icon is not ${size} x ${size}"
done
echo "package fields and files as expected"
