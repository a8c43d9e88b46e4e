#!/usr/bin/env python3
"""Fail when the library's layers depend on each other other than downwards.

Usage:
  check_layers.py DOT_FILE [SOURCE_DIR]
  check_layers.py --configure SOURCE_DIR [CMAKE_ARGS...]

The library is built in layers, bottom to top: the portable index, the
resource ids and the device's headers; the Win32 building blocks; the
settings (their in-memory form and the registry store); the main object
(runtime); the overlay and the settings sheet side by side; the extension on
top (host). Each layer uses only the layers below it (ALLOWED). Two things
are checked against that table:

- the CMake target graph that `cmake --graphviz` writes: every link from one
  of the library's targets (TARGET_LAYERS) to another must be allowed, and
  no targets may link each other in a cycle (CMake links static libraries
  that name each other in a circle without complaint);
- with SOURCE_DIR, every `#include "..."` in the library's folders
  (FOLDER_LAYERS) that names a file of another layer must be allowed, so a
  header that needs no link (a state struct, an inline rule) cannot reach
  upwards either.

With --configure it first configures SOURCE_DIR into a scratch folder with
the given CMake arguments (for example the cross toolchain) and --graphviz,
so the check sees the same targets as that build. Exit status: 0 when every
dependency runs downwards, 1 otherwise, 2 when the graph cannot be had.
"""

import os
import re
import subprocess
import sys
import tempfile

# Each layer and the layers it may use (besides itself).
BOTTOM = {"index", "resources", "device"}
ALLOWED = {
    "index": set(),
    "resources": set(),
    "device": set(),
    "win32": BOTTOM,
    "settings": BOTTOM | {"win32"},
    "runtime": BOTTOM | {"win32", "settings"},
    "overlay": BOTTOM | {"win32", "settings", "runtime"},
    "sheet": BOTTOM | {"win32", "settings", "runtime"},
    "host": BOTTOM | {"win32", "settings", "runtime", "overlay", "sheet"},
}

# The library's targets by layer. The device layer's targets are the
# platform's libraries (their stand-ins' own links are not the library's).
TARGET_LAYERS = {
    "vostarel_index": "index",
    "vostarel_resources": "resources",
    "vostarel_platform_headers": "device",
    "aygshell": "device",
    "cellcore": "device",
    "phone": "device",
    "pimstore": "device",
    "vostarel_holders": "win32",
    "vostarel_win32": "win32",
    "vostarel_settings_core": "settings",
    "vostarel_settings": "settings",
    "vostarel_runtime_core": "runtime",
    "vostarel_runtime": "runtime",
    "vostarel_overlay_core": "overlay",
    "vostarel_overlay": "overlay",
    "vostarel_settings_sheet": "sheet",
    "vostarel_host_core": "host",
    "vostarel_extension": "host",
    "Vostarel": "host",
}

# The library's folders by layer; the first prefix that fits counts.
FOLDER_LAYERS = [
    ("settings/sheet/", "sheet"),
    ("settings/", "settings"),
    ("host/", "host"),
    ("overlay/", "overlay"),
    ("runtime/", "runtime"),
    ("win32/", "win32"),
    ("index/", "index"),
    ("resources/", "resources"),
    ("platform/include/", "device"),
]

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"')
NODE = re.compile(r'^\s*"(node\d+)"\s*\[\s*label\s*=\s*"([^"]+)"')
EDGE = re.compile(r'^\s*"(node\d+)"\s*->\s*"(node\d+)"')


def read_graph(path):
    names = {}
    edges = {}
    with open(path, encoding="utf-8") as f:
        for line in f:
            node = NODE.match(line)
            if node:
                names[node.group(1)] = node.group(2)
                continue
            edge = EDGE.match(line)
            if edge:
                edges.setdefault(edge.group(1), set()).add(edge.group(2))
    graph = {}
    for node, name in names.items():
        graph[name] = sorted({names[t] for t in edges.get(node, ()) if t in names})
    return graph


