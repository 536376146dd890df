"""Turns the figures programs' "figure KEY VALUE UNIT" lines into scripts/bench's table.

    bench_table.py FIGURES.txt OUT.json

Prints one row per figure: what it is, what was measured, its aim, the reference or limit measured
in the same run, and whether it meets its aim; writes the rows and every figure to OUT.json.
"""

import json
import sys


def read_figures(path):
    figures, machine = {}, []
    with open(path, encoding="utf-8", errors="replace") as lines:
        for line in lines:
            parts = line.split()
            if len(parts) == 4 and parts[0] == "figure":
                try:
                    figures[parts[1]] = (float(parts[2]), parts[3])
                except ValueError:
                    pass
            elif line.startswith("machine "):
                machine.append(line.strip())
    return figures, machine


class Table:
    def __init__(self, figures):
        self.figures = figures
        self.rows = []

    def get(self, key):
        return self.figures[key][0] if key in self.figures else None

    def row(self, name, value, unit, aim=None, reference="", digits=2):
        """aim: the largest value that meets it, or None when the figure has none."""
        if value is None:
            verdict = "not measured"
        elif aim is None:
            verdict = ""
        else:
            verdict = "meets" if value <= aim else "misses"
        self.rows.append(
            {
                "figure": name,
                "measured": None if value is None else round(value, 4),
                "unit": unit,
                "aim": None if aim is None else f"at most {aim:g} {unit}",
                "reference": reference,
                "verdict": verdict,
                "shown": "-" if value is None else f"{value:.{digits}f} {unit}",
            }
        )


def build(figures):
    t = Table(figures)
    get = t.get

    base, base_threads = get("memory-empty-window"), get("threads-empty-window")
    many, many_threads = get("memory-empty-window-100-threads"), get("threads-empty-window-100-threads")
    per_thread = None
    if None not in (base, base_threads, many, many_threads) and many_threads > base_threads:
        per_thread = (many - base) / (many_threads - base_threads)
    for widgets, aim in ((0, None), (100, 10), (500, None)):
        label = f"{widgets}-widgets"
        memory, threads = get(f"memory-{label}"), get(f"threads-{label}")
        reference = ""
        if per_thread is not None and memory is not None and threads is not None:
            wine = base + (threads - base_threads) * per_thread
            reference = (
                f"Wine's own: empty window {base:.1f} MB + {threads:.0f} threads x "
                f"{per_thread:.2f} MB = {wine:.1f} MB; the program's own {memory - wine:.1f} MB"
            )
        t.row(f"private memory, {widgets} widgets", memory, "MB", aim, reference, 1)
    t.row("Wine's cost per thread (empty window with 100 idle threads)", per_thread, "MB")

    gdi0, windows0 = get("gdi-objects-0-widgets"), get("windows-0-widgets")
    for widgets in (100, 500):
        gdi, windows = get(f"gdi-objects-{widgets}-widgets"), get(f"windows-{widgets}-widgets")
        each = None if None in (gdi, gdi0) else (gdi - gdi0) / widgets
        reference = "" if gdi0 is None else f"{gdi0:.0f} with no widget, {gdi:.0f} with {widgets}"
        t.row(f"GDI objects a widget, {widgets} widgets", each, "objects", 12, reference, 1)
        each = None if None in (windows, windows0) else (windows - windows0) / widgets
        t.row(f"windows (USER objects) a widget, {widgets} widgets", each, "windows", None,
              "" if windows0 is None else f"{windows0:.0f} with no widget", 1)

    cpu = get("cpu-50-running-counters")
    reference = ""
    if cpu is not None:
        reference = (
            f"Tockly's process {get('cpu-process-50-running-counters'):.2f}% + the Wine server "
            f"{get('cpu-server-50-running-counters'):.2f}%"
        )
    t.row("CPU, 50 running counters at rest, 60 s (real Tockly.exe)", cpu, "% of a core", 0.5,
          reference, 2)

    empty = get("start-empty-window")
    reference = ""
    if empty is not None:
        reference = (
            f"empty window {empty:.3f} s; Tockly {get('start-tockly-500-tasks'):.3f} s "
            f"(empty store {get('start-tockly-empty-store'):.3f} s, 500 hidden "
            f"{get('start-tockly-500-hidden'):.3f} s); each run's ratio, median "
            f"{get('start-ratio-500-tasks-paired'):.2f}"
        )
    t.row("start to its loop and tray, 500 stored tasks / empty window", get("start-ratio-500-tasks"),
          "x", 1.5, reference)

    called = get("actions-called")
    reference = "" if called is None else f"{called:.0f} of 100 actions called"
    t.row("action latency after the target second, p50", get("action-latency-p50"), "ms", None,
          reference, 0)
    t.row("action latency after the target second, p99", get("action-latency-p99"), "ms", 150,
          reference, 0)

    t.row("full-HD capture and save, PNG", get("capture-and-save-png"), "ms", 400, "", 0)
    t.row("full-HD capture and save, JPEG", get("capture-and-save-jpeg"), "ms", 150, "", 0)

    plain = get("save-plain-write")
    reference = "" if plain is None else (
        f"SaveTasks {get('save-tasks'):.0f} us of {get('save-tasks-count'):.0f} tasks; "
        f"plain flushed write {plain:.0f} us (the fastest rounds: {get('save-tasks-min') or 0:.0f} "
        f"and {get('save-plain-write-min') or 0:.0f} us)"
    )
    t.row("SaveTasks of 1,000 tasks / the plain write", get("save-tasks-ratio"), "x", 1.5, reference)

    size = get("program-size")
    t.row("size of Tockly.exe", None if size is None else size / 1e6, "MB", 4,
          "" if size is None else f"{size:.0f} bytes", 2)
    return t.rows


def main():
    figures, machine = read_figures(sys.argv[1])
    rows = build(figures)
    widths = [max(len(r[key]) for r in rows) for key in ("figure", "shown")]
    aim_width = max(len(r["aim"] or "-") for r in rows)
    header = f"{'figure':<{widths[0]}}  {'measured':>{widths[1]}}  {'aim':<{aim_width}}  verdict   reference / limit"
    print(header)
    print("-" * len(header))
    for r in rows:
        print(
            f"{r['figure']:<{widths[0]}}  {r['shown']:>{widths[1]}}  {r['aim'] or '-':<{aim_width}}  "
            f"{r['verdict'] or '-':<8}  {r['reference']}"
        )
    for line in machine:
        print(line)
    with open(sys.argv[2], "w", encoding="utf-8") as out:
        json.dump(
            {
                "machine": machine,
                "rows": rows,
                "figures": {key: {"value": v, "unit": u} for key, (v, u) in figures.items()},
            },
            out,
            indent=2,
        )
        out.write("\n")
    print(f"written: {sys.argv[2]}")


if __name__ == "__main__":
    main()
