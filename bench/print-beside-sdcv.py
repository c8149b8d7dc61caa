#!/usr/bin/env python3
"""Times QuorSemNetBrowser --print as a whole process beside sdcv on the same words, for
BENCHMARKS.md: each word looked up RUNS times by each program, the medians of the wall clock and
of the CPU time (user and system) per look-up, in milliseconds.

    bench/print-beside-sdcv.py PROGRAM NETWORK.mdb STARDICT_FOLDER [WORDS [RUNS]]

STARDICT_FOLDER holds the same network as a StarDict dictionary (bench/network-to-stardict.py).
"""
import os
import resource
import sqlite3
import statistics
import subprocess
import sys
import time


def timed(command):
    before = resource.getrusage(resource.RUSAGE_CHILDREN)
    start = time.perf_counter()
    result = subprocess.run(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    wall = time.perf_counter() - start
    after = resource.getrusage(resource.RUSAGE_CHILDREN)
    cpu = (after.ru_utime - before.ru_utime) + (after.ru_stime - before.ru_stime)
    return wall * 1000, cpu * 1000, result.returncode


def main() -> None:
    program, network, stardict = sys.argv[1:4]
    count = int(sys.argv[4]) if len(sys.argv) > 4 else 5
    runs = int(sys.argv[5]) if len(sys.argv) > 5 else 10
    db = sqlite3.connect(f"file:{network}?mode=ro", uri=True)
    words = [w for (w,) in db.execute(
        "select WORD from T_WORD where LANG_CODE = 'BG' and ID % 997 = 1 order by ID limit ?",
        (count,))]
    commands = {
        "--print --exact": lambda w: [program, "--print", "--exact", "--database", network, w],
        "--print": lambda w: [program, "--print", "--database", network, w],
        "sdcv -n -e": lambda w: ["sdcv", "--data-dir", stardict, "-n", "-e", w],
    }
    print(f"{network}: {len(words)} words, {runs} runs each")
    for name, command in commands.items():
        walls, cpus, statuses = [], [], set()
        for word in words:
            timed(command(word))  # the file system's cache warmed
            for _ in range(runs):
                wall, cpu, status = timed(command(word))
                walls.append(wall)
                cpus.append(cpu)
                statuses.add(status)
        print(f"| {name} | {statistics.median(walls):.1f} | {statistics.median(cpus):.1f} |"
              f" exit {sorted(statuses)} |")


if __name__ == "__main__":
    main()
