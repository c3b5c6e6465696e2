#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Plays one game of Showfloor in automation mode in a wide window and writes
stills of the title, the first question and the final screen of the 1000000
prize: the answers are looked up in the question set being played.

Usage: wide-stills.py PRODUCT_DIR OUT_DIR [WIDTH HEIGHT]

The product folder is copied to a temporary folder first, so its saved state
stays as it was. Headless: SDL's dummy video and audio drivers.
"""
import json
import os
import shutil
import subprocess
import sys
import tempfile

AWAIT_ANSWER = 8
FINAL = 25
# Answer texts (their drawables' positions) and the plates to click.
ANSWERS = {(40.0, 138.0): (209, 661), (231.0, 138.0): (589, 661),
           (40.0, 167.0): (209, 719), (231.0, 167.0): (589, 719)}
QUESTION = (50.0, 99.0)


def read_set(path):
    """Question text -> correct answer text, from a set file (nine lines a
    question after the count: blank, text, four answers, correct, prize,
    picture)."""
    with open(path, encoding="cp1252", newline="") as f:
        lines = f.read().split("\r\n")
    count = int(lines[0])
    correct = {}
    for q in range(count):
        block = lines[1 + q * 9: 1 + (q + 1) * 9]
        if len(block) < 9:
            break
        text, answers, right = block[1], block[2:6], int(block[6])
        correct[squeezed(text)] = answers[right - 1]
    return correct


def squeezed(text):
    """The text without its line breaks and spaces, as the game may wrap it."""
    return "".join(text.split())


class Game:
    def __init__(self, program, folder, width, height):
        env = dict(os.environ, SDL_VIDEODRIVER="dummy", SDL_AUDIODRIVER="dummy",
                   SDL_RENDER_DRIVER="software", XDG_CONFIG_HOME=folder)
        env.pop("DISPLAY", None)
        env.pop("WAYLAND_DISPLAY", None)
        self.p = subprocess.Popen(
            [program, "-automation", "-windowed", "-constantframetime:0.1",
             "-width:%d" % width, "-height:%d" % height],
            stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True, cwd=folder, env=env)

    def send(self, *lines):
        self.p.stdin.write("\n".join(lines) + "\n")
        self.p.stdin.flush()

    def dump(self):
        self.send("dump")
        return json.loads(self.p.stdout.readline())

    def click(self, x, y):
        self.send("move %d %d" % (x, y), "frames 2", "click")

    def finish(self):
        self.p.stdin.close()
        return self.p.wait(timeout=60)


def text_at(state, place):
    for d in state["drawables"]:
        if d["kind"] == "text" and (d["x"], d["y"]) == place:
            return d["text"]
    return None


def main():
    if len(sys.argv) not in (3, 5):
        print(__doc__, file=sys.stderr)
        return 2
    product, out = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
    width, height = (int(sys.argv[3]), int(sys.argv[4])) if len(sys.argv) == 5 else (1920, 1080)
    os.makedirs(out, exist_ok=True)
    with tempfile.TemporaryDirectory() as folder:
        copy = os.path.join(folder, "product")
        shutil.copytree(product, copy)
        for name in os.listdir(os.path.join(copy, "Resources")):
            if name == "Config.txt" or name.startswith("QState"):
                os.remove(os.path.join(copy, "Resources", name))
        answers = read_set(os.path.join(copy, "Resources", "QuestionSets", "Default",
                                        "Default.txt"))
        game = Game(os.path.join(copy, "Showfloor"), folder, width, height)
        game.send("seed 7", "wait 3", "shot " + os.path.join(out, "wide-title.png"))
        game.click(512, 650)
        game.send("wait 2")
        game.click(512, 690)
        game.send("wait 2.5", "hold shift", "key a", "release shift", "key n", "key n",
                  "frames 3", "key return")
        shot_question = True
        for _ in range(2000):
            state = game.dump()
            players = state["players"]
            if state["screen"] != "Playing" or not players:
                game.send("wait 0.5")
                continue
            round_state = players[state["currentPlayer"]]["roundState"]
            if round_state == FINAL:
                game.send("wait 1.5", "shot " + os.path.join(out, "wide-final.png"), "frames 2")
                break
            if round_state != AWAIT_ANSWER:
                game.send("wait 0.5")
                continue
            question = text_at(state, QUESTION)
            right = answers.get(squeezed(question or ""))
            if right is None:
                print("no answer known for: %r" % question, file=sys.stderr)
                game.finish()
                return 1
            if shot_question:
                game.send("wait 1", "shot " + os.path.join(out, "wide-question.png"), "frames 2")
                shot_question = False
            for place, plate in ANSWERS.items():
                if text_at(state, place) == right:
                    game.click(*plate)
                    break
            game.send("wait 1")
        else:
            print("the game did not reach the final screen", file=sys.stderr)
            game.finish()
            return 1
        return 0 if game.finish() == 0 else 1


if __name__ == "__main__":
    sys.exit(main())
