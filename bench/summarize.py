#!/usr/bin/env python3
"""Turns the JSON of QuorBenchmarks into a Markdown table of medians, one column per network.

    python3 bench/summarize.py [--cpu] build-release/benchmarks.json

Times are the medians of the repetitions in milliseconds: wall clock, or with --cpu the CPU time
of the benchmark's thread (less disturbed by other work on the machine). The start-up and memory
runs always show the time they measured themselves (wall clock of the child process). "growth" is the 1M figure divided by the
10k figure. The ratios compare the word store with the bare SQL floor of the same statements.
"""

import json
import re
import sys

SIZES = ["10k", "100k", "1M"]
VARIANTS = [("", "without the ucase indexes"), ("-ucase", "with the ucase indexes")]

# Rows whose counters are worth a column of their own.
COUNTERS = {
    "Lookups.table-hub": ["relative_synonyms", "pair_tests"],
    "Lookups.table-ordinary": ["lookups", "pair_tests"],
    "Lookups.search-20": ["lookups", "pair_tests"],
    "SearchPage.exact-20": ["kB"],
    "SearchPage.similar": ["kB"],
    "WordInfoTableHtml.hub": ["kB", "statements"],
    "EnterToPaint.exact-20": ["handler_ms", "paint_ms"],
    "Startup.process": ["in_child_ms"],
    "Memory.100-searches": ["RSS_MB", "peak_RSS_MB"],
}

RATIOS = [
    ("FindWords.exact", "Floor.WordsExact"),
    ("FindWords.similar", "Floor.WordsInexact"),
    ("Lookups.table-ordinary", "Floor.table-ordinary"),
    ("Lookups.table-hub", "Floor.table-hub"),
    ("Lookups.search-20", "Floor.search-20"),
    ("LookupsTx.table-hub", "FloorTx.table-hub"),
    ("LookupsTx.search-20", "FloorTx.search-20"),
]


def milliseconds(run, cpu):
    factor = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}[run.get("time_unit", "ns")]
    manual = run["run_name"].endswith("manual_time")
    return run["cpu_time" if cpu and not manual else "real_time"] * factor


def figure(value):
    if value is None:
        return "–"
    if value >= 100:
        return f"{value:.0f}"
    if value >= 10:
        return f"{value:.1f}"
    if value >= 1:
        return f"{value:.2f}"
    return f"{value:.3f}"


def growth(small, large):
    if small is None or large is None or small == 0:
        return "–"
    return f"×{large / small:.1f}"


def load(path):
    """{(benchmark, network): run}, medians where there are aggregates."""
    with open(path, encoding="utf-8") as file:
        data = json.load(file)
    runs, order = {}, []
    for run in data["benchmarks"]:
        if run.get("run_type") == "aggregate" and run.get("aggregate_name") != "median":
            continue
        name, network = run["run_name"].split("/")[:2]
        key = (name, network)
        if key in runs and run.get("run_type") != "aggregate":
            continue
        runs[key] = run
        if name not in order:
            order.append(name)
    return data.get("context", {}), runs, order


def machine():
    model, memory = "unknown", "unknown"
    try:
        with open("/proc/cpuinfo", encoding="utf-8") as cpuinfo:
            model = next(line.split(":", 1)[1].strip() for line in cpuinfo
                         if line.startswith("model name"))
        with open("/proc/meminfo", encoding="utf-8") as meminfo:
            kilobytes = int(re.search(r"MemTotal:\s+(\d+)", meminfo.read()).group(1))
            memory = f"{kilobytes / 1024 / 1024:.1f} GiB"
    except (OSError, StopIteration, AttributeError):
        pass
    return model, memory


def main():
    arguments = sys.argv[1:]
    cpu = "--cpu" in arguments
    arguments = [argument for argument in arguments if argument != "--cpu"]
    if len(arguments) != 1:
        sys.exit(__doc__)
    context, runs, order = load(arguments[0])
    model, memory = machine()
    print(f"Machine: {context.get('num_cpus', '?')} CPUs ({model}, "
          f"{context.get('mhz_per_cpu', '?')} MHz), {memory} of memory; "
          f"run {context.get('date', '')}\n")

    header = f"| Benchmark (median {'CPU' if cpu else 'wall'} time, ms) |"
    rule = "|---|"
    for suffix, _ in VARIANTS:
        for size in SIZES:
            header += f" {size}{suffix} |"
            rule += "---:|"
        header += " growth |"
        rule += "---:|"
    print(header)
    print(rule)

    def value(name, network, counter=None):
        run = runs.get((name, network))
        if run is None:
            return None
        return run.get(counter) if counter else milliseconds(run, cpu)

    def row(label, name, counter=None):
        line = f"| {label} |"
        for suffix, _ in VARIANTS:
            values = [value(name, size + suffix, counter) for size in SIZES]
            line += "".join(f" {figure(v)} |" for v in values)
            line += f" {growth(values[0], values[-1])} |"
        print(line)

    for name in order:
        row(name, name)
        for counter in COUNTERS.get(name, []):
            row(f"&nbsp;&nbsp;{name} {counter}", name, counter)
    for store, floor in RATIOS:
        if store not in order or floor not in order:
            continue
        line = f"| ratio {store} / {floor} |"
        for suffix, _ in VARIANTS:
            for size in SIZES:
                a, b = value(store, size + suffix), value(floor, size + suffix)
                line += f" {a / b:.2f} |" if a and b else " – |"
            line += " |"
        print(line)


if __name__ == "__main__":
    main()
