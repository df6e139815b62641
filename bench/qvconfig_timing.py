#!/usr/bin/env python3
"""Times qvconfig get, set and check on a user file of 500 values, from process start to exit,
the way an administrator's script runs them (hyperfine-style: warm-up runs, then repeated runs).

  bench/qvconfig_timing.py build/normal/tools/qvconfig/qvconfig [--runs 30]

The file holds a value other than the default for every user setting of every group (written
with "qvconfig set"), each colour as its three components, and entries of a group no release
knows (as a newer release leaves them) up to 500 values. Prints min, median and mean wall time per command, with the load
average, as a Markdown table.
"""
import argparse
import json
import os
import statistics
import subprocess
import sys
import tempfile
import time

VALUE_COUNT = 500


def other_value(value):
    """A valid value other than the default, as the file stores it."""
    kind, default, rule = value["type"], value["default"], value["rule"]
    if kind == "colour":
        return None
    if kind == "bool":
        return "false" if default else "true"
    if kind == "string":
        return "benchmark"
    if rule and "choices" in rule:
        numbers = [choice["value"] for choice in rule["choices"] if choice["value"] != default]
        return str(numbers[0]) if numbers else str(default)
    if rule and "range" in rule:
        low, high = rule["range"]
        number = high if default != high else low
    else:
        number = default + 1 if isinstance(default, (int, float)) else 1
    return str(int(number)) if kind in ("int", "uint") else repr(float(number))


def write_large_file(tool, path):
    """Unknown entries first, written here; then every value set through the tool itself, which
    knows how each group nests its objects."""
    shown = json.loads(subprocess.run([tool, "show", "--format", "json"], capture_output=True, check=True).stdout)
    settings = [value for group in shown["groups"] for value in group["values"]
                if value["persistence"] == "user" and not value["secret"] and value["editable"]]
    count = sum(3 if value["type"] == "colour" else 1 for value in settings)
    future = "".join(f'<value key="Future{index:03}" type="int">{index}</value>'
                     for index in range(max(0, VALUE_COUNT - count)))
    with open(path, "w", encoding="utf-8") as file:
        file.write('<?xml version="1.0" encoding="UTF-8"?>\n<QuarvaneConfiguration version="1">\n'
                   f'<object name="FutureGroup">{future}</object>\n</QuarvaneConfiguration>\n')
    for value in settings:
        text = "0.25,0.5,0.75" if value["type"] == "colour" else other_value(value)
        subprocess.run([tool, "set", "--user", path, value["name"], text], capture_output=True, check=True)
    return count + max(0, VALUE_COUNT - count)


def time_command(arguments, runs, warmups=3):
    for _ in range(warmups):
        subprocess.run(arguments, capture_output=True)
    times = []
    for _ in range(runs):
        start = time.perf_counter()
        result = subprocess.run(arguments, capture_output=True)
        times.append((time.perf_counter() - start) * 1000.0)
        if result.returncode not in (0, 1):
            sys.exit(f"{' '.join(arguments)} failed: {result.stderr.decode()}")
    return times


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("tool")
    parser.add_argument("--runs", type=int, default=30)
    options = parser.parse_args()
    tool = os.path.abspath(options.tool)
    with tempfile.TemporaryDirectory() as folder:
        user = os.path.join(folder, "user.xml")
        values = write_large_file(tool, user)
        commands = {
            "get": [tool, "get", "--user", user, "AutoSaveConfiguration/AutoSaveInterval"],
            "set": [tool, "set", "--user", user, "AutoSaveConfiguration/AutoSaveInterval", "7"],
            "check": [tool, "check", user],
            "show": [tool, "show", "--user", user],
        }
        print(f"{values} values in {os.path.getsize(user)} bytes; load average before: {os.getloadavg()}")
        print("| command | min ms | median ms | mean ms |\n|---|---|---|---|")
        for name, arguments in commands.items():
            times = time_command(arguments, options.runs)
            print(f"| {name} | {min(times):.1f} | {statistics.median(times):.1f} | {statistics.mean(times):.1f} |")
        print(f"load average after: {os.getloadavg()}")


if __name__ == "__main__":
    main()
