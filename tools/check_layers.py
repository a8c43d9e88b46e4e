#!/usr/bin/env python3
"""Fail when the project's targets depend on each other in a cycle.

Usage:
  check_library_cycles.py DOT_FILE
  check_library_cycles.py --configure SOURCE_DIR [CMAKE_ARGS...]

The library is built in layers (index, Win32 building blocks, settings, the
main object, the overlay and the settings sheet side by side, the extension
on top), and every link between its libraries must run one way: CMake links
static libraries that name each other in a circle without complaint, so a
cycle would come back unnoticed. This reads the dependency graph that
`cmake --graphviz` writes and reports every strongly connected group of two
or more targets (or a target that names itself), with the links inside it.

With --configure it first configures SOURCE_DIR into a scratch folder with
the given CMake arguments (for example the cross toolchain) and --graphviz,
so the check sees the same targets as that build. Exit status: 0 without a
cycle, 1 with one, 2 when the graph cannot be had.
"""

import os
import re
import subprocess
import sys
import tempfile

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
        print("check_library_cycles: configuring for the graph failed", file=sys.stderr)
        return None
    return dot


def main(argv):
    if len(argv) >= 2 and argv[0] == "--configure":
        with tempfile.TemporaryDirectory(prefix="library-graph-") as folder:
            dot = configure(argv[1], argv[2:], folder)
            if dot is None:
                return 2
            return report(read_graph(dot))
    if len(argv) != 1:
        print(__doc__, file=sys.stderr)
        return 2
    try:
        return report(read_graph(argv[0]))
    except OSError as error:
        print("check_library_cycles: %s" % error, file=sys.stderr)
        return 2


def report(graph):
    found = cycles(graph)
    if not found:
        print("no dependency cycle among %d targets" % len(graph))
        return 0
    for group in found:
        print("dependency cycle among: %s" % ", ".join(group))
        for name in group:
            inside = [t for t in graph.get(name, []) if t in group]
            print("  %s -> %s" % (name, ", ".join(inside)))
    return 1


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
