#!/usr/bin/env bash
# Brings the catalogs of translations/ (one a language listed in translations/LANGUAGES) up to date
# with the texts of src/, the desktop entry's and the metainfo's: new texts come in unfinished,
# texts gone are dropped, and a language listed without a catalog gets one. Given a folder, updates
# the catalogs there instead (the completeness test updates copies).
set -euo pipefail
cd "$(dirname "$0")/.."
catalogs=$(realpath "${1:-translations}")
# Qt 6's own, as Debian installs it, unless the build names another.
lupdate=${LUPDATE:-/usr/lib/qt6/bin/lupdate}

work=$(mktemp -d "${TMPDIR:-/tmp}/nimbrel-lupdate.XXXXXX")
trap 'rm -rf "$work"' EXIT
python3 cmake/desktop_translations.py extract src/desktop/resources/nimbrel.desktop \
  src/desktop/resources/org.nimbrel.Nimbrel.metainfo.xml.in "$work/desktop_texts.cpp"

while read -r language; do
  [[ -n $language ]] || continue
  # The core marks the texts it defines and translates elsewhere with translatable().
  "$lupdate" -silent -locations none -no-obsolete -no-ui-lines -source-language en -target-language "$language" \
    -tr-function-alias QT_TRANSLATE_NOOP+=translatable -extensions cpp,h,ui \
    src "$work/desktop_texts.cpp" -ts "$catalogs/nimbrel_$language.ts"
done <translations/LANGUAGES
