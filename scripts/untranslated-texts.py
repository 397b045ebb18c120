#!/usr/bin/env python3
"""Lists the Chinese string literals of the sources that do not go through the translation system.

A literal passes when it is the text of tr(), QT_TR_NOOP(), QCoreApplication::translate() or
QT_TRANSLATE_NOOP() (the second argument of the last two), or when its line carries the comment
"untranslated:" with the reason (data, not interface: file bytes, the settings text of the port).
Prints one line per literal and exits 1 when there is any.
"""
import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
FOLDERS = ["src", "cli", "holdpane"]
CJK = re.compile(r"[\u3000-\u303f\u4e00-\u9fff\uff00-\uffef]")
STRING = re.compile(r'(?:u8|u|U|L)?"(?:[^"\\\n]|\\.)*"')
ONE_ARG = {"tr", "QT_TR_NOOP", "QT_TR_N_NOOP"}
TWO_ARGS = {"translate", "QT_TRANSLATE_NOOP", "QT_TRANSLATE_NOOP3", "QT_TRANSLATE_N_NOOP"}


def blank_comments(text):
    """The text with comments replaced by spaces (newlines kept), strings left alone."""
    out, i, n = [], 0, len(text)
    while i < n:
        if text.startswith("//", i):
            j = text.find("\n", i)
            j = n if j < 0 else j
            out.append(" " * (j - i))
            i = j
        elif text.startswith("/*", i):
            j = text.find("*/", i + 2)
            j = n if j < 0 else j + 2
            out.append("".join(c if c == "\n" else " " for c in text[i:j]))
            i = j
        elif text[i] == '"':
            m = STRING.match(text, i)
            j = m.end() if m else i + 1
            out.append(text[i:j])
            i = j
        elif text[i] == "'":
            m = re.compile(r"'(?:[^'\\\n]|\\.)*'").match(text, i)
            j = m.end() if m else i + 1
            out.append(text[i:j])
            i = j
        else:
            out.append(text[i])
            i += 1
    return "".join(out)


def word_before(text, end):
    m = re.search(r"([A-Za-z_][A-Za-z_0-9]*)\s*$", text[:end])
    return m.group(1) if m else ""


def skip_back_strings(text, pos):
    """Position before the run of adjacent string literals and blanks that ends at pos."""
    while True:
        stripped = text[:pos].rstrip()
        if not stripped.endswith('"'):
            return len(stripped)
        starts = [m for m in STRING.finditer(text, 0, len(stripped)) if m.end() == len(stripped)]
        if not starts:
            return len(stripped)
        pos = starts[-1].start()


def translated(text, start):
    before = skip_back_strings(text, start)
    head = text[:before].rstrip()
    if head.endswith("("):
        return word_before(head, len(head) - 1) in ONE_ARG
    if head.endswith(","):
        context_end = len(head) - 1
        context_start = skip_back_strings(text, context_end)
        if context_start == len(text[:context_end].rstrip()):
            return False
        opening = text[:context_start].rstrip()
        return opening.endswith("(") and word_before(opening, len(opening) - 1) in TWO_ARGS
    return False


def untranslated(path):
    raw = path.read_text(encoding="utf-8")
    text = blank_comments(raw)
    lines = raw.split("\n")
    found = []
    for m in STRING.finditer(text):
        if not CJK.search(m.group(0)):
            continue
        line = text.count("\n", 0, m.start())
        if "untranslated:" in lines[line] or translated(text, m.start()):
            continue
        found.append((line + 1, m.group(0)))
    return found


def main():
    failures = 0
    for folder in FOLDERS:
        for path in sorted((ROOT / folder).rglob("*")):
            if path.suffix not in (".cpp", ".h"):
                continue
            name = str(path.relative_to(ROOT))
            for line, literal in untranslated(path):
                print(f"{name}:{line}: {literal}")
                failures += 1
    if "--list" in sys.argv:
        return 0
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
