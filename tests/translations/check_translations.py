#!/usr/bin/env python3
"""The translation catalogues are complete and in step with the sources.

Fails, naming each fault, when a translatable text of the sources is missing from the catalogues
(lupdate, run on copies, finds texts the committed files lack), when a language's translation of a
text is missing, unfinished or left over from an older source, or when the placeholders of a
translation (%1 … %99, and %n for counts) differ from its source's. English holds the plural forms
only.

Usage: check_translations.py LUPDATE SOURCE_ROOT TRANSLATIONS_FOLDER --folders FOLDER... --languages LANGUAGE...
The folders (relative to SOURCE_ROOT) and the languages are the build's own lists, which CMake passes.
"""
import argparse
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree
from pathlib import Path

PLACEHOLDER = re.compile(r"%(?:\d{1,2}|n)")


def messages(ts_file):
    """(context, source, comment) -> message element, for every message of a catalogue."""
    found = {}
    for context in ElementTree.parse(ts_file).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            key = (name, message.findtext("source"), message.findtext("comment") or "")
            found[key] = message
    return found


def describe(key):
    context, source, comment = key
    return f"{context}: \"{source}\"" + (f" ({comment})" if comment else "")


def translations_of(message):
    translation = message.find("translation")
    if translation is None:
        return None, []
    forms = translation.findall("numerusform")
    texts = [form.text or "" for form in forms] if forms else [translation.text or ""]
    return translation.get("type"), texts


def check_catalogue(ts_file, plurals_only):
    faults = []
    for key, message in messages(ts_file).items():
        kind, texts = translations_of(message)
        numerus = message.get("numerus") == "yes"
        if plurals_only and not numerus:
            continue
        if kind in ("vanished", "obsolete"):
            faults.append(f"{ts_file.name}: no longer in the sources: {describe(key)}")
            continue
        if kind == "unfinished" or not texts or any(not text.strip() for text in texts):
            faults.append(f"{ts_file.name}: not translated: {describe(key)}")
            continue
        wanted = sorted(set(PLACEHOLDER.findall(key[1])))
        for text in texts:
            have = sorted(set(PLACEHOLDER.findall(text)))
            if have != wanted:
                faults.append(
                    f"{ts_file.name}: placeholders {have} where the source has {wanted}: "
                    f"{describe(key)} -> \"{text}\"")
    return faults


def check_in_step(lupdate, root, folder, translated_folders, languages):
    """Runs lupdate on copies of the catalogues: every text it finds must be in the committed ones."""
    faults = []
    with tempfile.TemporaryDirectory() as scratch:
        for language in ["en"] + languages:
            committed = folder / f"quillon_{language}.ts"
            copy = Path(scratch) / committed.name
            shutil.copy(committed, copy)
            command = [lupdate, "-silent", "-locations", "none", "-no-obsolete", "-I", str(root)]
            if language == "en":
                command.append("-pluralonly")
            command += [str(root / name) for name in translated_folders] + ["-ts", str(copy)]
            subprocess.run(command, check=True, stdout=subprocess.DEVNULL)
            known = messages(committed)
            for key in messages(copy):
                if key not in known:
                    faults.append(f"{committed.name}: a text of the sources is missing: {describe(key)}")
    return faults


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("lupdate")
    parser.add_argument("root", type=Path)
    parser.add_argument("folder", type=Path)
    parser.add_argument("--folders", nargs="+", required=True)
    parser.add_argument("--languages", nargs="+", required=True)
    arguments = parser.parse_args()
    lupdate, root, folder, languages = arguments.lupdate, arguments.root, arguments.folder, arguments.languages
    faults = check_in_step(lupdate, root, folder, arguments.folders, languages)
    faults += check_catalogue(folder / "quillon_en.ts", plurals_only=True)
    for language in languages:
        faults += check_catalogue(folder / f"quillon_{language}.ts", plurals_only=False)
    for fault in faults:
        print(fault)
    counts = {language: len(messages(folder / f"quillon_{language}.ts")) for language in languages}
    print(f"{len(faults)} faults; texts per language: {counts}")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
