#!/usr/bin/env python3
"""Prints the speed and memory goals from a lumo_bench or lumo_dialog_bench
JSON report (each goal whose benchmarks are in the report).

    build/release/bench/lumo_bench --benchmark_repetitions=5 \
        --benchmark_report_aggregates_only=true --benchmark_format=json > bench.json
    bench/ratios.py bench.json

Uses the median of each benchmark (or its single run when there are no
aggregates), real time in milliseconds; --cpu uses CPU time instead.
"""
import json
import sys


def medians(report, clock):
    times = {}
    counters = {}
    for run in report["benchmarks"]:
        name = run["run_name"].removesuffix("/real_time")
        if run.get("aggregate_name", "median") == "median":
            scale = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}[run["time_unit"]]
            times[name] = run[clock] * scale
            counters[name] = run
    return times, counters


def engine_goals(t):
    goals = [
        ("GenerateAll / WriteArray", lambda: t["BM_GenerateAll"] / t["BM_WriteArray"], "<= 3"),
        ("GenerateAllNaive / GenerateAll", lambda: t["BM_GenerateAllNaive"] / t["BM_GenerateAll"], ">= 5"),
        ("FilterHalf / WriteArray", lambda: t["BM_FilterHalf"] / t["BM_WriteArray"], "<= 3"),
        ("StdSortByScore / SortByScore", lambda: t["BM_StdSortByScore"] / t["BM_SortByScore"], ">= 8"),
        ("ReduceNaive/1 / Reduce100k/1", lambda: t["BM_ReduceNaive/1/iterations:1"] / t["BM_Reduce100k/1"], ">= 500"),
        ("ReadBetParse / ScanText", lambda: t["BM_ReadBetParse"] / t["BM_ScanText"], "<= 2.5"),
        ("ReadBetFull / (TouchFreshSet + ReadBetParse)",
         lambda: t["BM_ReadBetFull"] / (t["BM_TouchFreshSet"] + t["BM_ReadBetParse"]), "<= 1.3"),
        ("OpenBetFile / ReadBetFull", lambda: t["BM_OpenBetFile"] / t["BM_ReadBetFull"], "<= 1.15"),
        ("ReadBetStrictParse / ReadBetParse", lambda: t["BM_ReadBetStrictParse"] / t["BM_ReadBetParse"], "<= 1.2"),
        ("OpenBetFileStrictly / OpenBetFile", lambda: t["BM_OpenBetFileStrictly"] / t["BM_OpenBetFile"], "<= 1.2"),
    ]
    goals += [(f"Reduce/{d} (ms)", lambda d=d: t[f"BM_Reduce/{d}"], "< 1000") for d in range(9)]
    goals += [(f"GreedyStep/{d} (ms)", lambda d=d: t[f"BM_GreedyStep/{d}"], "< 50") for d in range(1, 7)]
    goals += [("ColumnValues (ms)", lambda: t["BM_ColumnValues"], "<= 1500")]
    goals += [(f"BetValue/{n} (ms)", lambda n=n: t[f"BM_BetValue/{n}"], "<= 2000")
              for n in (1, 10000, 300000, 1000000, 4782969)]
    goals += [(f"BetValueBest/{n} (ms)", lambda n=n: t[f"BM_BetValueBest/{n}"], "<= 2000")
              for n in (1000, 30000, 300000)]
    # Conditions on all columns: 30 ms a condition alone and 300 ms for twenty,
    # about 4 and 40 times the plain score cut on the same columns.
    goals += [(f"ConditionAlone/{k} / ScoreCut", lambda k=k: t[f"BM_ConditionAlone/{k}"] / t["BM_ScoreCut"], "<= 4")
              for k in range(11)]
    goals += [("TwentyConditions / ScoreCut", lambda: t["BM_TwentyConditions"] / t["BM_ScoreCut"], "<= 40")]
    goals += [(f"ConditionAlone/{k} (ms)", lambda k=k: t[f"BM_ConditionAlone/{k}"], "<= 30") for k in range(11)]
    goals += [("TwentyConditions (ms)", lambda: t["BM_TwentyConditions"], "<= 300")]
    return goals


def memory_goals(c):
    def over(name):
        return c[f"{name}/iterations:1"]["over_set_MB"]

    def rise(name):
        return c[f"{name}/iterations:1"]["rise_MB"]

    return [
        ("PeakOpenBetFile above the set (MB)", lambda: over("BM_PeakOpenBetFile"), "<= 8"),
        ("PeakGenerateOverFullBet rise (MB)", lambda: rise("BM_PeakGenerateOverFullBet"), "<= 0.5"),
    ]


def reducir_goals(c):
    def counter(name, key):
        return c[f"{name}/iterations:1/manual_time"][key]

    return [
        ("ReducirStallAl11 longest stall (ms)", lambda: counter("BM_ReducirStallAl11", "stall_ms"), "<= 50"),
        ("ReducirStallAl11 - IdleLoopStall (ms)",
         lambda: counter("BM_ReducirStallAl11", "stall_ms") - counter("BM_IdleLoopStall", "stall_ms"), "<= 50"),
        ("ReducirCancelAl10 stop after Cancelar (ms)",
         lambda: counter("BM_ReducirCancelAl10", "cancel_ms"), "<= 1000"),
    ]


def dialog_goals(t):
    pairs = [("CutBelow", "CutBelow"), ("CutAbove", "CutAbove"),
             ("RemoveZeroPercent", "RemoveZeroPercent"), ("Condition", "Condition"),
             ("SortByScore", "SortByScore")]
    pairs += [(f"Reduce/{d}", f"Reduce/{d}") for d in range(9)]
    goals = [(f"Dialog{dialog} / (Engine + ProgressSweep)",
              lambda dialog=dialog, engine=engine:
              t[f"BM_Dialog{dialog}"] / (t[f"BM_Engine{engine}"] + t["BM_ProgressSweep"]), "<= 1.3")
             for dialog, engine in pairs]
    goals += [
        ("DialogGenerateAll / (GenerateAll + ProgressSweep)",
         lambda: t["BM_DialogGenerateAll"] / (t["BM_GenerateAll"] + t["BM_ProgressSweep"]), "<= 1.3"),
        ("DialogGenerateAllFresh / (TouchFreshSet + GenerateAll + ProgressSweep)",
         lambda: t["BM_DialogGenerateAllFresh"]
         / (t["BM_TouchFreshSet"] + t["BM_GenerateAll"] + t["BM_ProgressSweep"]), "<= 1.3"),
    ]
    return goals


def main(path, clock):
    with open(path) as file:
        t, c = medians(json.load(file), clock)
    for label, value, goal in engine_goals(t) + memory_goals(c) + dialog_goals(t) + reducir_goals(c):
        try:
            value = value()
        except KeyError:
            continue  # not in this report
        operator, bound = goal.split()
        met = {"<=": value <= float(bound), ">=": value >= float(bound), "<": value < float(bound)}[operator]
        print(f"{label:70} {value:10.2f}   goal {goal:7} {'met' if met else 'NOT MET'}")


if __name__ == "__main__":
    arguments = [a for a in sys.argv[1:] if a != "--cpu"]
    main(arguments[0], "cpu_time" if "--cpu" in sys.argv else "real_time")
