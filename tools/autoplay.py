#!/usr/bin/env python3
"""Plays the real Pondrake with the mouse in a virtual X display and saves screenshots.

The bot looks at the screen, never at the game's memory: it grabs the board a few times a
second, tells each of the 400 cells apart by comparing its pixels with the 16 tiles, plans a way
to the water for every turtle and drags a turtle whenever it faces away from its next step. Levels
that end with more turtles lost than saved are simply played again, as the game asks.

The default run plays two whole games and leaves screenshots to look at in shots/:

  game 1  countdown, a drag in progress, every level-over window, the game-over window with a
          handwritten name, the top-ten table showing it
  game 2  Game > High Scores during play (and proof that the board moves again afterwards),
          level 3 lost on purpose the first time (turtles led into holes) and so played again,
          the game-over window with a typed name, the top-ten table

With --levels only some levels of the pack are played, in the order given: the tool makes a
program folder of its own (a copy of the program beside the art, sound and help of --bin) whose
levels are those, numbered from 1, so a game runs through them alone.

With --keys the game is played by the keys alone, as a player without a mouse plays it: the
arrows take the board's cursor to a turtle, Space picks it up and an arrow sends it; the name
is typed and the top ten closed by a key.

Needs Xvfb, xdotool and ImageMagick (import, convert); Python's standard library only.

    /usr/bin/python3 tools/autoplay.py                    # both games, shots in ./shots
    /usr/bin/python3 tools/autoplay.py --games 1 --fresh-scores
    /usr/bin/python3 tools/autoplay.py --games 2 --lose-once 0
    /usr/bin/python3 tools/autoplay.py --abort-after 2    # game 2 ends by Abort Game once 2 levels are over
    /usr/bin/python3 tools/autoplay.py --games 1 --levels 1,7,24   # a game of three levels of the pack
    /usr/bin/python3 tools/autoplay.py --games 2 --lose-once 0 --levels 1 --keys

An X server already running on --display is used as it is; otherwise Xvfb is started there and
stopped at the end. The game is always started by this tool and ended by it.
"""

import argparse
import heapq
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time
from collections import deque

CELL = 34
SIZE = 20
BOARD_PIXELS = CELL * SIZE

TILE_FILES = {
    "turtle_left": "a", "turtle_right": "d", "turtle_up": "w", "turtle_down": "x",
    "water": "$", "hole": "h", "rock": "r", "alien": "@",
    "foot_left": "1", "foot_right": "2",
    "dog_left": "j", "dog_right": "l", "dog_up": "i", "dog_down": "m", "dog_sit": "k",
    "blank": "b",
}
TURTLES = {"a": (-1, 0), "d": (1, 0), "w": (0, -1), "x": (0, 1)}
FEET = {"1": -1, "2": 1}
DOGS = set("jlimk")
WALKABLE_FOR_FEET = set("b") | set(TURTLES)
STATIC = set("r$h")          # what never moves: tells the levels apart
BLOCKING = set("rh") | DOGS  # never walked into on purpose (holes swallow, the rest blocks)
DIRECTIONS = {"left": (-1, 0), "right": (1, 0), "up": (0, -1), "down": (0, 1)}
NAME_OF_STEP = {v: k for k, v in DIRECTIONS.items()}
DRAG_PIXELS = 20

LOG_FILE = None


def log(message):
    line = time.strftime("%H:%M:%S ") + message
    print(line, flush=True)
    if LOG_FILE:
        LOG_FILE.write(line + "\n")
        LOG_FILE.flush()


class GiveUp(Exception):
    """The run cannot go on: the message says why."""


# --- The X display ------------------------------------------------------------------------------

class Display:
    def __init__(self, name):
        self.name = name
        self.env = dict(os.environ, DISPLAY=name)

    def run(self, args, check=True, binary=False):
        done = subprocess.run(args, env=self.env, capture_output=True, check=False)
        if check and done.returncode != 0:
            raise GiveUp("%s failed: %s" % (" ".join(args), done.stderr.decode(errors="replace").strip()))
        return done.stdout if binary else done.stdout.decode(errors="replace")

    def answers(self):
        return subprocess.run(["xdotool", "getmouselocation"], env=self.env,
                              capture_output=True).returncode == 0

    def xdo(self, *args):
        return self.run(["xdotool"] + [str(a) for a in args], check=False)

    def window_ids(self, title=None, classname="^pondrake$"):
        """Visible windows of that class, and with a title matching the pattern if one is given."""
        out = self.run(["xdotool", "search", "--onlyvisible", "--classname", classname], check=False)
        ids = [int(w) for w in out.split()]
        if title is not None:
            ids = [w for w in ids if re.search(title, self.title(w))]
        return ids

    def geometry(self, window):
        out = self.xdo("getwindowgeometry", "--shell", window)
        values = dict(line.split("=", 1) for line in out.split() if "=" in line)
        try:
            return tuple(int(values[k]) for k in ("X", "Y", "WIDTH", "HEIGHT"))
        except KeyError:
            return None

    def title(self, window):
        return self.xdo("getwindowname", window).strip()

    def grab(self, x, y, w, h):
        data = self.run(["import", "-window", "root", "-crop", "%dx%d+%d+%d" % (w, h, x, y),
                         "-depth", "8", "rgb:-"], binary=True)
        if len(data) != w * h * 3:
            raise GiveUp("screen grab gave %d bytes, not %d" % (len(data), w * h * 3))
        return data

    def screenshot(self, path):
        self.run(["import", "-window", "root", path])
        log("screenshot " + path)


