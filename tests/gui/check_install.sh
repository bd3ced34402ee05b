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
            share/icons/hicolor/32x32/apps/$id.png \
            share/mime/packages/$id.xml; do
  [ -s "$prefix/$file" ] || { echo "not installed: $file" >&2; exit 1; }
done
[ -x "$prefix/bin/trovanel" ] || { echo "bin/trovanel is not executable" >&2; exit 1; }
# PNG header: 32 x 32.
size=$(od -An -tx1 -j16 -N8 "$prefix/share/icons/hicolor/32x32/apps/$id.png" | tr -d ' \n')
[ "$size" = "0000002000000020" ] || { echo "icon is not 32x32: $size" >&2; exit 1; }

desktop-file-validate "$prefix/share/applications/$id.desktop"
appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/$id.metainfo.xml"
# The file manager knows an exercise file by its name and opens it here.
update-mime-database "$prefix/share/mime"
type=$(XDG_DATA_DIRS="$prefix/share" XDG_DATA_HOME="$prefix/none" \
       python3 - "$prefix/share/mime" <<'PY'
import sys
for line in open(sys.argv[1] + "/globs2"):
    if line.rstrip().endswith(":*.trovanel"):
        print(line.split(":")[1])
PY
)
[ "$type" = application/x-trovanel-exercise ] || { echo "*.trovanel has no MIME type: '$type'" >&2; exit 1; }
grep -qx 'MimeType=application/x-trovanel-exercise;' "$prefix/share/applications/$id.desktop"
