#!/usr/bin/env python3
"""Checks the include graph of src/.

Layers: every folder belongs to one layer and includes only folders of its own
layer or of a lower one, so nothing of the engine reaches the widgets and the
programs sit on top. Cycles: no chain of includes between folders, of any
length and at any depth, leads back to where it started.

Usage: check_include_layers.py [SOURCE_ROOT]   (default: the project's src/)
Prints each problem and exits 1 when there is one.
"""
import os
import re
import sys

# Lowest first. A folder belongs to the layer of the longest prefix that
# names it (app/window/viewer is in "app/window").
LAYERS = [
    {"platform", "resources"},
    {"core"},
    {"jpegmeta"},
    {"imaging"},
    {"jpegedit"},
    {"organize"},
    {"publish"},
    {"media"},
    {"app/startup", "app/samples", "app/window"},
    {"ui", "app/gui"},
    {"app", "app/cli", "app/probe"},
]
# The programs that run without widgets, although they sit on top.
HEADLESS_PROGRAMS = {"app/cli", "app/probe"}
WIDGETS = ("ui", "app/gui")

INCLUDE = re.compile(r'^[ \t]*#[ \t]*include[ \t]*[<"]([^>"]+)[>"]', re.MULTILINE)


def within(folder, prefix):
    return folder == prefix or folder.startswith(prefix + "/")


def owner(folder):
    """The layer entry that names the folder, or None."""
    best = None
    for layer in LAYERS:
        for prefix in layer:
            if within(folder, prefix) and (best is None or len(prefix) > len(best)):
                best = prefix
    return best


def rank(prefix):
    return next(i for i, layer in enumerate(LAYERS) if prefix in layer)


def includes(root):
    """(including file, included file), both relative to root, for every
    include that resolves to a file under root."""
    for folder, _, files in os.walk(root):
        for name in files:
            if not name.endswith((".h", ".cpp")):
                continue
            path = os.path.join(folder, name)
            source = os.path.relpath(path, root).replace(os.sep, "/")
            with open(path, encoding="utf-8", errors="replace") as f:
                text = f.read()
            for target in INCLUDE.findall(text):
                for base in (root, folder):
                    candidate = os.path.normpath(os.path.join(base, target))
                    if os.path.isfile(candidate) and candidate.startswith(os.path.abspath(root) + os.sep):
                        yield source, os.path.relpath(candidate, root).replace(os.sep, "/")
                        break


def strongly_connected(nodes, edges):
    """Tarjan's algorithm, iterative; returns the components with more than one folder."""
    index, low, on_stack, stack, found = {}, {}, set(), [], []
    counter = 0
    for start in sorted(nodes):
        if start in index:
            continue
        work = [(start, iter(sorted(edges.get(start, {}))))]
        index[start] = low[start] = counter
        counter += 1
        stack.append(start)
        on_stack.add(start)
        while work:
            node, successors = work[-1]
            advanced = False
            for succ in successors:
                if succ not in index:
                    index[succ] = low[succ] = counter
                    counter += 1
                    stack.append(succ)
                    on_stack.add(succ)
                    work.append((succ, iter(sorted(edges.get(succ, {})))))
                    advanced = True
                    break
                if succ in on_stack:
                    low[node] = min(low[node], index[succ])
            if advanced:
                continue
            work.pop()
            if work:
                low[work[-1][0]] = min(low[work[-1][0]], low[node])
            if low[node] == index[node]:
                component = []
                while True:
                    member = stack.pop()
                    on_stack.discard(member)
                    component.append(member)
                    if member == node:
                        break
                if len(component) > 1:
                    found.append(sorted(component))
    return found


def cycle_in(component, edges):
    """One closed path through the component, found breadth-first from its first folder."""
    members = set(component)
    start = component[0]
    previous = {start: None}
    queue = [start]
    while queue:
        node = queue.pop(0)
        for succ in sorted(edges.get(node, {})):
            if succ not in members:
                continue
            if succ == start:
                path = [node]
                while previous[path[-1]] is not None:
                    path.append(previous[path[-1]])
                path.reverse()
                return path + [start]
            if succ not in previous:
                previous[succ] = node
                queue.append(succ)
    return component


def check(root):
    problems = []
    edges = {}
    folders = set()
    for source, target in includes(root):
        a, b = os.path.dirname(source), os.path.dirname(target)
        folders.update((a, b))
        if a == b:
            continue
        edges.setdefault(a, {}).setdefault(b, f"{source} -> {target}")
        la, lb = owner(a), owner(b)
        if la is None or lb is None:
            continue
        if rank(lb) > rank(la):
            problems.append(f"layer: {source} -> {target} ({la} may not include {lb})")
        elif la in HEADLESS_PROGRAMS and any(within(b, w) for w in WIDGETS):
            problems.append(f"layer: {source} -> {target} ({la} runs without widgets)")
    for folder in sorted(folders):
        if folder and owner(folder) is None:
            problems.append(f"layer: folder {folder} belongs to no layer")
    for component in strongly_connected(folders, edges):
        path = cycle_in(component, edges)
        steps = "; ".join(edges[x][y] for x, y in zip(path, path[1:]))
        problems.append(f"cycle {' -> '.join(path)}: {steps}")
    return problems


def main(argv):
    default = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "src")
    root = os.path.abspath(argv[1] if len(argv) > 1 else default)
    problems = check(root)
    for p in problems:
        print(p)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
