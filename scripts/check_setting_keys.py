#!/usr/bin/env python3
"""Settings are read and written through the typed keys of
src/core/settings/SettingKeys.h, so each key has one default. Prints every
call that still spells a key as a literal and exits 1."""
import os
import re
import sys

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "src")
CALL = re.compile(r'\b(?:get|set)(?:Bool|Int|IntRaw|String|StringList|Flag|Bin|Record)\(\s*(?:QStringLiteral|QLatin1String|QString::fromLatin1)?\(?\s*"')


def main():
    problems = []
    for folder, _, files in os.walk(ROOT):
        if os.path.relpath(folder, ROOT).startswith(os.path.join("core", "settings")):
            continue
        for name in files:
            if not name.endswith((".h", ".cpp")):
                continue
            path = os.path.join(folder, name)
            with open(path, encoding="utf-8") as f:
                for number, line in enumerate(f, 1):
                    if CALL.search(line):
                        problems.append(f"{os.path.relpath(path, ROOT)}:{number}: {line.strip()}")
    for p in problems:
        print(p)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
