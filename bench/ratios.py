#!/usr/bin/env python3
"""Prints the speed goals of the column engine from a lumo_bench JSON report.

    build/release/bench/lumo_bench --benchmark_repetitions=5 \
        --benchmark_report_aggregates_only=true --benchmark_format=json > bench.json
    bench/ratios.py bench.json

Uses the median of each benchmark (or its single run when there are no
aggregates), real time in milliseconds.
"""
import json
import sys


def medians(report):
    times = {}
    for run in report["benchmarks"]:
        name = run["run_name"]
        if run.get("aggregate_name", "median") == "median":
            times[name] = run["real_time"] * {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}[run["time_unit"]]
    return times


def main(path):
    with open(path) as file:
        t = medians(json.load(file))
    goals = [
        ("GenerateAll / WriteArray", t["BM_GenerateAll"] / t["BM_WriteArray"], "<= 3"),
        ("GenerateAllNaive / GenerateAll", t["BM_GenerateAllNaive"] / t["BM_GenerateAll"], ">= 5"),
        ("FilterHalf / WriteArray", t["BM_FilterHalf"] / t["BM_WriteArray"], "<= 3"),
        ("StdSortByScore / SortByScore", t["BM_StdSortByScore"] / t["BM_SortByScore"], ">= 8"),
        ("ReduceNaive/1 / Reduce100k/1", t["BM_ReduceNaive/1/iterations:1"] / t["BM_Reduce100k/1"], ">= 500"),
    ]
    goals += [(f"Reduce/{d} (ms)", t[f"BM_Reduce/{d}"], "< 1000") for d in range(9)]
    goals += [(f"GreedyStep/{d} (ms)", t[f"BM_GreedyStep/{d}"], "< 50") for d in range(1, 7)]
    for label, value, goal in goals:
        operator, bound = goal.split()
        met = {"<=": value <= float(bound), ">=": value >= float(bound), "<": value < float(bound)}[operator]
        print(f"{label:34} {value:10.2f}   goal {goal:7} {'met' if met else 'NOT MET'}")


if __name__ == "__main__":
    main(sys.argv[1])
