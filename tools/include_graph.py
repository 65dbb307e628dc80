#!/usr/bin/env python3
"""The include structure of src/: finds circles of includes between files, and draws the folders' graph.

    tools/include_graph.py [--dot FILE]

Prints every circle of #include "..." between the files of src/ (a .cpp counts with its header, since they
are one unit), the includes from each folder to each other folder, and exits 1 when there is a circle. With
--dot it also writes the folders' graph in Graphviz form (dot -Tpng FILE -o graph.png draws it).
"""
import argparse
import collections
import pathlib
import re
import sys

SRC = pathlib.Path(__file__).resolve().parent.parent / "src"
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


def units():
    """Each header or source file of src/ as a unit name (path without extension) and its includes."""
    edges = collections.defaultdict(set)
    for path in SRC.rglob("*"):
        if path.suffix not in (".h", ".cpp", ".inc"):
            continue
        unit = str(path.relative_to(SRC).with_suffix(""))
        for included in INCLUDE.findall(path.read_text(encoding="utf-8")):
            target = str(pathlib.Path(included).with_suffix(""))
            if (SRC / included).exists() and target != unit:
                edges[unit].add(target)
        edges.setdefault(unit, set())
    return edges


def circles(edges):
    """The strongly connected parts of more than one unit (Tarjan)."""
    index, low, stack, on_stack, found = {}, {}, [], set(), []
    counter = [0]

    def visit(node):
        index[node] = low[node] = counter[0]
        counter[0] += 1
        stack.append(node)
        on_stack.add(node)
        for nxt in edges[node]:
            if nxt not in index:
                visit(nxt)
                low[node] = min(low[node], low[nxt])
            elif nxt in on_stack:
                low[node] = min(low[node], index[nxt])
        if low[node] == index[node]:
            part = []
            while True:
                top = stack.pop()
                on_stack.discard(top)
                part.append(top)
                if top == node:
                    break
            if len(part) > 1:
                found.append(sorted(part))

    sys.setrecursionlimit(10000)
    for node in list(edges):
        if node not in index:
            visit(node)
    return found


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--dot", help="write the folders' graph to this file")
    args = parser.parse_args()
    edges = units()
    folders = collections.Counter()
    for unit, targets in edges.items():
        for target in targets:
            a, b = unit.split("/")[0], target.split("/")[0]
            if a != b:
                folders[(a, b)] += 1
    for (a, b), count in sorted(folders.items()):
        print(f"{a} -> {b}: {count}")
    if args.dot:
        lines = ["digraph src {", "  rankdir=TB;"]
        lines += [f'  "{a}" -> "{b}" [label="{n}"];' for (a, b), n in sorted(folders.items())]
        lines.append("}")
        pathlib.Path(args.dot).write_text("\n".join(lines) + "\n", encoding="utf-8")
    found = circles(edges)
    for part in found:
        print("circle of includes: " + " -> ".join(part))
    print(f"{len(edges)} units, {sum(len(t) for t in edges.values())} includes, {len(found)} circles")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
