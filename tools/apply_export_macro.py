#!/usr/bin/env python3
"""Marks the public API of TalFoundation's headers with TAL_EXPORT.

For every public header (TalFoundation/**/*.h outside detail/, but not the
umbrella TalFoundation.h): each class or struct defined at namespace scope
(not templates, not std::hash specialisations, whose members are inline),
each function declared at namespace scope (not inline, constexpr or a
template), each friend function declared but not defined in its class, each extern "C" variable, and each function of the C interface
gets the macro on its declaration's first line, and the header includes
"TalFoundation/Export.h". Idempotent: marked declarations are left alone.

Usage: apply_export_macro.py [--check] [REPOSITORY_ROOT]
--check changes nothing and exits 1 if a declaration is unmarked.
"""

import pathlib
import re
import sys

MACRO = "TAL_EXPORT"
INCLUDE = '#include "TalFoundation/Export.h"'

CLASS_HEAD = re.compile(r"^(\s*)(class|struct)\s+(?!" + MACRO + r"\b)([A-Za-z_]\w*)\b(?!\s*;)(.*)$")
EXTERN_C_DECL = re.compile(r'^(\s*extern\s+"C"\s+)(?!\{)(?!' + MACRO + r"\b)(.*;)\s*$")
LEADING_ATTRIBUTES = re.compile(r"^(\s*(?:\[\[[^\]]*\]\]\s*)*)")
NOT_FUNCTIONS = re.compile(
    r"^\s*(?:\[\[[^\]]*\]\]\s*)*(inline|constexpr|consteval|template|using|typedef|friend|static|static_assert|"
    r"return|namespace|enum|class|struct|union|extern|#|" + MACRO + r")\b")


def strip_comments(line, in_block):
    """The line's code without comments, and whether a block comment is still open."""
    out = ""
    i = 0
    while i < len(line):
        if in_block:
            end = line.find("*/", i)
            if end < 0:
                return out, True
            i = end + 2
            in_block = False
        elif line.startswith("//", i):
            break
        elif line.startswith("/*", i):
            in_block = True
            i += 2
        elif line[i] in "\"'":
            quote = line[i]
            j = i + 1
            while j < len(line) and line[j] != quote:
                j += 2 if line[j] == "\\" else 1
            out += line[i:j + 1]
            i = j + 1
        else:
            out += line[i]
            i += 1
    return out, in_block


def mark(text):
    """The header's text with its declarations marked, and how many were."""
    lines = text.split("\n")
    scopes = []  # one entry per open brace: True for a namespace or extern "C" block
    in_block = False
    statement = None  # index of the first line of the namespace-scope statement in progress
    after_template = False
    marked = 0
    for index, line in enumerate(lines):
        code, in_block = strip_comments(line, in_block)
        stripped = code.strip()
        at_namespace_scope = all(scopes)
        if stripped.startswith("}") and statement is None:
            _update(scopes, code)  # the end of a namespace or a block, nothing declared
            continue
        if at_namespace_scope and stripped and not stripped.startswith("#"):
            if statement is None:
                statement = index
                first = stripped
                if after_template or NOT_FUNCTIONS.match(first) is not None:
                    kind = "skip"
                else:
                    kind = "maybe-function"
                head = CLASS_HEAD.match(code)
                if head and not after_template and ("{" in code or ":" in head.group(4) or
                                                    head.group(4).strip() in ("", "final")):
                    kind = "class"
                if EXTERN_C_DECL.match(code):
                    kind = "extern-c"
                if re.match(r"^\s*template\b", code):
                    after_template = True
                    kind = "skip"
                    if not re.search(r"[;{}]", code):
                        statement = None
                        _update(scopes, code)
                        continue
                else:
                    after_template = False
                if kind == "class":
                    lines[index] = CLASS_HEAD.sub(lambda m: f"{m.group(1)}{m.group(2)} {MACRO} {m.group(3)}{m.group(4)}",
                                                  line, count=1)
                    marked += 1
                elif kind == "extern-c":
                    lines[index] = EXTERN_C_DECL.sub(lambda m: f"{m.group(1)}{MACRO} {m.group(2)}", line, count=1)
                    marked += 1
                statement_kind = kind
            # A function declaration ends with ';' at this scope, has a
            # parameter list, and is not a definition.
            if statement_kind == "maybe-function" and "{" in code:
                statement_kind = "skip"
            if ";" in code or "{" in code:
                if statement_kind == "maybe-function" and "(" in "".join(
                        strip_comments(l, False)[0] for l in lines[statement:index + 1]) and "=" not in first.split("(")[0]:
                    lines[statement] = LEADING_ATTRIBUTES.sub(lambda m: m.group(1) + MACRO + " ", lines[statement], count=1)
                    marked += 1
                statement = None
        _update(scopes, code)
    return "\n".join(lines), marked


FRIEND = re.compile(r"^(\s*friend\s+)(?!(?:" + MACRO + r"|class|struct|inline|constexpr|consteval|template)\b)(.*\()")


def mark_friends(text):
    """Friend functions defined in a .cpp: a class's visibility does not reach them."""
    lines = text.split("\n")
    marked = 0
    for index, line in enumerate(lines):
        if not FRIEND.match(line):
            continue
        rest = "\n".join(lines[index:index + 8])
        end = min((rest.find(c) for c in ";{" if rest.find(c) >= 0), default=-1)
        if end < 0 or rest[end] != ";" or re.search(r"=\s*(default|delete)\s*$", rest[:end]):
            continue
        lines[index] = FRIEND.sub(lambda m: m.group(1) + MACRO + " " + m.group(2), line, count=1)
        marked += 1
    return "\n".join(lines), marked


def _update(scopes, code):
    for match in re.finditer(r'(\bnamespace\b[^{;]*\{|extern\s+"C"\s*\{|\{|\})', code):
        token = match.group(0)
        if token == "}":
            if scopes:
                scopes.pop()
        else:
            scopes.append(token != "{")


def add_include(text):
    if INCLUDE in text:
        return text
    lines = text.split("\n")
    own = [i for i, l in enumerate(lines) if l.startswith('#include "TalFoundation/')]
    if own:
        # In sorted place among the library's own includes.
        at = next((i for i in own if lines[i] > INCLUDE), own[-1] + 1)
        lines.insert(at, INCLUDE)
    else:
        last = max((i for i, l in enumerate(lines) if l.startswith("#include")), default=None)
        if last is None:
            last = next(i for i, l in enumerate(lines) if l.startswith("#pragma once") or l.startswith("#define"))
        lines[last + 1:last + 1] = ["", INCLUDE]
    return "\n".join(lines)


def public_headers(root):
    for path in sorted((root / "TalFoundation").rglob("*.h")):
        rel = path.relative_to(root).as_posix()
        if "/detail/" in rel or rel in ("TalFoundation/TalFoundation.h", "TalFoundation/Export.h"):
            continue
        yield path


def main(argv):
    check = "--check" in argv
    args = [a for a in argv[1:] if a != "--check"]
    root = pathlib.Path(args[0]) if args else pathlib.Path(__file__).resolve().parent.parent
    total = 0
    for path in public_headers(root):
        text = path.read_text(encoding="utf-8")
        new, marked = mark(text)
        new, friends = mark_friends(new)
        marked += friends
        if marked:
            new = add_include(new)
            total += marked
            if check:
                print(f"{path.relative_to(root)}: {marked} unmarked declaration(s)")
            else:
                path.write_text(new, encoding="utf-8")
    if not check:
        print(f"marked {total} declaration(s)")
    return 1 if check and total else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