# --- Seeing the board ---------------------------------------------------------------------------

class Tiles:
    def __init__(self, images):
        self.pixels = {}
        for name, code in TILE_FILES.items():
            path = os.path.join(images, name + ".gif")
            data = subprocess.run(["convert", path, "-depth", "8", "rgb:-"], capture_output=True,
                                  check=True).stdout
            if len(data) != CELL * CELL * 3:
                raise GiveUp("%s is not a %dx%d tile" % (path, CELL, CELL))
            self.pixels[code] = data
        self.exact = {data: code for code, data in self.pixels.items()}
        # Inside pixels on a sparse grid for the nearest match (a selection box covers the rim).
        self.samples = [(y * CELL + x) * 3 for y in range(4, 30, 3) for x in range(4, 30, 3)]
        self.sampled = {code: [data[i + k] for i in self.samples for k in range(3)]
                        for code, data in self.pixels.items()}

    def cell(self, frame, width, col, row):
        """The code of one cell of a frame grabbed `width` pixels wide; '?' when nothing fits."""
        rowbytes = width * 3
        start = row * CELL * rowbytes + col * CELL * 3
        data = b"".join(frame[start + y * rowbytes:start + y * rowbytes + CELL * 3] for y in range(CELL))
        code = self.exact.get(data)
        if code:
            return code
        seen = [data[i + k] for i in self.samples for k in range(3)]
        best, best_diff = "?", None
        for code, ref in self.sampled.items():
            diff = sum(abs(a - b) for a, b in zip(seen, ref))
            if best_diff is None or diff < best_diff:
                best, best_diff = code, diff
        # A fitting tile differs only where a box or a line is drawn over it.
        return best if best_diff < 20 * len(seen) else "?"

    def board(self, frame):
        return ["".join(self.cell(frame, BOARD_PIXELS, c, r) for c in range(SIZE)) for r in range(SIZE)]


def read_level(path):
    with open(path, encoding="latin-1") as f:
        lines = [line.rstrip("\r\n") for line in f]
    return {"music": lines[0], "bonus": int(lines[1]), "turtle_ms": int(lines[2]),
            "dog_ms": int(lines[3]), "rows": lines[4:4 + SIZE]}


def which_level(grid, levels):
    """The level whose rocks, water and holes fit the board best."""
    best, best_score = None, None
    for number, level in levels.items():
        score = 0
        for r in range(SIZE):
            for c in range(SIZE):
                want, have = level["rows"][r][c], grid[r][c]
                if want in STATIC or have in STATIC:
                    score += 1 if want == have else -1
        if best_score is None or score > best_score:
            best, best_score = number, score
    return best


# --- Planning -----------------------------------------------------------------------------------

def foot_tracks(grid, ticks):
    """Where each foot stands after 0..ticks turtle ticks, turning at edges and at anything that
    is not grass or a turtle, as the game moves them."""
    tracks = []
    for r in range(SIZE):
        for c in range(SIZE):
            if grid[r][c] not in FEET:
                continue
            step, col, cols = FEET[grid[r][c]], c, [c]
            for _ in range(ticks):
                nxt = col + step
                # Its own first cell is grass once it has left it.
                if nxt < 0 or nxt >= SIZE or (nxt != c and grid[r][nxt] not in WALKABLE_FOR_FEET):
                    step = -step
                else:
                    col = nxt
                cols.append(col)
            tracks.append((r, cols))
    return tracks


def goal_distance(grid, goal="$", blocking=BLOCKING):
    """Steps to the nearest goal cell over everything but rocks, holes and dogs (a lower bound)."""
    dist = [[None] * SIZE for _ in range(SIZE)]
    queue = deque()
    for r in range(SIZE):
        for c in range(SIZE):
            if grid[r][c] == goal:
                dist[r][c] = 0
                queue.append((c, r))
    while queue:
        c, r = queue.popleft()
        for dc, dr in DIRECTIONS.values():
            nc, nr = c + dc, r + dr
            if 0 <= nc < SIZE and 0 <= nr < SIZE and dist[nr][nc] is None and grid[nr][nc] not in blocking | {goal}:
                dist[nr][nc] = dist[r][c] + 1
                queue.append((nc, nr))
    return dist


