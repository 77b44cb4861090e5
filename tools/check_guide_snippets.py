#!/usr/bin/env python3
"""Keeps docs/guide.md and README.md honest: every code block of the guide,
and every C++ block of the README, is a copy of a file that the test suite
builds and runs (docs/snippets/), byte for byte.

A block names its file in one of two ways:
  - a ```cpp block whose first line is the comment "// docs/snippets/<name>.cpp";
  - any other block preceded by the line "<!-- file: docs/snippets/<name> -->"
    (the output a snippet prints, a JSON file it reads).
A block that names no file is an error, and so is a snippet in
docs/snippets/*.cpp that the guide never shows, or one without the .expected
file its CTest run is compared with.

Usage: check_guide_snippets.py [REPOSITORY_ROOT]   (default: this script's ../)
Exit status 0 when everything matches; 1 with one line per problem otherwise.
"""

import pathlib
import re
import sys

FENCE = re.compile(r"^(`{3,})\s*([\w+-]*)\s*$")
FILE_MARKER = re.compile(r"^<!--\s*file:\s*(\S+)\s*-->\s*$")
CPP_NAME = re.compile(r"^//\s*(docs/snippets/[\w.-]+\.cpp)\s*$")


def blocks(text):
    """Yields (line number, language, content, marker) for each fenced block.

    `content` is the text between the fences with a newline after each line,
    which is how a snippet file ends; `marker` is the file named by a marker
    line right before the opening fence, or None.
    """
    lines = text.split("\n")
    i = 0
    while i < len(lines):
        opening = FENCE.match(lines[i])
        if not opening:
            i += 1
            continue
        fence, language = opening.group(1), opening.group(2).lower()
        previous = FILE_MARKER.match(lines[i - 1]) if i > 0 else None
        start = i + 1
        end = start
        while end < len(lines) and lines[end].rstrip() != fence:
            end += 1
        if end == len(lines):
            raise ValueError(f"guide.md:{i + 1}: code block is never closed")
        content = "".join(line + "\n" for line in lines[start:end])
        yield i + 1, language, content, previous.group(1) if previous else None
        i = end + 1


def check_document(root, relative_doc, every_block, shown):
    """Problems of one document; adds the snippets it shows to `shown`.
    `every_block`: blocks in other languages must name a file too."""
    path = root / relative_doc
    name = path.name
    problems = []
    try:
        found = list(blocks(path.read_text(encoding="utf-8")))
    except (OSError, UnicodeDecodeError, ValueError) as error:
        return [f"{path}: {error}"]
    if every_block and not found:
        problems.append(f"{name}: no code blocks at all")

    for line, language, content, marker in found:
        if language in ("cpp", "c++"):
            first = content.split("\n", 1)[0]
            named = CPP_NAME.match(first)
            if not named:
                problems.append(f"{name}:{line}: a C++ block must begin with '// docs/snippets/<name>.cpp'")
                continue
            relative = named.group(1)
        elif marker:
            relative = marker
        elif every_block:
            problems.append(f"{name}:{line}: block names no file (add '<!-- file: docs/snippets/... -->' before it)")
            continue
        else:
            continue
        snippet = root / relative
        shown.add(relative)
        try:
            expected = snippet.read_bytes()
        except OSError:
            problems.append(f"{name}:{line}: {relative} does not exist")
            continue
        if content.encode("utf-8") != expected:
            problems.append(f"{name}:{line}: block differs from {relative}")
    return problems


def check(root):
    shown = set()
    problems = check_document(root, "docs/guide.md", True, shown)
    # The README's shell commands are not programs; its C++ must be.
    problems += check_document(root, "README.md", False, shown)
    for snippet in sorted((root / "docs" / "snippets").glob("*.cpp")):
        relative = snippet.relative_to(root).as_posix()
        if relative not in shown:
            problems.append(f"{relative}: not shown in guide.md or README.md")
        if not snippet.with_suffix(".expected").is_file():
            problems.append(f"{relative}: no {snippet.stem}.expected beside it")
    return problems


def main(argv):
    root = pathlib.Path(argv[1]) if len(argv) > 1 else pathlib.Path(__file__).resolve().parent.parent
    problems = check(root)
    for problem in problems:
        print(problem)
    if problems:
        return 1
    print("guide.md and README.md: every code block matches its file")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
