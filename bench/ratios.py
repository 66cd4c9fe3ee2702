#!/usr/bin/env python3
"""Runs a Google Benchmark binary and prints each benchmark's time as a ratio to a baseline measured
in the same run. Benchmarks with arguments are compared with the baseline of the same arguments.
   ratios.py <benchmark-binary> <baseline-name> [benchmark args...]"""
import json
import subprocess
import sys

binary, baseline = sys.argv[1], sys.argv[2]
out = subprocess.run([binary, "--benchmark_format=json", "--benchmark_repetitions=5",
                      "--benchmark_report_aggregates_only=true", *sys.argv[3:]],
                     check=True, capture_output=True, text=True).stdout
rows = {b["run_name"]: b for b in json.loads(out)["benchmarks"] if b.get("aggregate_name") == "median"}
for name, b in rows.items():
    args = name[len(name.split("/")[0]):]
    base = rows[baseline + args]
    rate = f"  {b['items_per_second'] / 1e6:8.1f} M items/s" if "items_per_second" in b else ""
    print(f"{name:34s} {b['real_time']:12.3f} {b['time_unit']}{rate}   x{b['real_time'] / base['real_time']:6.2f} of {baseline + args}")