class Planner:
    HORIZON = 60
    MAX_EXPANSIONS = 25000

    def __init__(self, grid, goal="$"):
        """goal: water, or holes for a level meant to be lost."""
        self.grid = grid
        self.goal = goal
        self.blocking = BLOCKING if goal == "$" else (BLOCKING - {"h"}) | {"$"}
        self.dist = goal_distance(grid, goal, self.blocking)
        self.feet = foot_tracks(grid, self.HORIZON + 3)
        self.aliens = [(c, r) for r in range(SIZE) for c in range(SIZE) if grid[r][c] == "@"]
        self.alien_near = {}
        for ac, ar in self.aliens:
            for dr in range(-2, 3):
                for dc in range(-2, 3):
                    key = (ac + dc, ar + dr)
                    ring = max(abs(dc), abs(dr))
                    self.alien_near[key] = min(self.alien_near.get(key, 9), ring)

    def risk(self, c, r, t):
        """What standing on (c, r) right after the turtle's t-th step may cost."""
        cost = 0.0
        for row, cols in self.feet:
            if row != r:
                continue
            if c in cols[max(t - 1, 0):t + 2]:
                cost += 100  # the foot is there or steps there while the turtle is
            else:
                cost += 1    # lingering in a foot's row is asking for it
        ring = self.alien_near.get((c, r))
        if ring == 1:
            cost += 20 if t < 6 else 8
        elif ring == 2:
            cost += 4 if t < 6 else 1
        return cost

    def first_step(self, col, row):
        """The first step, as (dx, dy), of the cheapest way to the goal, or None."""
        facing = TURTLES.get(self.grid[row][col])
        if self.dist[row][col] is None:
            return self.safest_step(col, row, facing)
        start = (col, row, 0)
        # A* over (cell, steps taken): risks depend on when the turtle stands where.
        heap = [(self.dist[row][col], 0, 0.0, 0, start, None)]
        best = {start: 0.0}
        expansions = 0
        order = 0  # keeps equal entries from comparing their cells
        while heap:
            _, _, g, _, node, first = heapq.heappop(heap)
            if node is None:
                return first  # the goal, and nothing cheaper is left
            c, r, t = node
            if g > best.get(node, float("inf")):
                continue
            expansions += 1
            if expansions > self.MAX_EXPANSIONS:
                break
            for step in DIRECTIONS.values():
                nc, nr = c + step[0], r + step[1]
                if not (0 <= nc < SIZE and 0 <= nr < SIZE):
                    continue
                code = self.grid[nr][nc]
                step_first = first or step
                order += 1
                if code == self.goal:
                    heapq.heappush(heap, (g + 1, -(t + 1), g + 1, order, None, step_first))
                    continue
                if code in self.blocking or code == "@" or code in FEET or self.dist[nr][nc] is None:
                    continue
                if t + 1 >= self.HORIZON:
                    continue
                extra = self.risk(nc, nr, t + 1)
                if t == 0 and code in TURTLES:
                    extra += 3  # it may move away, or block and send ours off in a random way
                if t == 0 and step != facing:
                    extra += 0.01  # between equals, keep the way it walks: no drag needed
                ng = g + 1 + extra
                key = (nc, nr, t + 1)
                if ng < best.get(key, float("inf")):
                    best[key] = ng
                    heapq.heappush(heap, (ng + self.dist[nr][nc], -(t + 1), ng, order, key, step_first))
        return self.safest_step(col, row, facing)

    def safest_step(self, col, row, facing):
        """No way to the goal: the step that is least dangerous now, preferring goal-ward ones."""
        options = []
        for step in DIRECTIONS.values():
            nc, nr = col + step[0], row + step[1]
            if not (0 <= nc < SIZE and 0 <= nr < SIZE):
                continue
            code = self.grid[nr][nc]
            if code == self.goal:
                return step
            if code in self.blocking or code == "@" or code in FEET:
                continue
            d = self.dist[nr][nc] if self.dist[nr][nc] is not None else 99
            options.append((self.risk(nc, nr, 1) + d + (0 if step == facing else 0.01), step))
        return min(options)[1] if options else None


# --- The game -----------------------------------------------------------------------------------

