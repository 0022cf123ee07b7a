#!/usr/bin/env python3
"""One table of the headline figures and their goals, after the benchmark program.

bench/headline.py BUILD_DIR [KVOR_BENCH_JSON]

Runs the programs of a Release build on the largest project (written to a
temporary folder by kvor_make_project) and on the example, each five times,
and reads the core's figures from kvor_bench's JSON output. Wall times and
peak memory are medians under /usr/bin/time -v. A figure whose program is not
built is shown as not measured.
"""
import json
import os
import re
import statistics
import subprocess
import sys
import tempfile

RUNS = 5
HERE = os.path.dirname(os.path.abspath(__file__))
EXAMPLE = os.path.join(HERE, "..", "examples", "spojity-nosnik.txt")


def timed(command):
    """Median wall time (s) and peak memory (MB) of RUNS runs of command."""
    walls, peaks = [], []
    for _ in range(RUNS):
        run = subprocess.run(["/usr/bin/time", "-v"] + command, stdout=subprocess.DEVNULL,
                             stderr=subprocess.PIPE, text=True, env=dict(os.environ, QT_QPA_PLATFORM="offscreen"))
        if run.returncode != 0:
            raise RuntimeError("%s failed:\n%s" % (" ".join(command), run.stderr[-2000:]))
        wall = re.search(r"Elapsed \(wall clock\) time.*: (\S+)", run.stderr).group(1)
        walls.append(sum(float(p) * 60 ** i for i, p in enumerate(reversed(wall.split(":")))))
        peaks.append(int(re.search(r"Maximum resident set size \(kbytes\): (\d+)", run.stderr).group(1)) / 1024)
    return statistics.median(walls), statistics.median(peaks)


def printed(command, pattern):
    """The numbers a measuring program prints, matched by pattern."""
    run = subprocess.run(command, capture_output=True, text=True, env=dict(os.environ, QT_QPA_PLATFORM="offscreen"))
    if run.returncode != 0:
        raise RuntimeError("%s failed:\n%s" % (" ".join(command), run.stderr[-2000:]))
    return [float(v) for v in re.search(pattern, run.stdout).groups()]


