#!/usr/bin/env python3
"""Makes the benchmarks' table from their JSON output: each figure's median,
the median of its floor from the same run, their ratio and the target.

Usage: report.py SCRATCH_FOLDER RESULTS_JSON
"""
import glob
import json
import os
import sys

# (figure, benchmark, floor benchmark, what the target bounds, target)
# The target bounds the ratio to the floor, the median itself, or the counter
# named after "counter:".
FIGURES = [
    ("toEditorText of a 10 MiB note", "toEditorTextOfLargeNote", "floorGbkToUtf8OfLargeNote", "ratio", 1.1),
    ("toStoreText of a 10 MiB note", "toStoreTextOfLargeNote", "floorUtf8ToGbkOfLargeNote", "ratio", 1.1),
    ("selecting a 10 MiB note until the editor painted", "selectingTheLargeNote/manual_time",
     "floorOfSelecting/manual_time", "ratio", 1.5),
    ("saving a 10 MiB note", "savingTheLargeNote/manual_time", "floorOfSaving/manual_time", "ratio", 1.5),
    ("refreshCategoryTree, 1,000 notes", "refreshingTheTree/1000/manual_time", None, None, None),
    ("refreshCategoryTree, 10,000 notes", "refreshingTheTree/10000/manual_time", None, None, None),
    ("refreshCategoryTree, 100,000 notes", "refreshingTheTree/100000/manual_time", None, "median", 1.0),
    ("refreshCategoryTree, 100,000 against 10,000 notes", "refreshingTheTree/100000/manual_time",
     "refreshingTheTree/10000/manual_time", "ratio", 11.0),
    ("start-up until shown, 1,000 notes", "startingOn1000Notes/manual_time", None, "median", 0.5),
    ("peak memory, 100,000 notes shown (MB)", "peakMemoryWith100000Notes/iterations:1/manual_time", None,
     "counter:peak_MB", 150.0),
]

STEPS = {
    "a selection of the 10 MiB note": ("selectingTheLargeNoteStepByStep/manual_time",
                                       ["read_ms", "convert_ms", "setText_ms", "paint_ms"]),
    "a save of the 10 MiB note": ("savingTheLargeNoteStepByStep/manual_time",
                                  ["fetch_ms", "convert_ms", "write_ms", "messageBox_ms"]),
}

UNIT_SECONDS = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}


def medians(folder):
    found = {}
    for path in sorted(glob.glob(os.path.join(folder, "*.json"))):
        with open(path) as file:
            for run in json.load(file)["benchmarks"]:
                if run.get("run_type") == "aggregate" and run.get("aggregate_name") == "median":
                    found[run["run_name"]] = run
    return found


def seconds(run):
    # A benchmark that times itself (a paint, the disk, another process) gives
    # the wall time it measured; one that only computes in its one thread
    # gives its CPU time, which the others' load on a shared machine leaves alone.
    measured = run["real_time"] if "manual_time" in run["run_name"] else run["cpu_time"]
    return measured * UNIT_SECONDS[run["time_unit"]]


def shown_time(value):
    return "%.1f ms" % (value * 1000) if value < 1 else "%.2f s" % value


def figures(found):
    rows = []
    for figure, name, floor_name, bound, target in FIGURES:
        run = found.get(name)
        floor = found.get(floor_name) if floor_name else None
        row = {"figure": figure, "benchmark": name, "median_seconds": seconds(run) if run else None,
               "floor": floor_name, "floor_median_seconds": seconds(floor) if floor else None, "ratio": None,
               "bounds": bound, "target": target, "met": None}
        if run and floor:
            row["ratio"] = row["median_seconds"] / row["floor_median_seconds"]
        if bound and bound.startswith("counter:"):
            row["median"] = run[bound.split(":", 1)[1]] if run else None
            value = row["median"]
        else:
            value = row["ratio"] if bound == "ratio" else row["median_seconds"]
        if target is not None and value is not None:
            row["met"] = value <= target if bound == "ratio" else value < target
        rows.append(row)
    return rows


def table(rows, steps):
    lines = ["| Figure | Median | Floor, same run | Ratio | Target | |", "|---|---|---|---|---|---|"]
    for row in rows:
        if row["bounds"] and row["bounds"].startswith("counter:"):
            median = "%.1f MB" % row["median"] if row.get("median") is not None else "-"
        else:
            median = shown_time(row["median_seconds"]) if row["median_seconds"] is not None else "missing"
        floor = shown_time(row["floor_median_seconds"]) if row["floor_median_seconds"] is not None else ""
        ratio = "%.2f" % row["ratio"] if row["ratio"] is not None else ""
        if row["target"] is None:
            target = ""
        elif row["bounds"] == "ratio":
            target = "ratio <= %g" % row["target"]
        elif row["bounds"] == "median":
            target = "< %g s" % row["target"]
        else:
            target = "< %g MB" % row["target"]
        met = {True: "met", False: "MISSED", None: ""}[row["met"]]
        lines.append("| %s | %s | %s | %s | %s | %s |" % (row["figure"], median, floor, ratio, target, met))
    for what, counters in steps.items():
        parts = ", ".join("%s %.1f ms" % (key[:-3], value) for key, value in counters.items())
        lines.append("")
        lines.append("Where the time of %s goes, step by step (medians): %s" % (what, parts))
    return "\n".join(lines)


def main():
    folder, results = sys.argv[1], sys.argv[2]
    found = medians(folder)
    rows = figures(found)
    steps = {}
    for what, (name, keys) in STEPS.items():
        if name in found:
            steps[what] = {key: found[name][key] for key in keys if key in found[name]}
    with open(results, "w") as file:
        json.dump({"figures": rows, "steps_ms": steps}, file, indent=2)
        file.write("\n")
    print(table(rows, steps))
    missing = [row["figure"] for row in rows if row["median_seconds"] is None]
    if missing:
        print("no result for: " + ", ".join(missing), file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
