#!/usr/bin/env bash
# Packages this build with CPack and checks the package: the files it installs, Depends computed
# from the binary's libraries, and one version in the package, the binary, the man page and the
# metainfo.
set -euo pipefail
: "${CPACK_CONFIG:?the CPackConfig.cmake of the build must be given}" "${NIMBREL_VERSION:?}"
out=$(mktemp -d "${TMPDIR:-/tmp}/nimbrel-package.XXXXXX")
trap 'rm -rf "$out"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack -G DEB --config "$CPACK_CONFIG" -B "$out" >"$out/cpack.log" 2>&1 || { cat "$out/cpack.log" >&2; fail "cpack"; }
deb=$(find "$out" -maxdepth 1 -name 'nimbrel_*.deb')
[[ -f $deb ]] || fail "cpack made no package: $(ls "$out")"

contents=$(dpkg-deb -c "$deb")
for path in usr/bin/nimbrel usr/share/applications/nimbrel.desktop \
  usr/share/icons/hicolor/scalable/apps/nimbrel.svg usr/share/man/man1/nimbrel.1.gz \
  usr/share/bash-completion/completions/nimbrel usr/share/metainfo/org.nimbrel.Nimbrel.metainfo.xml; do
  grep -q " \./$path\$" <<<"$contents" || fail "the package lacks /$path"
done

# The packages of the libraries the binary links, with the lower bounds dpkg-shlibdeps found
# where the libraries declare them, and the SVG plugins' package.
depends=$(dpkg-deb -f "$deb" Depends | tr ',' '\n' | sed 's/^ *//')
for entry in 'libc6 (>= .*' 'libqt6core6 (>= .*' 'libqt6gui6 (>= .*' 'libqt6widgets6 (>= .*' \
  'libqt6dbus6 (>= .*' 'libxcb1' 'libxcb-xfixes0' 'libqt6svg6'; do
  grep -qx "$entry" <<<"$depends" || fail "Depends lacks [$entry]: $depends"
done

dpkg-deb -x "$deb" "$out/root"
# What shows the version | the text showing it.
version_rows=(
  "$(dpkg-deb -f "$deb" Version)|$NIMBREL_VERSION"
  "$(ASAN_OPTIONS=detect_leaks=0 "$out/root/usr/bin/nimbrel" --version)|Nimbrel $NIMBREL_VERSION"
  "$(zcat "$out/root/usr/share/man/man1/nimbrel.1.gz" | head -n 1)|\"Nimbrel $NIMBREL_VERSION\""
  "$(grep '<release ' "$out/root/usr/share/metainfo/org.nimbrel.Nimbrel.metainfo.xml")|version=\"$NIMBREL_VERSION\""
)
for row in "${version_rows[@]}"; do
  [[ ${row%%|*} == *"${row#*|}"* ]] || fail "[${row#*|}] not in [${row%%|*}]"
done
echo "ok: $deb"
