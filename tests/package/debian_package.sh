#!/usr/bin/env bash
# Builds this source as a packager would, packages the build with CPack and checks the package:
# the files it installs, Depends computed from the binary's libraries, and one version in the
# package, the binary, the man page and the metainfo. The build uses CMake's default generator
# (Unix Makefiles, as Debian's debhelper does; the presets' Ninja hides what it leaves undone,
# such as making the folders of generated files), optimised and without the tests, in BUILD_DIR,
# where a later run builds on it.
set -euo pipefail
: "${SOURCE_DIR:?}" "${BUILD_DIR:?}" "${NIMBREL_VERSION:?}"
out=$(mktemp -d "${TMPDIR:-/tmp}/nimbrel-package.XXXXXX")
trap 'rm -rf "$out"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
# holds TEXT PATTERN: a line of the text matches the pattern (grep's basic regular expression).
holds() { grep -q -- "$2" <<<"$1" || fail "[$2] not in [$1]"; }

# A generator chosen in the environment would be taken instead of the default.
(unset CMAKE_GENERATOR && cmake -S "$SOURCE_DIR" -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=Release -DNIMBREL_BUILD_TESTS=OFF &&
  cmake --build "$BUILD_DIR" --parallel "$(nproc)") >"$out/build.log" 2>&1 || { tail -n 30 "$out/build.log" >&2; fail "build"; }
cpack -G DEB --config "$BUILD_DIR/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 || { cat "$out/cpack.log" >&2; fail "cpack"; }
deb=$(find "$out" -maxdepth 1 -name 'nimbrel_*.deb')

for path in bin/nimbrel share/applications/nimbrel.desktop share/icons/hicolor/scalable/apps/nimbrel.svg \
  share/man/man1/nimbrel.1.gz share/bash-completion/completions/nimbrel share/metainfo/org.nimbrel.Nimbrel.metainfo.xml \
  share/doc/nimbrel/copyright; do
  holds "$(dpkg-deb -c "$deb")" " \./usr/$path\$"
done

# The packages of the libraries the binary links, with the lower bounds dpkg-shlibdeps found
# where the libraries declare them, and the SVG plugins' package.
for entry in 'libc6 (>= .*' 'libqt6core6 (>= .*' 'libqt6gui6 (>= .*' 'libqt6widgets6 (>= .*' \
  'libqt6dbus6 (>= .*' 'libxcb1' 'libxcb-xfixes0' 'libqt6svg6'; do
  holds "$(dpkg-deb -f "$deb" Depends | tr ',' '\n' | sed 's/^ *//')" "^$entry\$"
done

dpkg-deb -x "$deb" "$out/root"
holds "$(dpkg-deb -f "$deb" Version)" "^$NIMBREL_VERSION\$"
holds "$("$out/root/usr/bin/nimbrel" --version)" "Nimbrel $NIMBREL_VERSION"
holds "$(zcat "$out/root/usr/share/man/man1/nimbrel.1.gz" | head -n 1)" "\"Nimbrel $NIMBREL_VERSION\""
holds "$(grep '<release ' "$out/root/usr/share/metainfo/org.nimbrel.Nimbrel.metainfo.xml")" "version=\"$NIMBREL_VERSION\""
# The catalogs are built into the binary, and merged into the desktop entry and the metainfo.
holds "$(LANGUAGE=de "$out/root/usr/bin/nimbrel" --help)" "Gibt diese Hilfe aus"
for language in de ar; do
  holds "$(cat "$out/root/usr/share/applications/nimbrel.desktop")" "^GenericName\[$language\]=."
  holds "$(cat "$out/root/usr/share/metainfo/org.nimbrel.Nimbrel.metainfo.xml")" "<summary xml:lang=\"$language\">."
done
# The copyright file in Debian's machine-readable format: the format's header, a copyright and a
# licence in every Files paragraph, the text of every licence named, and each vendored file under
# a paragraph of its own.
python3 - "$out/root/usr/share/doc/nimbrel/copyright" "$SOURCE_DIR" <<'PY' || fail "the copyright file"
import fnmatch, pathlib, re, sys
paragraphs = [dict(re.findall(r"^(\S[^:\n]*):[ \t]*(.*)$", p, re.M)) for p in pathlib.Path(sys.argv[1]).read_text().split("\n\n")]
assert paragraphs[0].get("Format") == "https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/", paragraphs[0]
files = [p for p in paragraphs if "Files" in p]
assert files and files[0]["Files"] == "*", files
texts = {p["License"] for p in paragraphs if "License" in p and "Files" not in p}
for p in files:
    assert p.get("Copyright") and p.get("License") in texts, p
for vendored in sorted(pathlib.Path(sys.argv[2], "third_party").rglob("*.xml")):
    name = str(vendored.relative_to(sys.argv[2]))
    assert any(fnmatch.fnmatch(name, pattern) for p in files[1:] for pattern in p["Files"].split()), name
PY
echo "ok: $deb"
