#!/usr/bin/env python3
"""Turns the benchmark programs' JSON output and a few timed whole-process runs into one table:
figure, median, goal, and the ratio to the figure's anchor (a goal or a baseline)."""
import json
import os
import statistics
import subprocess
import sys
import time

bench_dir, reference_script, work = sys.argv[1], sys.argv[2], sys.argv[3]


def medians(program):
    with open(os.path.join(work, program + ".json")) as handle:
        data = json.load(handle)
    result = {}
    for entry in data["benchmarks"]:
        if entry.get("aggregate_name") == "median":
            scale = {"ns": 1e-6, "us": 1e-3, "ms": 1.0}[entry["time_unit"]]
            result[entry["run_name"]] = entry["real_time"] * scale  # milliseconds
        elif entry.get("error_occurred"):
            result[entry["name"]] = None
    return result


def process_median(command, runs):
    times = []
    for _ in range(runs):
        start = time.perf_counter()
        subprocess.run(command, check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        times.append((time.perf_counter() - start) * 1000)
    return statistics.median(times)


def alternate(first, second, runs):
    """Medians of two commands run in turn, so that both meet the same machine."""
    a, b = [], []
    for _ in range(runs):
        for command, times in ((first, a), (second, b)):
            start = time.perf_counter()
            subprocess.run(command, check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            times.append((time.perf_counter() - start) * 1000)
    return statistics.median(a), statistics.median(b)


core = medians("core_bench")
ui = medians("ui_bench")
program = medians("program_bench")
rows = []


def row(figure, median, goal, ratio, anchor):
    rows.append((figure, median, goal, ratio, anchor))


for steps, name in ((100, "calculate"), (5000, "fineCalculate")):
    bare = "bareExpCalculate" if steps == 100 else "bareExpFine"
    for n in (1, 2, 10):
        run, base = core[f"{name}/{n}"], core[f"{bare}/{n}"]
        row(f"{name} {n} conformers", f"{run * 1000:.1f} us", "<= 1.5 x bare exp()", run / base,
            f"bare exp() {base * 1000:.1f} us")
row("window of 150 elements created, shown, painted", f"{ui['createShowAndPaint']:.2f} ms", "< 16 ms",
    ui["createShowAndPaint"] / 16, "16 ms frame")
row("200 property changes mirrored", f"{ui['mirrorPropertyChanges']:.2f} ms", "< 16 ms",
    ui["mirrorPropertyChanges"] / 16, "16 ms frame")
key = program["keyPressEnterInLastKelvinBox"]
row("Enter in the last kelvin box, model and widgets", f"{key * 1000:.0f} us", "< 2 ms", key / 2, "2 ms")
calc = program["calculateToResultsPainted"]
row("Calculate (10 conformers) to results painted", f"{calc:.2f} ms", "< 16 ms", calc / 16, "16 ms frame")
hpg = program["openHpgWindow"]
row("HPG window opened (10 conformers), in process", f"{hpg:.1f} ms", "< 16 ms", hpg / 16,
    "16 ms frame")
zoom = program["zoomStep"]
row("a zoom step, every window laid out and painted", f"{zoom:.2f} ms", "< 6.9 ms", zoom / 6.9,
    "144 Hz frame")
for name, figure in (("maximisedGraphRepainted", "graph maximised at 1920 x 1080, painted"),
                     ("graphGrownToFillAndPainted", "graph grown to fill 1920 x 1080 and painted")):
    median = program[name]
    row(figure, f"{median:.2f} ms", "< 6.9 ms", median / 6.9, "144 Hz frame")
printing = program.get("printTable/iterations:10")
if printing is not None:
    row("Print Table to the spooler", f"{printing:.1f} ms", "< 250 ms", printing / 250, "250 ms")
else:
    row("Print Table to the spooler", "no printer", "< 250 ms", float("nan"), "250 ms")

probe = os.path.join(bench_dir, "start_probe")
torvi_start, bare_start = alternate([probe], [probe, "--bare"], 30)
row("cold start to main window shown", f"{torvi_start:.1f} ms", "<= 1.3 x bare Qt", torvi_start / bare_start,
    f"bare Qt {bare_start:.1f} ms")
torvi_start, menu_start = alternate([probe], [probe, "--bare-menu"], 30)
row("cold start, against a bare Qt window with a menu", f"{torvi_start:.1f} ms", "(for comparison)",
    torvi_start / menu_start, f"bare Qt with a menu {menu_start:.1f} ms")
png = os.path.join(work, "hpg.png")
torvi_hpg = process_median([os.path.join(bench_dir, "hpg_png"), png], 10)
python_hpg = process_median([sys.executable, reference_script, os.path.join(work, "reference.png")], 5)
row("HPG plot to PNG, whole process", f"{torvi_hpg:.1f} ms", ">= 10 x faster than Python", torvi_hpg / python_hpg,
    f"NumPy + Matplotlib {python_hpg:.0f} ms")

memory = subprocess.run([os.path.join(bench_dir, "memory_session")], check=True, capture_output=True, text=True)
after_ten, after_hundred, after_thousand = (int(value) for value in memory.stdout.split())
row("peak resident memory after 10 runs", f"{after_ten / 1024:.1f} MiB", "flat", 1.0, "itself")
row("peak resident memory after 100 runs (all windows seen)", f"{after_hundred / 1024:.1f} MiB", "flat", 1.0,
    "itself")
row("peak resident memory after 1,000 runs", f"{after_thousand / 1024:.1f} MiB", "flat",
    after_thousand / after_hundred, "after 100 runs")

width = max(len(r[0]) for r in rows)
print(f"{'figure':<{width}} | {'median':>10} | {'goal':<26} | {'ratio':>6} | anchor")
print(f"{'-' * width}-|-{'-' * 10}-|-{'-' * 26}-|-{'-' * 6}-|-------")
for figure, median, goal, ratio, anchor in rows:
    print(f"{figure:<{width}} | {median:>10} | {goal:<26} | {ratio:>6.2f} | {anchor}")
