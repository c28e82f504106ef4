#!/usr/bin/env python3
"""Each concept of the glossary is named the same way throughout a language.

The glossary (a tab-separated file: the English term, then one column per language) gives for each
concept the words a language names it with; a cell may list several forms, separated by " | ", for
a word's inflections or its verb. Every text of a catalogue whose source names the concept (the term
as a whole word, in any case, or its plural) must use one of them, and so must every translated
paragraph, summary and caption of the AppStream file beside the English one that names it, and every
translated name and comment of the desktop entries. A term
in a source written as "term~" in the glossary's first column matches only that exact case, for
terms that are ordinary words in other senses ("Sign" the display, not "sign" the verb). A row whose
first cell starts with "!" names an English phrase in which the concept above it has another sense
("update as you change them": refresh, not a software update); one that starts with "=" a name
that stays as it is in every language ("Quillon Widgets"), left out of every English text.

Usage: check_glossary.py GLOSSARY TRANSLATIONS_FOLDER APPSTREAM_TEMPLATE DESKTOP_ENTRY...
"""
import csv
import re
import sys
import xml.etree.ElementTree as ElementTree
from pathlib import Path

XML_LANG = "{http://www.w3.org/XML/1998/namespace}lang"


class Concept:
    def __init__(self, term, forms):
        self.exact_case = term.endswith("~")
        self.term = term.rstrip("~")
        self.forms = forms  # language -> [form, …]
        flags = 0 if self.exact_case else re.IGNORECASE
        self.pattern = re.compile(r"(?<![\w-])" + re.escape(self.term) + r"(?:s|es)?(?![\w-])", flags)
        self.other_senses = []

    def named_in(self, english):
        for phrase in self.other_senses:
            english = english.replace(phrase, "")
        return bool(self.pattern.search(english))

    def used_in(self, language, text):
        folded = text.casefold()
        return any(form.casefold() in folded for form in self.forms[language])


def read_glossary(path):
    with open(path, encoding="utf-8", newline="") as file:
        rows = [row for row in csv.reader(file, delimiter="\t") if row and not row[0].startswith("#")]
    header, *entries = rows
    languages = header[1:]
    concepts = []
    names = []
    for row in entries:
        if row[0].startswith("="):
            names.append(row[0][1:])
            continue
        if row[0].startswith("!"):
            if not concepts:
                sys.exit(f"{path}: {row[0]!r} comes before any concept")
            concepts[-1].other_senses.append(row[0][1:])
            continue
        if len(row) != len(header):
            sys.exit(f"{path}: the row for {row[0]!r} has {len(row)} cells, not {len(header)}")
        forms = {language: [form.strip() for form in cell.split("|") if form.strip()]
                 for language, cell in zip(languages, row[1:])}
        concepts.append(Concept(row[0], forms))
    return languages, concepts, names


def catalogue_texts(ts_file):
    """(source, [translation, …]) for each finished message."""
    for message in ElementTree.parse(ts_file).getroot().iter("message"):
        source = message.findtext("source") or ""
        translation = message.find("translation")
        if translation is None or translation.get("type") in ("vanished", "obsolete", "unfinished"):
            continue
        forms = translation.findall("numerusform")
        yield source, [form.text or "" for form in forms] if forms else [translation.text or ""]


def appstream_texts(template, languages):
    """(english, [(language, translation), …]) for each paragraph, summary and caption, matched by
    order: each English element is followed by its translations."""
    root = ElementTree.parse(template).getroot()
    for parent in root.iter():
        english = None
        translated = []
        for child in list(parent):
            if child.tag not in ("p", "summary", "caption", "name"):
                continue
            language = child.get(XML_LANG)
            text = " ".join(" ".join(child.itertext()).split())
            if language is None:
                if english is not None:
                    yield english, translated
                english, translated = text, []
            elif language in languages:
                translated.append((language, text))
        if english is not None:
            yield english, translated


def desktop_texts(entry, languages):
    """(english, [(language, translation), …]) for the entry's Name, GenericName and Comment."""
    values = {}
    for line in entry.read_text(encoding="utf-8").splitlines():
        found = re.fullmatch(r"(Name|GenericName|Comment)(?:\[([\w@]+)\])?=(.*)", line)
        if found:
            values.setdefault(found.group(1), {})[found.group(2)] = found.group(3)
    for forms in values.values():
        if None in forms:
            yield forms[None], [(language, forms[language]) for language in languages if language in forms]


def main():
    if len(sys.argv) < 4:
        sys.exit(__doc__)
    glossary, folder, template = Path(sys.argv[1]), Path(sys.argv[2]), Path(sys.argv[3])
    entries = [Path(argument) for argument in sys.argv[4:]]
    languages, concepts, names = read_glossary(glossary)

    def without_names(english):
        for name in names:
            english = english.replace(name, "")
        return english

    faults = []
    for language in languages:
        ts_file = folder / f"quillon_{language}.ts"
        for source, translations in catalogue_texts(ts_file):
            for concept in concepts:
                if not concept.named_in(without_names(source)):
                    continue
                for translation in translations:
                    if not concept.used_in(language, translation):
                        faults.append(f"{ts_file.name}: \"{concept.term}\" is not {' or '.join(concept.forms[language])} "
                                      f"in \"{translation}\" (source \"{source}\")")
    others = [(template.name, appstream_texts(template, languages))]
    others += [(entry.name, desktop_texts(entry, languages)) for entry in entries]
    for file_name, texts in others:
        check_beside_english(file_name, texts, concepts, without_names, faults)
    for fault in faults:
        print(fault)
    print(f"{len(faults)} fault(s) in {len(languages)} language(s), {len(concepts)} concept(s)")
    return 1 if faults else 0


def check_beside_english(file_name, texts, concepts, without_names, faults):
    for english, translations in texts:
        for concept in concepts:
            if not concept.named_in(without_names(english)):
                continue
            for language, translation in translations:
                if not concept.used_in(language, translation):
                    faults.append(f"{file_name} [{language}]: \"{concept.term}\" is not "
                                  f"{' or '.join(concept.forms[language])} in \"{translation}\"")


if __name__ == "__main__":
    sys.exit(main())
