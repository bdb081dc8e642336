#!/usr/bin/env python3
"""Plays every shipped level with pondrake_sim and draws how hard levels 7 on are for the computer
player: tools/sim/climb.svg (commands per saved turtle, with the least-squares line), and prints
the table of every level as Markdown, for tools/sim/README.md.

    /usr/bin/python3 tools/sim/plot_climb.py [--sim build/bin/pondrake_sim] [--seeds 100]

Python's standard library only. The same seeds give the same figures on every machine.
"""
import argparse
import json
import os
import subprocess
import sys
from concurrent.futures import ThreadPoolExecutor

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(HERE, "..", ".."))
FIRST_CLIMB_LEVEL = 7


def play(sim, level, player, seeds):
    out = subprocess.run([sim, "--" + player, "--seeds", str(seeds), level],
                         capture_output=True, text=True, check=True).stdout
    return json.loads(out)


def slope_and_intercept(xs, ys):
    mx, my = sum(xs) / len(xs), sum(ys) / len(ys)
    spread = sum((x - mx) ** 2 for x in xs)
    slope = sum((x - mx) * (y - my) for x, y in zip(xs, ys)) / spread if spread else 0.0
    return slope, my - slope * mx


def svg(points, slope, intercept):
    """A small line chart: the levels along, commands per saved turtle up."""
    width, height, left, right, top, bottom = 640, 360, 60, 20, 40, 50
    xs = [x for x, _ in points]
    top_y = max(2, int(max(y for _, y in points)) + 2)
    px = lambda x: left + (x - xs[0]) * (width - left - right) / (xs[-1] - xs[0])
    py = lambda y: height - bottom - y * (height - top - bottom) / top_y
    parts = ['<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" font-family="sans-serif" '
             'font-size="12">' % (width, height),
             '<rect width="100%" height="100%" fill="white"/>',
             '<text x="%d" y="22" font-size="14">Commands per saved turtle, computer player, levels %d to %d'
             '</text>' % (left, xs[0], xs[-1])]
    for y in range(0, top_y + 1):
        parts.append('<line x1="%d" y1="%.1f" x2="%d" y2="%.1f" stroke="#ddd"/>' % (left, py(y), width - right, py(y)))
        parts.append('<text x="%d" y="%.1f" text-anchor="end">%d</text>' % (left - 6, py(y) + 4, y))
    for x in xs:
        parts.append('<text x="%.1f" y="%d" text-anchor="middle">%d</text>' % (px(x), height - bottom + 16, x))
    parts.append('<text x="%d" y="%d" text-anchor="middle">level</text>' % ((left + width - right) // 2, height - 12))
    parts.append('<line x1="%.1f" y1="%.1f" x2="%.1f" y2="%.1f" stroke="#c33" stroke-width="2" '
                 'stroke-dasharray="6 4"/>' % (px(xs[0]), py(slope * xs[0] + intercept),
                                               px(xs[-1]), py(slope * xs[-1] + intercept)))
    parts.append('<polyline fill="none" stroke="#06c" stroke-width="1.5" points="%s"/>'
                 % " ".join("%.1f,%.1f" % (px(x), py(y)) for x, y in points))
    for x, y in points:
        parts.append('<circle cx="%.1f" cy="%.1f" r="4" fill="#06c"/>' % (px(x), py(y)))
    parts.append('<text x="%d" y="%d" fill="#c33">least squares: %+.3f a level</text>'
                 % (width - right - 190, top + 14, slope))
    parts.append("</svg>")
    return "\n".join(parts) + "\n"


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--sim", default=os.path.join(ROOT, "build", "bin", "pondrake_sim"))
    parser.add_argument("--seeds", type=int, default=100)
    parser.add_argument("--svg", default=os.path.join(HERE, "climb.svg"))
    args = parser.parse_args()

    levels = []
    while os.path.exists(os.path.join(ROOT, "data", "levels", "level%d.txt" % (len(levels) + 1))):
        levels.append(os.path.join(ROOT, "data", "levels", "level%d.txt" % (len(levels) + 1)))
    if not levels:
        sys.exit("no levels in data/levels")
    jobs = [(level, player) for level in levels for player in ("bot", "idle")]
    with ThreadPoolExecutor(os.cpu_count() or 1) as pool:
        results = list(pool.map(lambda job: play(args.sim, job[0], job[1], args.seeds), jobs))

    print("| level | turtles saved / lost (bot) | bot passes | idle passes | median score (bot) | "
          "median seconds (bot) | commands per saved turtle |")
    print("|---:|---:|---:|---:|---:|---:|---:|")
    points = []
    for n, level in enumerate(levels, 1):
        bot, idle = results[2 * (n - 1)], results[2 * (n - 1) + 1]
        print("| %d | %d / %d | %.2f | %.2f | %g | %g | %.2f |" % (
            n, bot["saved"], bot["lost"], bot["pass_rate"], idle["pass_rate"], bot["median_score"],
            bot["median_seconds"], bot["commands_per_saved"]))
        if n >= FIRST_CLIMB_LEVEL:
            points.append((n, bot["commands_per_saved"]))
    slope, intercept = slope_and_intercept([x for x, _ in points], [y for _, y in points])
    print("\nleast-squares slope over levels %d to %d: %+.3f commands per saved turtle a level"
          % (points[0][0], points[-1][0], slope))
    with open(args.svg, "w") as f:
        f.write(svg(points, slope, intercept))
    print("wrote " + os.path.relpath(args.svg, ROOT))


if __name__ == "__main__":
    main()
