#!/usr/bin/env python3
"""Fails when a library or program includes a header of a library it does not link, or when a
toolkit-free library includes Qt. What each may include comes from the build's own table
(layering.tsv, written by CMake from the libraries' declared dependencies), so the check and the
include folders the compiler sees follow the same declarations.

Usage: check_layering.py LAYERING_TABLE SOURCE_DIR
"""
import re
import sys
from pathlib import Path

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')


def read_table(path):
    targets = {}
    for line in Path(path).read_text().splitlines():
        name, toolkit_free, files, headers, includable, toolkits = (line.split('\t') + [''] * 6)[:6]
        targets[name] = {
            'toolkit_free': toolkit_free == '1',
            'files': files.split(),
            'headers': headers.split(),
            'includable': set(includable.split()) | {name},
        }
    return targets


def problems_of(targets, source_dir):
    owner = {}
    for name, target in targets.items():
        for header in target['headers']:
            owner[header] = name
    found = []
    for name, target in sorted(targets.items()):
        for relative in target['files']:
            path = source_dir / relative
            if not path.is_file():
                continue
            for number, line in enumerate(path.read_text(errors='replace').splitlines(), 1):
                match = INCLUDE.match(line)
                if not match:
                    continue
                quote, included = match.groups()
                where = f'{relative}:{number}'
                if quote == '<':
                    if target['toolkit_free'] and re.match(r'Q[A-Za-z]', included):
                        found.append(f'{where}: Qt in {name}, which is toolkit-free: <{included}>')
                    continue
                if '/' not in included:
                    continue  # generated beside the sources (moc, wayland-scanner)
                library = owner.get(included)
                if library is None:
                    found.append(f'{where}: "{included}" is a header of no library')
                elif library not in target['includable']:
                    found.append(f'{where}: {name} includes "{included}" of {library}, which it does not link')
    return found


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    targets = read_table(sys.argv[1])
    problems = problems_of(targets, Path(sys.argv[2]))
    for problem in problems:
        print(problem)
    if problems:
        print(f'FAILED: {len(problems)} include(s) against the layering')
        return 1
    print(f'ok: the includes of {len(targets)} libraries and programs stay within what they link')
    return 0


if __name__ == '__main__':
    sys.exit(main())
