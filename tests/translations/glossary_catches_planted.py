#!/usr/bin/env python3
"""The glossary check fails on a term translated another way, naming it: run on copies of the
catalogues and the AppStream file with one German text and one Japanese paragraph changed to an
older word for the concept.

Usage: glossary_catches_planted.py CHECK GLOSSARY TRANSLATIONS_FOLDER APPSTREAM_TEMPLATE
"""
import shutil
import subprocess
import sys
import tempfile
from pathlib import Path


def plant(path, old, new):
    text = path.read_text(encoding="utf-8")
    if old not in text:
        sys.exit(f"{path.name} no longer has {old!r} to plant a fault in")
    path.write_text(text.replace(old, new, 1), encoding="utf-8")


def main():
    check, glossary, folder, template = (Path(argument) for argument in sys.argv[1:5])
    with tempfile.TemporaryDirectory() as scratch:
        copies = Path(scratch)
        shutil.copytree(folder, copies / "translations")
        shutil.copy(template, copies / template.name)
        plant(copies / "translations" / "quillon_de.ts", "<translation>Weltzeittafel</translation>",
              "<translation>Weltuhr</translation>")
        plant(copies / template.name, "世界時計を表示したスタジオ", "ワールドボードを表示したスタジオ")
        run = subprocess.run([sys.executable, str(check), str(glossary), str(copies / "translations"),
                              str(copies / template.name)], capture_output=True, text=True)
    said = run.stdout + run.stderr
    expected = ['quillon_de.ts: "World Board" is not Weltzeittafel in "Weltuhr"',
                '[ja]: "World Board" is not 世界時計 in "ワールドボードを表示したスタジオ"']
    missed = [line for line in expected if line not in said]
    if run.returncode != 1 or missed:
        print(f"the check ended with status {run.returncode} and said:\n{said}")
        for line in missed:
            print(f"FAILED: it did not say {line!r}")
        return 1
    print("the check named both planted terms")
    return 0


if __name__ == "__main__":
    sys.exit(main())