def cycles(graph):
    """Strongly connected groups of more than one target, or self-links (Tarjan)."""
    index = {}
    low = {}
    on_stack = set()
    stack = []
    groups = []
    counter = [0]

    def visit(start):
        # Iterative depth-first search: (node, next neighbour position).
        work = [(start, 0)]
        index[start] = low[start] = counter[0]
        counter[0] += 1
        stack.append(start)
        on_stack.add(start)
        while work:
            node, position = work[-1]
            neighbours = graph.get(node, [])
            if position < len(neighbours):
                work[-1] = (node, position + 1)
                nxt = neighbours[position]
                if nxt not in index:
                    index[nxt] = low[nxt] = counter[0]
                    counter[0] += 1
                    stack.append(nxt)
                    on_stack.add(nxt)
                    work.append((nxt, 0))
                elif nxt in on_stack:
                    low[node] = min(low[node], index[nxt])
                continue
            work.pop()
            if work:
                parent = work[-1][0]
                low[parent] = min(low[parent], low[node])
            if low[node] == index[node]:
                group = []
                while True:
                    member = stack.pop()
                    on_stack.discard(member)
                    group.append(member)
                    if member == node:
                        break
                if len(group) > 1 or node in graph.get(node, []):
                    groups.append(sorted(group))

    for node in sorted(graph):
        if node not in index:
            visit(node)
    return groups


def upward_links(graph):
    """(from, to) of every link between the library's targets that ALLOWED
    does not allow."""
    found = []
    for name in sorted(graph):
        layer = TARGET_LAYERS.get(name)
        if layer is None or layer == "device":
            continue
        for target in graph[name]:
            other = TARGET_LAYERS.get(target)
            if other is not None and other != layer and other not in ALLOWED[layer]:
                found.append((name, target))
    return found


def folder_layer(relative):
    for prefix, layer in FOLDER_LAYERS:
        if relative.startswith(prefix):
            return layer
    return None


def upward_includes(source):
    """(file, included file) of every include from one layer's folder into a
    layer that ALLOWED does not allow."""
    files = []
    for prefix, _ in FOLDER_LAYERS:
        for root, _, names in os.walk(os.path.join(source, prefix)):
            for name in names:
                if name.endswith((".h", ".cpp")):
                    path = os.path.join(root, name)
                    files.append(os.path.relpath(path, source).replace(os.sep, "/"))
    files = sorted(set(files))
    by_name = {}
    for relative in files:
        by_name.setdefault(os.path.basename(relative), []).append(relative)
    found = []
    for relative in files:
        layer = folder_layer(relative)
        if layer == "device":
            continue
        with open(os.path.join(source, relative), encoding="utf-8", errors="replace") as f:
            for line in f:
                match = INCLUDE.match(line)
                if not match:
                    continue
                for target in by_name.get(os.path.basename(match.group(1)), []):
                    other = folder_layer(target)
                    if other != layer and other not in ALLOWED[layer]:
                        found.append((relative, target))
    return found


def configure(source, cmake_args, folder):
    dot = os.path.join(folder, "targets.dot")
    # Only the whole graph, not one file per target.
    with open(os.path.join(folder, "CMakeGraphVizOptions.cmake"), "w") as f:
        f.write("set(GRAPHVIZ_GENERATE_PER_TARGET FALSE)\n"
                "set(GRAPHVIZ_GENERATE_DEPENDERS FALSE)\n")
    command = ["cmake", "-S", source, "-B", folder, "--graphviz=" + dot] + cmake_args
    result = subprocess.run(command, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                            text=True, check=False)
    if result.returncode != 0 or not os.path.isfile(dot):
        print(result.stdout, file=sys.stderr)
        print("check_layers: configuring for the graph failed", file=sys.stderr)
        return None
    return dot


def main(argv):
    if len(argv) >= 2 and argv[0] == "--configure":
        with tempfile.TemporaryDirectory(prefix="library-graph-") as folder:
            dot = configure(argv[1], argv[2:], folder)
            if dot is None:
                return 2
            return report(read_graph(dot), argv[1])
    if len(argv) not in (1, 2):
        print(__doc__, file=sys.stderr)
        return 2
    try:
        return report(read_graph(argv[0]), argv[1] if len(argv) == 2 else None)
    except OSError as error:
        print("check_layers: %s" % error, file=sys.stderr)
        return 2


def report(graph, source):
    failed = False
    for group in cycles(graph):
        failed = True
        print("dependency cycle among: %s" % ", ".join(group))
        for name in group:
            inside = [t for t in graph.get(name, []) if t in group]
            print("  %s -> %s" % (name, ", ".join(inside)))
    for name, target in upward_links(graph):
        failed = True
        print("link against the layers: %s (%s) -> %s (%s)"
              % (name, TARGET_LAYERS[name], target, TARGET_LAYERS[target]))
    if source is not None:
        for relative, target in upward_includes(source):
            failed = True
            print("include against the layers: %s (%s) -> %s (%s)"
                  % (relative, folder_layer(relative), target, folder_layer(target)))
    if failed:
        return 1
    print("every dependency runs downwards among %d targets%s"
          % (len(graph), "" if source is None else " and the library's includes"))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
