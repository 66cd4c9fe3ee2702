#!/usr/bin/env python3
"""Runs a Google Benchmark binary and prints each benchmark's time as a ratio to a baseline measured
in the same run.   ratios.py <benchmark-binary> <baseline-name> [benchmark args...]"""
import json
import subprocess
import sys

binary, baseline = sys.argv[1], sys.argv[2]
out = subprocess.run([binary, "--benchmark_format=json", "--benchmark_repetitions=5",
                      "--benchmark_report_aggregates_only=true", *sys.argv[3:]],
                     check=True, capture_output=True, text=True).stdout
rows = {b["run_name"]: b for b in json.loads(out)["benchmarks"] if b.get("aggregate_name") == "median"}
base = rows[baseline]["real_time"]
unit = rows[baseline]["time_unit"]
for name, b in rows.items():
    print(f"{name:40s} {b['real_time']:10.3f} {unit}   x{b['real_time'] / base:6.2f} of {baseline}")
