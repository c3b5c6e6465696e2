#!/usr/bin/env python3
"""Whole games of three players on Showfloor under valgrind memcheck.

Usage: showfloor-memcheck.py <product folder> [games ...]

For each count of games given (default: 1 2) the product is copied to a
temporary folder and Showfloor runs in automation mode under memcheck: title,
a game of three players who each answer wrong, the results, back to the title,
as many times as asked, then quit. Prints memcheck's leak figures per run and
fails on any invalid access, a non-zero exit, or leaks that grow with the
number of games.
"""

import json
import os
import re
import shutil
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))


def le32(n):
    return n.to_bytes(4, "little")


def stored(text):
    return le32(len(text)) + b"".join(c.encode() + b"\0" for c in text)


def prepare(product, folder):
    target = os.path.join(folder, "product")
    shutil.copytree(product, target)
    resources = os.path.join(target, "Resources")
    for name in os.listdir(resources):
        if name.startswith("QState"):
            os.remove(os.path.join(resources, name))
    # Answer B is right, so the answer A the players give is always wrong.
    lines = ["15", ""]
    for k in range(1, 16):
        lines += [f"Question {k}", f"wrong{k}a", f"right{k}", f"wrong{k}c", f"wrong{k}d", "2",
                  str(k), "0", ""]
    os.makedirs(os.path.join(resources, "QuestionSets", "Mem"), exist_ok=True)
    with open(os.path.join(resources, "QuestionSets", "Mem", "Mem.txt"), "wb") as f:
        f.write("\r\n".join(lines[:-1]).encode() + b"\r\n")
    with open(os.path.join(resources, "Config.txt"), "wb") as f:
        f.write(b"\x00\x01" + stored("Mem") + le32(3) + stored("Ann") + stored("Bob") +
                stored("Cy"))
    return target


class Game:
    def __init__(self, command, cwd, env):
        self.proc = subprocess.Popen(command, cwd=cwd, env=env, stdin=subprocess.PIPE,
                                     stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                                     text=True)

    def send(self, text):
        self.proc.stdin.write(text)
        self.proc.stdin.flush()

    def dump(self):
        self.send("dump\n")
        line = self.proc.stdout.readline()
        return json.loads(line) if line.strip() else None

    def click(self, x, y):
        self.send(f"move {x} {y}\nframes 2\nclick\n")


def play_one(game):
    state = game.dump()
    assert state and state["screen"] == "Title", state
    game.click(512, 600)
    for _ in range(400):
        game.send("wait 0.5\n")
        state = game.dump()
        assert state is not None, "the game ended early"
        images = {d.get("image", "") for d in state["drawables"]}
        if state["screen"] == "GameOver":
            game.send("wait 3\n")
            game.click(512, 690)
            game.send("wait 3\n")
            state = game.dump()
            assert state["screen"] == "Title", state["screen"]
            return
        if "Resources//endbuttonoff.tga" in images:
            game.click(399, 480)
            continue
        if state["screen"] != "Playing" or not state["players"]:
            continue
        current = state["players"][state["currentPlayer"]]
        if current["roundState"] == 8:
            game.click(209, 661)
            game.send("wait 1\n")
    raise AssertionError("no game over")


def run(product, games):
    folder = tempfile.mkdtemp(prefix="qv-memcheck-")
    try:
        target = prepare(product, folder)
        log = os.path.join(folder, "memcheck.log")
        env = dict(os.environ, SDL_VIDEODRIVER="dummy", SDL_AUDIODRIVER="dummy",
                   SDL_RENDER_DRIVER="software", XDG_CONFIG_HOME=folder)
        env.pop("DISPLAY", None)
        env.pop("WAYLAND_DISPLAY", None)
        command = ["valgrind", "--error-exitcode=1", "--leak-check=full",
                   "--errors-for-leak-kinds=none", f"--log-file={log}",
                   f"--suppressions={os.path.join(HERE, 'valgrind.supp')}",
                   os.path.join(target, "Showfloor"), "-automation", "-windowed",
                   "-constantframetime:0.1"]
        game = Game(command, target, env)
        game.send("seed 11\nframes 5\n")
        for _ in range(games):
            play_one(game)
        game.send("key escape\nwait 0.5\nhold shift\nkey y\nrelease shift\nframes 3\n")
        game.proc.stdin.close()
        game.proc.stdout.read()
        code = game.proc.wait()
        with open(log) as f:
            text = f.read()
        figures = {}
        for kind in ("definitely lost", "indirectly lost", "possibly lost", "still reachable"):
            m = re.search(kind + r": ([\d,]+) bytes in ([\d,]+) blocks", text)
            figures[kind] = int(m.group(1).replace(",", "")) if m else 0
        m = re.search(r"ERROR SUMMARY: (\d+) errors", text)
        errors = int(m.group(1)) if m else -1
        return code, errors, figures, text
    finally:
        if os.environ.get("QV_KEEP") != "1":
            shutil.rmtree(folder, ignore_errors=True)


def main():
    product = sys.argv[1]
    counts = [int(a) for a in sys.argv[2:]] or [1, 2]
    results = {}
    ok = True
    for games in counts:
        code, errors, figures, text = run(product, games)
        results[games] = figures
        print(f"games={games} exit={code} errors={errors} " +
              " ".join(f"{k.replace(' ', '_')}={v}" for k, v in figures.items()), flush=True)
        if code != 0 or errors != 0:
            ok = False
            print(text[-6000:])
    lost = {g: f["definitely lost"] + f["indirectly lost"] for g, f in results.items()}
    if len(lost) > 1 and lost[max(lost)] > lost[min(lost)]:
        print(f"leaks grow with the number of games: {lost}")
        ok = False
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())
