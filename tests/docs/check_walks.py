#!/usr/bin/env python3
"""Checks the walks of docs/ARCHITECTURE.md against the code.

Every hop written `path:Name` (or `path:Class::Name`) must name a file that
exists (a bare file name: the one tracked file of that name) in which Name
appears as a function or type; a bare `Class::Name` or `Name` hop must appear
in the file its step named last, or else somewhere in the source. Prints each
hop that does not hold and exits 1 when there is one.

Usage: check_walks.py [ROOT]
"""

import re
import subprocess
import sys
from pathlib import Path

SOURCE_SUFFIXES = {".c", ".cpp", ".h"}
HOP = re.compile(r"`([^`]+)`")
FILE_HOP = re.compile(r"^([\w./-]+\.(?:c|cpp|h)):([A-Za-z_][\w:]*)$")
NAME_HOP = re.compile(r"^[A-Z][\w]*(?:::[A-Za-z_]\w*)*$")


def walk_steps(text):
    """The numbered steps of every `## Walk` section, each as one string."""
    steps = []
    for section in re.split(r"^## ", text, flags=re.M):
        if not section.startswith("Walk"):
            continue
        for step in re.split(r"^\d+\. ", section, flags=re.M)[1:]:
            steps.append(" ".join(step.split()))
    return steps


def defines(text, name):
    """Whether `name` (its last part after ::) stands in `text` as something
    called, defined or declared, not only inside a longer identifier."""
    last = name.split("::")[-1]
    return re.search(r"(?<![\w])" + re.escape(last) + r"\b", text) is not None


def main():
    root = Path(sys.argv[1] if len(sys.argv) > 1 else Path(__file__).resolve().parents[2])
    files = subprocess.run(["git", "-C", str(root), "ls-files"], capture_output=True, text=True,
                           check=True).stdout.split()
    sources = [f for f in files if Path(f).suffix in SOURCE_SUFFIXES]
    by_name = {}
    for f in sources:
        by_name.setdefault(Path(f).name, []).append(f)
    texts = {}

    def read(path):
        if path not in texts:
            texts[path] = (root / path).read_text(encoding="utf-8", errors="replace")
        return texts[path]

    def resolve(path, seen):
        """A path from the root, or a bare file name: the one tracked file of
        that name, or the one of them the walk has named before."""
        if (root / path).is_file():
            return path
        named = by_name.get(path, [])
        if len(named) > 1:
            named = [f for f in named if f in seen]
        return named[0] if len(named) == 1 else None

    doc = (root / "docs" / "ARCHITECTURE.md").read_text(encoding="utf-8")
    failures, hops = [], 0
    current, seen = None, set()
    for step in walk_steps(doc):
        for token in HOP.findall(step):
            if m := FILE_HOP.match(token):
                hops += 1
                path = resolve(m.group(1), seen)
                if path is None:
                    failures.append(f"{token}: no file {m.group(1)}")
                    continue
                current = path
                seen.add(path)
                if not defines(read(path), m.group(2)):
                    failures.append(f"{token}: {m.group(2)} is not in {path}")
            elif NAME_HOP.match(token) and ("::" in token or re.search(r"[a-z]", token)):
                hops += 1
                if current and defines(read(current), token):
                    continue
                if not any(defines(read(f), token) for f in sources):
                    failures.append(f"{token}: not in the source")
    for failure in failures:
        print(f"docs/ARCHITECTURE.md: {failure}")
    print(f"{hops - len(failures)} passed, {len(failures)} failed")
    return 1 if failures or hops == 0 else 0


if __name__ == "__main__":
    sys.exit(main())
