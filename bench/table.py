#!/usr/bin/env python3
"""Turns sinuet-bench's JSON output (--benchmark_out) into the Markdown table of the
README: per row the median over repetitions of segments per tick, time per tick, floor
time, ratio tick/floor and share of the 40 ms budget."""
import json
import sys


def main(path):
    with open(path) as f:
        runs = json.load(f)["benchmarks"]
    medians = [r for r in runs if r.get("aggregate_name") == "median"]
    if not medians:  # a run without repetitions
        medians = [r for r in runs if r.get("run_type") == "iteration"]
    print("| screen | figures | loops | view | segments/tick | tick (ms) | floor (ms) "
          "| tick/floor | share of 40 ms |")
    print("|---|---:|---:|---|---:|---:|---:|---:|---:|")
    for r in medians:
        parts = r["run_name"].split("/")
        size, count, loops, view = parts[1], parts[2], parts[3], parts[4]
        print("| {} | {} | {} | {} | {:.0f} | {:.4f} | {:.4f} | {:.2f} | {:.2f} % |".format(
            size, count.split(":")[1], loops.split(":")[1], view, r["segments"],
            r["tick_ms"], r["floor_ms"], r["ratio"], r["budget_pct"]))


if __name__ == "__main__":
    main(sys.argv[1])