class Game:
    def __init__(self, args, display):
        self.args = args
        self.x = display
        self.bin = os.path.abspath(args.bin)
        self.tiles = Tiles(os.path.join(self.bin, "images"))
        self.levels = {}
        n = 1
        while os.path.exists(os.path.join(self.bin, "levels", "level%d.txt" % n)):
            self.levels[n] = read_level(os.path.join(self.bin, "levels", "level%d.txt" % n))
            n += 1
        if not self.levels:
            raise GiveUp("no level files in " + os.path.join(self.bin, "levels"))
        self.shots = args.shots
        self.process = None
        self.main = None
        self.origin = None  # the board's top-left corner on the screen
        self.after_game_moving = None
        self.cursor = None  # where the board's key cursor stands, once a key has shown it

    # The program

    def start(self):
        env = dict(self.x.env, QT_QPA_PLATFORM="xcb", SDL_AUDIODRIVER="dummy")
        self.process = subprocess.Popen([os.path.join(self.bin, "pondrake")], env=env,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        for _ in range(100):
            ids = self.x.window_ids(title="^Pondrake( - .+)?$")  # the title names a set chosen
            if ids:
                self.main = ids[0]
                break
            time.sleep(0.1)
        else:
            raise GiveUp("no window named Pondrake appeared")
        time.sleep(1.0)
        self.find_board()
        log("game started (pid %d), board at %s" % (self.process.pid, self.origin))

    def stop(self):
        """Game > Exit; a terminate signal only if that did not end it (the game may not heed
        one), then a kill."""
        if not self.process or self.process.poll() is not None:
            return
        try:
            self.menu("x")
            self.process.wait(5)
            return
        except (GiveUp, subprocess.TimeoutExpired):
            pass
        for finish in (self.process.terminate, self.process.kill):
            finish()
            try:
                self.process.wait(5)
                return
            except subprocess.TimeoutExpired:
                pass

    def alive(self):
        if self.process.poll() is not None:
            raise GiveUp("the game ended on its own (exit status %s)" % self.process.returncode)

    def find_board(self):
        """The board's corner: where the top-left cell is exactly one of the tiles."""
        wx, wy, _, _ = self.x.geometry(self.main)
        strip = self.x.grab(wx, wy, CELL + 8, 80)
        width = CELL + 8
        for dy in range(0, 80 - CELL):
            for dx in range(0, 8):
                start = dy * width * 3 + dx * 3
                data = b"".join(strip[start + y * width * 3:start + y * width * 3 + CELL * 3]
                                for y in range(CELL))
                if data in self.tiles.exact:
                    self.origin = (wx + dx, wy + dy)
                    return
        raise GiveUp("could not find the board in the Pondrake window")

    def grid(self):
        frame = self.x.grab(self.origin[0], self.origin[1], BOARD_PIXELS, BOARD_PIXELS)
        return self.tiles.board(frame)

    def cell_centre(self, col, row):
        return self.origin[0] + col * CELL + CELL // 2, self.origin[1] + row * CELL + CELL // 2

    def countdown_showing(self):
        """Red digits or the green GO! under the buttons of the status column."""
        x0, y0 = self.origin[0] + 690, self.origin[1] + 430
        data = self.x.grab(x0, y0, 110, 70)
        red = green = 0
        for i in range(0, len(data), 3):
            r, g, b = data[i], data[i + 1], data[i + 2]
            if r > 200 and g < 80 and b < 80:
                red += 1
            elif g > 100 and r < 80 and b < 80:
                green += 1
        return "digit" if red > 20 else "go" if green > 20 else None

    def other_windows(self):
        """Visible windows of the game besides the main one, as (id, title, geometry)."""
        found = []
        for w in self.x.window_ids():
            if w == self.main:
                continue
            found.append((w, self.x.title(w), self.x.geometry(w)))
        return found

    def focus_main(self):
        self.x.xdo("windowfocus", "--sync", self.main)

    def menu(self, letter):
        self.focus_main()
        self.x.xdo("key", "alt+g")
        time.sleep(0.4)
        self.x.xdo("key", letter)

    def keys(self, commands):
        """Gives each (col, row, direction) by keys: the cursor goes there by the arrows, Space
        picks the turtle up and the arrow sends it. The first key only shows the cursor, at the
        top-left corner in a game that no key has touched yet."""
        names = {"left": "Left", "right": "Right", "up": "Up", "down": "Down"}
        keys = []
        if self.cursor is None:
            keys.append("Left")
            self.cursor = (0, 0)
        for col, row, direction in commands:
            dc, dr = col - self.cursor[0], row - self.cursor[1]
            keys += ["Right" if dc > 0 else "Left"] * abs(dc) + ["Down" if dr > 0 else "Up"] * abs(dr)
            keys += ["space", names[direction]]
            self.cursor = (col, row)  # the cursor stays where the turtle was sent from
        self.x.xdo("key", "--delay", 4, *keys)

    def drag(self, commands, hold_shot=None):
        """Drags each (col, row, direction) in one go; with hold_shot, screenshots the first drag
        between press and release (that one goes twice as far, for a line that shows)."""
        args = []
        for col, row, direction in commands:
            x, y = self.cell_centre(col, row)
            dx, dy = DIRECTIONS[direction]
            length = DRAG_PIXELS * (2 if hold_shot else 1)
            args += ["mousemove", x, y, "sleep", 0.02, "mousedown", 1, "sleep", 0.03,
                     "mousemove", x + dx * length, y + dy * length, "sleep", 0.03]
            if hold_shot:
                self.x.xdo(*args)
                time.sleep(0.05)
                self.x.screenshot(hold_shot)
                self.x.xdo("mouseup", 1)
                hold_shot, args = None, []
                continue
            args += ["mouseup", 1, "sleep", 0.02]
        if args:
            self.x.xdo(*args)

    def shot(self, name):
        path = os.path.join(self.shots, name)
        self.x.screenshot(path)
        return path

    # Playing

    def new_game(self):
        self.menu("n")
        time.sleep(0.5)

    def play(self, number, extras):
        """Plays one game from level 1 until the game-over window; returns what happened."""
        deadline = time.time() + self.args.time_limit
        self.new_game()
        report = {"game": number, "levels": []}
        level = which_level(self.grid(), self.levels)
        log("game %d: new game, level %d" % (number, level))
        state = self.level_state(level, extras)
        level_over_shots = 0
        while True:
            self.alive()
            if time.time() > deadline:
                self.shot("game%d-gave-up.png" % number)
                raise GiveUp("game %d: not over after %d s (level %d); giving up"
                             % (number, self.args.time_limit, level))
            windows = self.other_windows()
            titles = [t for _, t, _ in windows]
            if any(t == "Game Over" for t in titles):
                log("game %d: the Game Over window is up" % number)
                return report
            if any(is_level_window(w) for w in windows):
                level = self.level_over(number, level, state, report, level_over_shots, extras)
                level_over_shots += 1
                if level is None:
                    return report
                state = self.level_state(level, extras)
                continue
            if extras.get("abort_after") and len(report["levels"]) >= extras["abort_after"]:
                self.abort_game(number)
                report["aborted"] = True
                return report
            state.step(extras)

    def level_state(self, level, extras):
        if extras.get("lose_once") == level and not extras.get("lose_done"):
            extras["lose_done"] = True
            log("game %d: level %d is played to be lost: the turtles are led into holes"
                % (extras["game"], level))
            return LevelState(self, level, goal="h")
        return LevelState(self, level)

    def level_over(self, number, level, state, report, shots_taken, extras):
        time.sleep(0.3)
        if shots_taken < extras.get("level_over_shots", 1):
            self.shot("game%d-level-over-%d.png" % (number, shots_taken + 1))
        # The window goes after seven seconds; then either the Game Over window comes or a level
        # (the next one, or this one again) starts with its countdown.
        until = time.time() + 20
        while time.time() < until:
            windows = self.other_windows()
            titles = [t for _, t, _ in windows]
            if "Game Over" in titles:
                report["levels"].append((level, "passed", state.summary()))
                log("game %d: level %d passed (%s), it was the last one" % (number, level, state.summary()))
                return None
            if not any(is_level_window(w) for w in windows) and self.countdown_showing() == "digit":
                break
            time.sleep(0.3)
        else:
            self.shot("game%d-after-level-%d.png" % (number, level))
            raise GiveUp("after level %d neither a countdown nor the Game Over window came" % level)
        nxt = which_level(self.grid(), self.levels)
        outcome = "replayed" if nxt == level else "passed"
        report["levels"].append((level, outcome, state.summary()))
        log("game %d: level %d %s (%s); next level %d" % (number, level,
            "failed, to be played again" if outcome == "replayed" else "passed", state.summary(), nxt))
        return nxt

    def abort_game(self, number):
        """Abort Game, answered Yes."""
        x, y = self.button_centre("Abort Game")
        self.x.xdo("mousemove", x, y, "click", 1)
        for _ in range(30):
            boxes = [w for w in self.other_windows() if w[1] == "Abort Pondrake"]
            if boxes:
                break
            time.sleep(0.2)
        else:
            raise GiveUp("Abort Game asked nothing")
        time.sleep(0.4)
        self.shot("game%d-abort-question.png" % number)
        self.x.xdo("windowfocus", "--sync", boxes[0][0])
        self.x.xdo("key", "alt+y")
        log("game %d: aborted" % number)
        time.sleep(1.0)

    def button_centre(self, text):
        # The status column's buttons sit under the turtle totals; measured from a screenshot.
        offsets = {"Abort Game": (743, 354), "Replay Level": (743, 402)}
        dx, dy = offsets[text]
        return self.origin[0] + dx, self.origin[1] + dy

    def high_scores_during_play(self, number):
        """Game > High Scores while the creatures move; the table is closed and the board must
        move again."""
        self.menu("h")
        window = self.wait_window("Top Ten Scores")
        time.sleep(0.5)
        before = self.grid()
        self.shot("game%d-high-scores-during-play.png" % number)
        time.sleep(2.0)
        still = self.grid() == before
        self.close_top_ten(window)
        time.sleep(0.3)
        first = self.grid()
        moved = False
        for _ in range(20):
            time.sleep(0.25)
            if self.grid() != first:
                moved = True
                break
        log("game %d: High Scores during play: board %s while the table was up, %s after it closed"
            % (number, "still" if still else "MOVING", "moving again" if moved else "STILL"))
        self.shot("game%d-after-high-scores.png" % number)
        return still, moved

    def wait_window(self, title, seconds=15):
        until = time.time() + seconds
        while time.time() < until:
            for w, t, geometry in self.other_windows():
                if t == title and geometry:
                    return w
            time.sleep(0.2)
        raise GiveUp("no window named %r appeared" % title)

    def close_top_ten(self, window):
        wx, wy, w, h = self.x.geometry(window)
        if self.args.keys:
            self.x.xdo("key", "Escape")
        # The Close button: 3000,9120 twips, 2415x495, at 15 twips a pixel.
        else:
            self.x.xdo("mousemove", wx + 200 + 80, wy + 608 + 16, "sleep", 0.1, "click", 1)
        for _ in range(25):
            if window not in self.x.window_ids():
                return
            time.sleep(0.2)
        raise GiveUp("the Top Ten window did not close")

    # The end of a game

    def find_ink_surface(self, window):
        """The white writing surface of the Game Over window, found in a screenshot."""
        wx, wy, w, h = self.x.geometry(window)
        data = self.x.grab(wx, wy, w, h)

        def white(x, y):
            i = (y * w + x) * 3
            return data[i] == 255 and data[i + 1] == 255 and data[i + 2] == 255

        for y in range(h):
            run = 0
            for x in range(w):
                run = run + 1 if white(x, y) else 0
                if run >= 300:
                    x0 = x - run + 1
                    # Extend the run to its end and the block downwards.
                    while x + 1 < w and white(x + 1, y):
                        x += 1
                    y1 = y
                    while y1 + 1 < h and white(x0 + 5, y1 + 1) and white(x - 5, y1 + 1):
                        y1 += 1
                    if y1 - y >= 30:
                        return wx + x0, wy + y, x - x0 + 1, y1 - y + 1
                    break
        raise GiveUp("no writing surface in the Game Over window")

    def write_name(self, surface, strokes):
        sx, sy, sw, sh = surface
        for stroke in strokes:
            points = []
            for (x1, y1), (x2, y2) in zip(stroke, stroke[1:]):
                n = max(1, int(max(abs(x2 - x1), abs(y2 - y1)) / 3))
                points += [(x1 + (x2 - x1) * i / n, y1 + (y2 - y1) * i / n) for i in range(n)]
            points.append(stroke[-1])
            args = ["mousemove", sx + int(points[0][0]), sy + int(points[0][1]), "sleep", 0.03,
                    "mousedown", 1]
            for px, py in points[1:]:
                args += ["sleep", 0.01, "mousemove", sx + int(px), sy + int(py)]
            args += ["sleep", 0.03, "mouseup", 1, "sleep", 0.05]
            self.x.xdo(*args)

    def game_over(self, number, handwritten):
        window = self.wait_window("Game Over")
        time.sleep(0.8)
        self.shot("game%d-game-over.png" % number)
        wx, wy, w, h = self.x.geometry(window)
        try:
            surface = self.find_ink_surface(window)
        except GiveUp:
            log("game %d: no writing surface: the score is not in the top ten" % number)
            # "Bummer": 3120,960 twips in a frame at 240,1440; 1335x495.
            if self.args.keys:
                self.x.xdo("key", "Return")  # Bummer has the focus
            else:
                self.x.xdo("mousemove", wx + 16 + 208 + 44, wy + 96 + 64 + 16, "click", 1)
            return self.after_game_over(number, window, None)
        log("game %d: writing surface at %s" % (number, surface))
        sx, sy, sw, sh = surface
        if self.args.keys:
            self.x.xdo("type", "--delay", 80, "Kay")  # the name field has the focus
            self.x.xdo("key", "Return")
            name = "Kay"
        elif handwritten:
            self.write_name(surface, ANN)
            time.sleep(0.4)
            self.shot("game%d-name-written.png" % number)
            # Submit beside the surface: 6960,960 twips against the surface's 1680,600.
            bx, by = sx + (6960 - 1680) // 15 + 32, sy + (960 - 600) // 15 + 12
            self.x.xdo("mousemove", bx, by, "sleep", 0.1, "click", 1)
            name = "(handwritten Ann)"
        else:
            tx, ty = sx + 100, sy + (1680 - 600) // 15 + 12
            self.x.xdo("mousemove", tx, ty, "click", 1, "sleep", 0.2)
            self.x.xdo("type", "--delay", 80, "Bob")
            time.sleep(0.3)
            self.shot("game%d-name-typed.png" % number)
            self.x.xdo("key", "Return")
            name = "Bob"
        return self.after_game_over(number, window, name)

    def after_game_over(self, number, window, name):
        for _ in range(25):
            if window not in self.x.window_ids():
                break
            time.sleep(0.2)
        else:
            self.shot("game%d-game-over-stuck.png" % number)
            raise GiveUp("the Game Over window did not close")
        top = self.wait_window("Top Ten Scores")
        time.sleep(0.8)
        self.shot("game%d-top-ten.png" % number)
        self.close_top_ten(top)
        log("game %d: top ten shown and closed" % number)
        time.sleep(0.5)
        first = self.grid()
        self.shot("game%d-after-game-a.png" % number)
        time.sleep(4.0)
        self.shot("game%d-after-game-b.png" % number)
        self.after_game_moving = self.grid() != first
        log("game %d: after the game the board %s" % (number, "moves on" if self.after_game_moving else "stands still"))
        return name

    def scores(self):
        """The entries of levels/scores.txt: (kind, score, name) with long ink shortened."""
        path = os.path.join(self.bin, "levels", "scores.txt")
        if not os.path.exists(path):
            return []
        with open(path, encoding="utf-8", errors="replace", newline="") as f:
            lines = f.read().split("\r\n")
        entries = []
        for i in range(0, len(lines) - 2, 3):
            try:
                kind, score = int(lines[i]), int(lines[i + 1])
            except ValueError:
                break
            name = lines[i + 2]
            entries.append((kind, score, name if len(name) < 30 else "<ink, %d characters>" % len(name)))
        return entries


def is_level_window(window):
    """The level-over window: small and without a title of its own (X shows the program's name
    for it)."""
    _, title, geometry = window
    return title in ("", "Pondrake") and geometry is not None and geometry[2] < 400 and geometry[3] < 300


# "Ann" in strokes, in pixels of the 337x49 surface.
ANN = [
    [(20, 42), (34, 7), (48, 42)],                       # A: the two legs
    [(26, 28), (42, 28)],                                # A: the bar
    [(60, 42), (60, 20), (62, 25), (67, 20), (73, 19), (78, 23), (79, 30), (79, 42)],   # n
    [(92, 42), (92, 20), (94, 25), (99, 20), (105, 19), (110, 23), (111, 30), (111, 42)],  # n
]


class LevelState:
    """What the bot knows about the level being played: ticks seen, commands given."""

    def __init__(self, game, level, goal="$"):
        self.game = game
        self.level = level
        self.goal = goal
        self.period = game.levels[level]["turtle_ms"] / 1000.0
        self.prev = None
        self.prev_time = None
        self.last_tick = None
        self.ticks = 0
        self.recent = {}       # (col, row) -> (direction, time, tick count)
        self.drags = 0
        self.still_since = time.time()
        self.start_turtles = None
        self.countdown_shot = False

    def summary(self):
        return "%d turtle ticks, %d drags" % (self.ticks, self.drags)

    def step(self, extras):
        g = self.game
        t0 = time.time()
        grid = g.grid()
        t1 = time.time()
        unknown = sum(row.count("?") for row in grid)
        if unknown > 10:
            time.sleep(0.2)  # something covers the board: a window comes or goes
            return
        turtles = {(c, r): grid[r][c] for r in range(SIZE) for c in range(SIZE) if grid[r][c] in TURTLES}
        if self.start_turtles is None:
            self.start_turtles = len(turtles)
        ticked = False
        if self.prev is not None:
            ticked = self.turtle_tick(self.prev, grid)
            if grid != self.prev:
                self.still_since = t1
        if ticked:
            self.ticks += 1
            self.last_tick = (self.prev_time + t0) / 2
            if self.ticks == 1:
                log("level %d: the creatures move" % self.level)
        self.prev, self.prev_time = grid, t1

        if extras.get("countdown_shot") and not extras.get("countdown_done") and self.ticks == 0:
            if g.countdown_showing() == "digit":
                g.shot("game%d-countdown.png" % extras["game"])
                extras["countdown_done"] = True

        if extras.get("high_scores") and not extras.get("high_scores_done") and self.ticks >= 3:
            extras["high_scores_done"] = True
            extras["high_scores_result"] = g.high_scores_during_play(extras["game"])
            self.prev = self.last_tick = None  # the timers stood still: the phase is lost
            return

        if not turtles:
            time.sleep(0.2)
            return
        if t1 - self.still_since > 25 and g.countdown_showing() is None:
            g.shot("level%d-standing-still.png" % self.level)
            raise GiveUp("level %d: the board has stood still for 25 s with %d turtles on it"
                         % (self.level, len(turtles)))

        # Act right after a tick, or when the next one is still far enough away.
        now = time.time()
        safe = self.last_tick is None or ticked or (now - self.last_tick) % self.period < self.period - 0.45
        if safe:
            self.act(grid, turtles, extras, ticked)
        spent = time.time() - t0
        time.sleep(max(0.0, 0.22 - spent))

    def turtle_tick(self, before, after):
        """Did a turtle tick happen between two boards? Feet and turtles move only then; a turtle
        taken by an alien (which hops on the dog's tick) does not count."""
        for r in range(SIZE):
            for c in range(SIZE):
                b, a = before[r][c], after[r][c]
                if b == a:
                    continue
                if b in FEET or a in FEET:
                    return True
                if b in TURTLES and a == "@":
                    continue
                if b in TURTLES and a in TURTLES:
                    last = self.recent.get((c, r))
                    if not (last and a == DIRECTION_CODE[last[0]]):
                        return True  # a bump turned it, not a drag of ours
                    continue
                if b in TURTLES or a in TURTLES:
                    return True
        return False

    def act(self, grid, turtles, extras, ticked):
        planner = Planner(grid, self.goal)
        now = time.time()
        commands = []
        for (c, r), code in sorted(turtles.items()):
            step = planner.first_step(c, r)
            if step is None:
                continue
            want = NAME_OF_STEP[step]
            if DIRECTION_CODE[want] == code:
                continue
            last = self.recent.get((c, r))
            if last and last[0] == want and (last[2] == self.ticks or now - last[1] < 0.6):
                continue  # given already: let it have its tick
            commands.append((c, r, want))
        hold = None
        if extras.get("drag_shot") and not extras.get("drag_done") and ticked and self.ticks >= 2:
            if not commands:
                (c, r), code = sorted(turtles.items())[0]
                commands = [(c, r, [k for k, v in DIRECTION_CODE.items() if v == code][0])]
            hold = os.path.join(self.game.shots, "game%d-drag.png" % extras["game"])
            extras["drag_done"] = True
        if not commands:
            return
        if self.game.args.keys:
            self.game.keys(commands)
        else:
            self.game.drag(commands, hold_shot=hold)
        for c, r, want in commands:
            self.recent[(c, r)] = (want, now, self.ticks)
        self.drags += len(commands)


DIRECTION_CODE = {"left": "a", "right": "d", "up": "w", "down": "x"}


# --- The run ------------------------------------------------------------------------------------

def start_display(name):
    display = Display(name)
    if display.answers():
        log("using the X server already on " + name)
        return display, None
    # -noreset: otherwise the server resets whenever its last client leaves, refusing the game
    # if it connects just then.
    server = subprocess.Popen(["Xvfb", name, "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
                               "-noreset"],
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    for _ in range(50):
        if display.answers():
            log("started Xvfb on %s (pid %d)" % (name, server.pid))
            return display, server
        time.sleep(0.1)
    server.terminate()
    raise GiveUp("Xvfb did not start on " + name)


def program_with_levels(bin_folder, numbers):
    """A program folder whose levels are these levels of bin_folder, renumbered from 1: a copy of
    the program (it finds its data beside itself) and links to the rest."""
    folder = tempfile.mkdtemp(prefix="pondrake-levels-")
    for name in os.listdir(bin_folder):
        source = os.path.join(os.path.abspath(bin_folder), name)
        if name == "pondrake":
            shutil.copy2(source, folder)
        elif name != "levels":
            os.symlink(source, os.path.join(folder, name))
    os.mkdir(os.path.join(folder, "levels"))
    for new, old in enumerate(numbers, 1):
        source = os.path.join(bin_folder, "levels", "level%d.txt" % old)
        if not os.path.exists(source):
            raise GiveUp("there is no level %d in %s" % (old, bin_folder))
        shutil.copy(source, os.path.join(folder, "levels", "level%d.txt" % new))
        log("level %d of this game is level %d of the pack" % (new, old))
    return folder


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--bin", default=os.path.join(here, "..", "build", "bin"),
                        help="folder with the pondrake binary and its data (default: build/bin)")
    parser.add_argument("--display", default=":77", help="X display (default :77)")
    parser.add_argument("--shots", default="shots", help="folder for the screenshots (default: shots)")
    parser.add_argument("--games", default="1,2",
                        help="which of the two games to play, in order (default 1,2; e.g. 2 for the "
                             "second alone)")
    parser.add_argument("--time-limit", type=int, default=0,
                        help="seconds allowed for one game (default: 60 and 75 a level)")
    parser.add_argument("--abort-after", type=int, default=0,
                        help="end game 2 with Abort Game once this many levels are over (default: play on)")
    parser.add_argument("--lose-once", type=int, default=3,
                        help="in game 2, lead the turtles of this level into holes the first time, so "
                             "that it must be played again (default 3; 0: never)")
    parser.add_argument("--levels", default="",
                        help="play only these levels of the pack, in this order (e.g. 1,7,24)")
    parser.add_argument("--keys", action="store_true",
                        help="play by the keys alone: the board's cursor, a typed name, a key to close")
    parser.add_argument("--fresh-scores", action="store_true",
                        help="move an existing levels/scores.txt aside first, so the table starts empty")
    args = parser.parse_args()

    games = [int(n) for n in args.games.split(",") if n.strip().isdigit()]
    if not games or any(n not in (1, 2) for n in games):
        parser.error("--games takes 1, 2 or both, comma-separated")

    global LOG_FILE
    os.makedirs(args.shots, exist_ok=True)
    LOG_FILE = open(os.path.join(args.shots, "autoplay.log"), "w")
    own_folder = None
    if args.levels:
        numbers = [int(n) for n in args.levels.split(",") if n.strip().isdigit()]
        if not numbers:
            parser.error("--levels takes level numbers, comma-separated")
        try:
            own_folder = args.bin = program_with_levels(args.bin, numbers)
        except GiveUp as problem:
            log("GIVING UP: %s" % problem)
            return 1
    if not args.time_limit:
        count = 0
        while os.path.exists(os.path.join(args.bin, "levels", "level%d.txt" % (count + 1))):
            count += 1
        args.time_limit = 60 + 75 * count
    scores = os.path.join(os.path.abspath(args.bin), "levels", "scores.txt")
    if args.fresh_scores and os.path.exists(scores):
        aside = scores + ".before-autoplay"
        os.replace(scores, aside)
        log("moved the old scores to " + aside)

    server = game = None
    results = []
    status = 0
    try:
        display, server = start_display(args.display)
        game = Game(args, display)
        game.start()
        game.shot("start.png")
        for number in games:
            extras = {"game": number}
            if number == 1:
                extras.update(countdown_shot=True, drag_shot=True, level_over_shots=99)
            else:
                extras.update(high_scores=True, level_over_shots=3, abort_after=args.abort_after,
                              lose_once=args.lose_once)
            report = game.play(number, extras)
            report["name"] = game.game_over(number, handwritten=(number == 1))
            report["scores"] = game.scores()
            report["board after"] = "moves on" if game.after_game_moving else "stands still"
            if "high_scores_result" in extras:
                report["high_scores"] = extras["high_scores_result"]
            results.append(report)
            time.sleep(1.0)
    except GiveUp as problem:
        log("GIVING UP: %s" % problem)
        status = 1
    finally:
        if game:
            game.stop()
        if server:
            server.terminate()
            server.wait()
        if own_folder:
            shutil.rmtree(own_folder, ignore_errors=True)
    for report in results:
        log("game %d:%s" % (report["game"], " (aborted)" if report.get("aborted") else ""))
        for level, outcome, summary in report["levels"]:
            log("  level %d %s (%s)" % (level, outcome, summary))
        log("  name entered: %s" % report["name"])
        if "high_scores" in report:
            still, moved = report["high_scores"]
            log("  High Scores during play: board %s behind the table, %s afterwards"
                % ("stood still" if still else "MOVED", "moved again" if moved else "did NOT move"))
        log("  scores file: %s" % report["scores"])
        log("  board after the game: %s" % report["board after"])
    return status


if __name__ == "__main__":
    sys.exit(main())
