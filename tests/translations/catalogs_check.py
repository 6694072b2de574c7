#!/usr/bin/env python3
"""Fails while a language's catalog is unfinished or out of step with the program, or while src/
has a text for people that no catalog can hold; says which languages and texts.

The catalogs are compared with copies that scripts/update-translations.sh brings up to date: a
text missing from them, or one the program no longer has, shows as a difference."""
import os
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

SOURCE = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).resolve().parents[2])

# Literal texts that reach a person without passing through a catalog: a line on standard error
# spelled out after the program's name, or a widget's text given as it is.
UNTRANSLATED = [
    (re.compile(r'"nimbrel: (?:%s: )?[^"%]*[A-Za-z]{2}'), "a message on standard error"),
    (re.compile(r'perror\("'), "a message on standard error"),
    (re.compile(r'(?:addAction|setText|setToolTip|setWindowTitle|setPlaceholderText|addItem)\(\s*(?:QStringLiteral\()?"'),
     "a text in a window or menu"),
]


def messages(catalog):
    """{(context, source, comment): list of translations ("" for an empty one, None when unfinished)}"""
    found = {}
    for context in ET.parse(catalog).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            translation = message.find("translation")
            forms = [f.text or "" for f in translation.iter("numerusform")] or [translation.text or ""]
            done = translation.get("type") is None
            found[(name, message.findtext("source"), message.findtext("comment") or "")] = [
                form if done else None for form in forms]
    return found


def untranslatable_texts():
    return [f"{path.relative_to(SOURCE)}:{number}: {what} not translatable: {line.strip()}"
            for path in sorted((SOURCE / "src").rglob("*")) if path.suffix in (".cpp", ".h")
            for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1)
            for pattern, what in UNTRANSLATED if pattern.search(line)]


def main():
    languages = (SOURCE / "translations/LANGUAGES").read_text().split()
    catalogs = {language: SOURCE / f"translations/nimbrel_{language}.ts" for language in languages}
    problems = {}
    with tempfile.TemporaryDirectory() as updated:
        for catalog in catalogs.values():
            if catalog.exists():
                shutil.copy(catalog, updated)
        subprocess.run([str(SOURCE / "scripts/update-translations.sh"), updated], check=True, env=os.environ)
        for language, catalog in catalogs.items():
            if not catalog.exists():
                problems[language] = ["no catalog: run scripts/update-translations.sh"]
                continue
            have, want = messages(catalog), messages(pathlib.Path(updated, catalog.name))
            listed = [f"not in the catalog: {key[0]}: {key[1]!r}" for key in want if key not in have]
            listed += [f"no longer in the program: {key[0]}: {key[1]!r}" for key in have if key not in want]
            listed += [f"untranslated: {key[0]}: {key[1]!r}" for key, forms in have.items()
                       if key in want and not all(forms)]
            if listed:
                problems[language] = listed
    source_problems = untranslatable_texts()
    for language, listed in problems.items():
        print(f"{language}: {len(listed)} to do", *listed, sep="\n  ")
    print(*source_problems, sep="\n")
    if problems or source_problems:
        print(f"unfinished: {' '.join(problems) or 'no language'}; "
              f"{len(source_problems)} untranslatable texts in src/")
        return 1
    print(f"complete: {' '.join(languages)}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
