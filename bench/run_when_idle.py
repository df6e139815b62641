#!/usr/bin/env python3
"""Runs each benchmark of a Google Benchmark executable on its own, only while the machine is
otherwise idle, and repeats a benchmark when something else ran beside it.

On a shared build machine a compile that starts halfway through a run inflates some figures and
not others. Here every benchmark waits for the compilers to finish, and the CPU time the rest of
the machine used during the benchmark is measured from /proc/stat: above --max-other-cores the
benchmark is repeated (up to --attempts times; the last attempt is kept and marked not idle).

  bench/run_when_idle.py build-bench/bench/PresentationConfigurationBenchmarks results.json \
      [-- --benchmark_repetitions=5 --benchmark_min_time=0.5 ...]

Linux only. Prints a table of medians and writes all aggregates, each marked "idle", as JSON.
"""
import argparse
import json
import os
import subprocess
import sys
import tempfile
import time

BUSY_PROGRAMS = {"cc1plus", "cc1", "ld", "collect2", "ctest"}


def programs_running():
    names = subprocess.run(["ps", "-eo", "comm"], capture_output=True, text=True).stdout.split()
    return sum(1 for name in names if name in BUSY_PROGRAMS)


def machine_ticks():
    fields = [int(x) for x in open("/proc/stat").readline().split()[1:]]
    return sum(fields), fields[3] + fields[4]  # total, idle + iowait


def process_ticks(pid):
    fields = open(f"/proc/{pid}/stat").read().rsplit(")", 1)[1].split()
    return int(fields[11]) + int(fields[12])  # user + system


def run_alone(binary, name, extra, output, max_other_cores, attempts, log):
    for attempt in range(1, attempts + 1):
        waited = 0
        while programs_running() and waited < 900:
            time.sleep(2)
            waited += 2
        total_before, idle_before = machine_ticks()
        process = subprocess.Popen(
            [binary, f"--benchmark_filter=^{name}$", f"--benchmark_out={output}", "--benchmark_out_format=json",
             *extra], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        compiles = 0
        own = 0
        while process.poll() is None:
            compiles = max(compiles, programs_running())
            try:
                own = process_ticks(process.pid)
            except (OSError, IndexError, ValueError):
                pass
            time.sleep(0.2)
        total_after, idle_after = machine_ticks()
        wall = max(total_after - total_before, 1) / os.cpu_count()
        busy = (total_after - total_before) - (idle_after - idle_before)
        other_cores = max(busy - own, 0) / wall
        idle = compiles == 0 and other_cores <= max_other_cores
        print(f"{time.strftime('%H:%M:%S')} {name}: attempt {attempt}, waited {waited} s, "
              f"other processes used {other_cores:.2f} cores{'' if idle else ' -> repeated'}", file=log, flush=True)
        if idle or attempt == attempts:
            data = json.load(open(output))
            for result in data["benchmarks"]:
                result["idle"] = idle
            return data
    raise AssertionError("unreachable")


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("binary")
    parser.add_argument("output", help="JSON file for the aggregates")
    parser.add_argument("--filter", default="", help="only benchmarks whose name contains this")
    parser.add_argument("--max-other-cores", type=float, default=0.15)
    parser.add_argument("--attempts", type=int, default=12)
    parser.add_argument("--log", default=None, help="log of every attempt (default: standard error)")
    parser.epilog = ("Arguments after -- go to the executable; without them each benchmark runs 5 repetitions "
                     "of at least 0.5 s and reports the aggregates.")
    own = sys.argv[1:]
    passed_on = ["--benchmark_repetitions=5", "--benchmark_report_aggregates_only=true", "--benchmark_min_time=0.5"]
    if "--" in own:
        split = own.index("--")
        own, passed_on = own[:split], own[split + 1:]
    arguments = parser.parse_args(own)

    binary = os.path.abspath(arguments.binary)
    names = subprocess.run([binary, "--benchmark_list_tests=true"], capture_output=True, text=True,
                           check=True).stdout.split()
    names = [name for name in names if arguments.filter in name]
    log = open(arguments.log, "w") if arguments.log else sys.stderr
    combined = {"context": None, "benchmarks": []}
    with tempfile.TemporaryDirectory() as folder:
        scratch = os.path.join(folder, "one.json")
        for name in names:
            data = run_alone(binary, name, passed_on, scratch, arguments.max_other_cores,
                             arguments.attempts, log)
            combined["context"] = combined["context"] or data["context"]
            combined["benchmarks"].extend(data["benchmarks"])
    with open(arguments.output, "w") as out:
        json.dump(combined, out, indent=1)

    aggregates = {}
    for result in combined["benchmarks"]:
        aggregates.setdefault(result["run_name"], {})[result.get("aggregate_name", "")] = result
    print(f"{'benchmark':44} {'median time':>14} {'median CPU':>14} {'cv':>7}  idle")
    for name, results in aggregates.items():
        median = results.get("median") or next(iter(results.values()))
        cv = results.get("cv", {}).get("real_time", 0.0)
        unit = median["time_unit"]
        print(f"{name:44} {median['real_time']:12.1f}{unit:>2} {median['cpu_time']:12.1f}{unit:>2} "
              f"{100 * cv:6.1f}%  {'yes' if median['idle'] else 'NO'}")


if __name__ == "__main__":
    main()
