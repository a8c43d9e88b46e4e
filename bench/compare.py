#!/usr/bin/env python3
"""Before and after figures of the benchmarks from one run on one machine.

Builds vostarel_bench from a git revision (default: main) beside the working
tree's own (the native preset's), then runs the two programs in turn, one
repetition each per round, so that both see the same load. Prints, per
benchmark, the median CPU time of each and their ratio, and for the filter
passes of the working tree the ratio to the floor benchmark over the same
store size (BM_FilterFloor/ENTRIES). CPU time is compared, not wall time: on
a shared machine a benchmark's wall time mostly measures who else runs.

    bench/compare.py [--base REV] [--filter REGEX] [--rounds N] [--same-data]

The base revision is built in build/bench-base/ (kept between runs and
rebuilt when the revision changes). --same-data builds the base with the
working tree's benchmark sources (its synthetic stores and filter
benchmarks), so that both measure the same entries when the stores changed.
"""

import argparse
import json
import re
import shutil
import statistics
import subprocess
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent


def run(command, **kwargs):
    return subprocess.run(command, check=True, **kwargs)


BENCH_SOURCES = ("synthetic_data.h", "synthetic_data.cpp", "filter_bench.cpp")


def build_base(revision, same_data):
    commit = run(["git", "-C", str(ROOT), "rev-parse", revision + "^{commit}"],
                 capture_output=True, text=True).stdout.strip()
    base = ROOT / "build" / "bench-base"
    source, tree = base / "src", base / "build"
    stamp = base / "commit"
    if not stamp.exists() or stamp.read_text() != commit:
        shutil.rmtree(base, ignore_errors=True)
        source.mkdir(parents=True)
        archive = subprocess.Popen(["git", "-C", str(ROOT), "archive", commit],
                                   stdout=subprocess.PIPE)
        run(["tar", "-x", "-C", str(source)], stdin=archive.stdout)
        if archive.wait() != 0:
            sys.exit(f"git archive {commit} failed")
        run(["cmake", "-S", str(source), "-B", str(tree), "-G", "Ninja",
             "-DCMAKE_BUILD_TYPE=RelWithDebInfo", "-DCMAKE_CXX_COMPILER=g++"], stdout=subprocess.DEVNULL)
        stamp.write_text(commit)
    for name in BENCH_SOURCES:
        if same_data:
            wanted = (ROOT / "bench" / name).read_bytes()
        else:
            wanted = run(["git", "-C", str(ROOT), "show", f"{commit}:bench/{name}"],
                         capture_output=True).stdout
        target = source / "bench" / name
        if target.read_bytes() != wanted:
            target.write_bytes(wanted)
    run(["cmake", "--build", str(tree), "--target", "vostarel_bench", "-j", "2"],
        stdout=subprocess.DEVNULL)
    return tree / "bench" / "vostarel_bench", commit[:10]


def build_current():
    run(["cmake", "--preset", "native"], cwd=ROOT, stdout=subprocess.DEVNULL)
    run(["cmake", "--build", "--preset", "native", "--target", "vostarel_bench"], cwd=ROOT,
        stdout=subprocess.DEVNULL)
    return ROOT / "build" / "native" / "bench" / "vostarel_bench"


def one_round(program, pattern):
    output = run([str(program), "--benchmark_filter=" + pattern, "--benchmark_format=json"],
                 capture_output=True, text=True).stdout
    times = {}
    for bench in json.loads(output)["benchmarks"]:
        if bench.get("run_type", "iteration") == "iteration":
            scale = {"ns": 1e-3, "us": 1.0, "ms": 1e3}[bench["time_unit"]]
            times[bench["name"]] = bench["cpu_time"] * scale
    return times


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--base", default="main", help="revision to compare with (main)")
    parser.add_argument("--filter", default="BM_Filter", help="benchmark name pattern")
    parser.add_argument("--rounds", type=int, default=5, help="runs of each program (5)")
    parser.add_argument("--same-data", action="store_true",
                        help="build the base with the working tree's benchmark sources")
    args = parser.parse_args()

    base_program, base_commit = build_base(args.base, args.same_data)
    current_program = build_current()
    samples = {"base": {}, "current": {}}
    for _ in range(args.rounds):
        for side, program in (("base", base_program), ("current", current_program)):
            for name, cpu in one_round(program, args.filter).items():
                samples[side].setdefault(name, []).append(cpu)

    median = {side: {name: statistics.median(values) for name, values in found.items()}
              for side, found in samples.items()}
    current = median["current"]
    print(f"median CPU time in microseconds over {args.rounds} rounds; base {base_commit}")
    print(f"{'benchmark':40} {'base':>10} {'current':>10} {'base/cur':>9} {'cur/floor':>10}")
    for name in current:
        floor = None
        match = re.match(r"BM_Filter\w+Bits/(\d+)/\d+$", name)
        if match:
            floor = current.get(f"BM_FilterFloor/{match.group(1)}")
        base = median["base"].get(name)
        print(f"{name:40} {base if base is not None else float('nan'):10.1f} "
              f"{current[name]:10.1f} "
              f"{base / current[name] if base is not None else float('nan'):9.2f} "
              f"{current[name] / floor if floor else float('nan'):10.2f}")


if __name__ == "__main__":
    main()
