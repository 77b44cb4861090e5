#!/usr/bin/env python3
"""Fails when a public class, struct or free function of the API reference
has no brief description. Reads the XML that Doxygen writes beside the HTML.

Usage: check_doc_briefs.py XML_DIR
Exit status 0 when every entry has a brief; 1 with one line per entry that
has none (file:line and name).
"""

import pathlib
import sys
import xml.etree.ElementTree as ET


def has_brief(element):
    brief = element.find("briefdescription")
    return brief is not None and "".join(brief.itertext()).strip() != ""


def location(element):
    where = element.find("location")
    if where is None:
        return "?"
    return f"{where.get('file', '?')}:{where.get('line', '?')}"


def missing(xml_dir):
    index = ET.parse(xml_dir / "index.xml").getroot()
    for compound in index.findall("compound"):
        kind = compound.get("kind")
        if kind not in ("class", "struct", "namespace", "file"):
            continue
        root = ET.parse(xml_dir / f"{compound.get('refid')}.xml").getroot()
        definition = root.find("compounddef")
        name = definition.findtext("compoundname", "")
        if name.startswith("std::"):
            continue
        if kind in ("class", "struct"):
            if not has_brief(definition):
                yield f"{location(definition)}: {kind} {name} has no brief"
            continue
        # Free functions: members of a namespace (or of a file, outside any).
        for section in definition.findall("sectiondef"):
            for member in section.findall("memberdef"):
                if member.get("kind") != "function":
                    continue
                if kind == "file" and member.get("id", "").startswith("namespace"):
                    continue
                if not has_brief(member) and not has_detailed(member):
                    scope = name + "::" if kind == "namespace" else ""
                    yield f"{location(member)}: function {scope}{member.findtext('name')} has no brief"


def has_detailed(member):
    # A one-paragraph comment with JAVADOC_AUTOBRIEF is the brief; a comment
    # Doxygen filed as detailed only still describes the function.
    detailed = member.find("detaileddescription")
    return detailed is not None and "".join(detailed.itertext()).strip() != ""


def main(argv):
    if len(argv) != 2:
        print(__doc__)
        return 2
    problems = sorted(set(missing(pathlib.Path(argv[1]))))
    for problem in problems:
        print(problem)
    if problems:
        print(f"{len(problems)} public entries have no brief description")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