def main():
    build = sys.argv[1]
    bench_json = sys.argv[2] if len(sys.argv) > 2 else None
    program = lambda *parts: os.path.join(build, *parts)
    rows = []  # (figure, measured, goal, met: True/False/None)

    def row(figure, goal, measure):
        try:
            measured, met = measure()
        except FileNotFoundError:
            measured, met = "not measured (not built)", None
        except KeyError as name:
            measured, met = "not measured (no kvor_bench figure %s)" % name, None
        except Exception as error:  # one failing figure does not hide the others
            print(error, file=sys.stderr)
            measured, met = "failed", False
        rows.append((figure, measured, goal, met))

    folder = tempfile.mkdtemp(prefix="kvor_headline_")
    largest = os.path.join(folder, "largest.txt")
    subprocess.run([program("bench", "kvor_make_project"), "largest", largest], check=True)
    calc = [program("src", "cli", "kvor-calc"), "--group", "1,2,3,4,5", largest]
    reference = [program("bench", "kvor_reference_calc"), "--group", "1,2,3,4,5", largest]

    figures = {}

    def calc_figures():
        if "calc" not in figures:
            figures["calc"] = timed(calc)
            figures["reference"] = timed(reference)
        return figures["calc"], figures["reference"]

    def calc_ratio():
        (wall, _), (ref, _) = calc_figures()
        return "%.3f (%.2f s / %.2f s)" % (wall / ref, wall, ref), wall / ref <= 0.05

    def calc_peak():
        (_, peak), _ = calc_figures()
        return "%.1f MB" % peak, peak <= 48

    row("kvor-calc, largest project: time / plain reference", "<= 0.05", calc_ratio)
    row("kvor-calc, largest project: peak memory", "<= 48 MB", calc_peak)

    def staggered_ratio():
        # The same project with each tendon's points at stations of its own,
        # which no run can share: how far the figure above owes to the layout.
        path = os.path.join(folder, "staggered.txt")
        subprocess.run([program("bench", "kvor_make_project"), "largest-staggered", path], check=True)
        (wall, _), (ref, _) = [timed([program(*p), "--group", "1,2,3,4,5", path])
                               for p in (("src", "cli", "kvor-calc"), ("bench", "kvor_reference_calc"))]
        return "%.3f (%.2f s / %.2f s)" % (wall / ref, wall, ref), None

    row("  the same, each tendon at stations of its own", "(for comparison)", staggered_ratio)

    def ui_evaluation():
        ms, cpu = printed([program("bench", "kvor_ui_evaluation_time")], r"median (\d+) ms.*CPU (\d+) ms")
        return "%.0f ms (CPU %.0f ms)" % (ms, cpu), ms < 100

    row("\"Výpočet\" in the window, largest project", "< 100 ms", ui_evaluation)

    def report(path, seconds, megabytes):
        def measure():
            wall, peak = timed([program("src", "ui", "kvor"), "--report", os.path.join(folder, "p.pdf"), path])
            return "%.2f s, %.0f MB" % (wall, peak), wall < seconds and peak < megabytes
        return measure

    def window_report():
        ms, peak = printed([program("bench", "kvor_ui_report_time")], r"median (\d+) ms.*peak ([\d.]+) MB")
        return "%.2f s, %.0f MB" % (ms / 1000, peak), ms < 5000 and peak < 300

    row("kvor --report, largest project", "< 5 s, < 300 MB", report(largest, 5, 300))
    row("\"Protokol…\" in the window, largest project", "< 5 s, < 300 MB", window_report)
    row("kvor --report, the example", "< 0.5 s", report(EXAMPLE, 0.5, 1e9))

    core = {}
    if bench_json and os.path.exists(bench_json):
        for b in json.load(open(bench_json))["benchmarks"]:
            if "real_time" not in b:  # the fitted growth and its spread
                continue
            scale = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}[b.get("time_unit", "ns")]
            core[b["name"]] = b["real_time"] * scale

    def from_core(names, goal_ms, shown=lambda ms: "%.1f ms" % max(ms)):
        def measure():
            ms = [core[n] for n in names]
            return shown(ms), max(ms) < goal_ms
        return measure

    def sweep():
        # kvor-calc on projects of n points per line and tendon; linear when the
        # time per point at 32k is at most 1.5 times that at 4k.
        figures = []
        for n in (1000, 4000, 16000, 32000):
            path = os.path.join(folder, "sweep%d.txt" % n)
            subprocess.run([program("bench", "kvor_make_project"), str(n), str(n), path], check=True)
            figures.append(timed([program("src", "cli", "kvor-calc"), "--group", "1,2,3,4,5", path]))
        shown = " / ".join("%.2f s %.0f MB" % f for f in figures)
        return shown, figures[3][0] / 32000 <= 1.5 * figures[1][0] / 4000

    row("kvor-calc growth: 1k / 4k / 16k / 32k points", "linear", sweep)
    row("kvor-il line, 15 spans, 32750 stations (slowest kind)", "< 50 ms",
        from_core(["BM_GenerateLine/%d" % k for k in range(5)], 50))
    row("Stressing forces, tendon of 32766 points (slower case)", "< 20 ms",
        from_core(["BM_StressingForcesOfTheLargestTendon/6553/5", "BM_StressingForcesOfTheLargestTendon/327/100"],
                  20))
    row("Load effects, five lines of 32750 points, 20 axles", "< 200 ms",
        from_core(["BM_LoadEffectsLargest/real_time"], 200))

    opened = {}

    def open_save(figure):
        # kvor_ui_open_save_time runs once for the three figures. Saving is
        # judged by the session's save; the save panel also reads the written
        # project back to check that it opens again.
        def measure():
            if "out" not in opened:
                run = subprocess.run([program("bench", "kvor_ui_open_save_time")], capture_output=True, text=True,
                                     env=dict(os.environ, QT_QPA_PLATFORM="offscreen"))
                if run.returncode != 0:
                    raise RuntimeError("kvor_ui_open_save_time failed:\n%s" % run.stderr[-2000:])
                opened["out"] = run.stdout
            times = r"[^:\n]*: median (\d+) ms.*CPU (\d+) ms"
            if figure == "Opening":
                ms, cpu = [float(v) for v in re.search("Opening the largest project" + times, opened["out"]).groups()]
                return "%.0f ms (CPU %.0f ms)" % (ms, cpu), ms < 200
            panel, panel_cpu, ms, cpu = [float(v) for v in re.search(
                figure + times + r"\n  the session's save alone" + times, opened["out"]).groups()]
            return "%.0f ms (CPU %.0f ms); save panel %.0f ms (CPU %.0f ms)" % (ms, cpu, panel, panel_cpu), ms < 200
        return measure

    row("Opening the largest project (start window)", "< 200 ms", open_save("Opening"))
    row("Saving it with results", "< 200 ms", open_save("Saving with results"))
    row("Saving it without results", "< 200 ms", open_save("Saving without results"))

    width = [max(len(r[i]) for r in rows + [("Figure", "Measured", "Goal", None)]) for i in range(3)]
    line = lambda a, b, c, d: print("%-*s  %-*s  %-*s  %s" % (width[0], a, width[1], b, width[2], c, d))
    print()
    print("Headline figures (medians of %d runs, Release build, load average %.1f at the end)"
          % (RUNS, os.getloadavg()[0]))
    line("Figure", "Measured", "Goal", "Met")
    line("-" * width[0], "-" * width[1], "-" * width[2], "---")
    for figure, measured, goal, met in rows:
        line(figure, measured, goal, {True: "yes", False: "NO", None: "-"}[met])
    for name in os.listdir(folder):
        os.remove(os.path.join(folder, name))
    os.rmdir(folder)


if __name__ == "__main__":
    main()
