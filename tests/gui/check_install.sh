#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks that the program, its
# desktop entry, metainfo and 32x32 icon land where desktops look, and that
# the entry and metainfo validate.
#   check_install.sh BUILD_DIR
set -eu
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

id=example.trovanel.Trovanel
for file in bin/trovanel share/applications/$id.desktop \
            share/metainfo/$id.metainfo.xml \
            share/icons/hicolor/32x32/apps/$id.png; do
  [ -s "$prefix/$file" ] || { echo "not installed: $file" >&2; exit 1; }
done
[ -x "$prefix/bin/trovanel" ] || { echo "bin/trovanel is not executable" >&2; exit 1; }
# PNG header: 32 x 32.
size=$(od -An -tx1 -j16 -N8 "$prefix/share/icons/hicolor/32x32/apps/$id.png" | tr -d ' \n')
[ "$size" = "0000002000000020" ] || { echo "icon is not 32x32: $size" >&2; exit 1; }

desktop-file-validate "$prefix/share/applications/$id.desktop"
appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/$id.metainfo.xml"
