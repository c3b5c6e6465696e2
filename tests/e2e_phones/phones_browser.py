#!/usr/bin/python3
# SPDX-License-Identifier: MIT
# Two phones in a real browser: headless Chromium, driven through
# chromedriver, opens the page Showfloor serves on the loopback address,
# joins with names and plays a two-player game to the results through the
# phones only (one right answer, one wrong, one help option). A reload comes
# back as the same player; a wrong room code is refused. German is chosen on
# the television before the phones join: a page opened before that takes the
# game's new words when it joins, one opened after shows them from the start.
# The television side runs in automation mode, where only standard input and
# the phones move it.
#
# Usage: phones_browser.py PRODUCT_DIR [SHOTS_DIR]
# Exits 77 (skipped) when Chromium, its driver or Selenium is missing.
import json
import os
import shutil
import subprocess
import sys
import tempfile
import time
import urllib.request

try:
    from selenium import webdriver
    from selenium.webdriver.chrome.service import Service
    from selenium.webdriver.common.by import By
except ImportError:
    print("skipped: python3-selenium is not installed")
    sys.exit(77)

CHROMIUM = "/usr/bin/chromium"
DRIVER = "/usr/bin/chromedriver"
if not (os.path.exists(CHROMIUM) and os.path.exists(DRIVER)):
    print("skipped: chromium or chromedriver is not installed")
    sys.exit(77)

product = os.path.abspath(sys.argv[1])
shots = os.path.abspath(sys.argv[2]) if len(sys.argv) > 2 else None
work = tempfile.mkdtemp(prefix="qv-phones-browser-")


def fail(message):
    print("FAILED: " + message)
    sys.exit(1)


def marked_set(resources):
    """Thirty questions, two a rung; the right answer starts with '*'."""
    folder = os.path.join(resources, "QuestionSets", "Trial")
    os.makedirs(folder, exist_ok=True)
    lines = ["30"]
    for rung in range(1, 16):
        for i in range(2):
            right = (rung + i) % 4
            lines += ["", f"Question {rung}{'ab'[i]}: which answer is marked?"]
            lines += [("*" if k == right else "") + f"Answer {'ABCD'[k]}{rung}" for k in range(4)]
            lines += [str(right + 1), str(rung), "0"]
    with open(os.path.join(folder, "Trial.txt"), "wb") as f:
        f.write(("\r\n".join(lines) + "\r\n").encode("cp1252"))
    for stale in os.listdir(resources):
        if stale.startswith("QState"):
            os.remove(os.path.join(resources, stale))
    with open(os.path.join(resources, "Config.txt"), "wb") as f:
        # Sound and voice flags, the set, two players: strings as a count
        # and UTF-16 units, as the game stores them.
        def stored(text):
            return len(text).to_bytes(4, "little") + text.encode("utf-16-le")
        f.write(b"\1\1" + stored("Trial") + (2).to_bytes(4, "little") + stored("Ann") +
                stored("Bob"))


shutil.copytree(product, os.path.join(work, "product"), symlinks=True)
resources = os.path.join(work, "product", "Resources")
marked_set(resources)

env = dict(os.environ, SDL_VIDEODRIVER="dummy", SDL_AUDIODRIVER="dummy",
           SDL_RENDER_DRIVER="software", XDG_CONFIG_HOME=work)
game = subprocess.Popen(
    [os.path.join(work, "product", "Showfloor"), "-automation", "-windowed",
     "-constantframetime:0.1", "-phones:127.0.0.1:0"],
    cwd=work, env=env, stdin=subprocess.PIPE, stdout=subprocess.PIPE,
    stderr=open(os.path.join(work, "err.txt"), "wb"), text=True, bufsize=1)


def command(line):
    game.stdin.write(line + "\n")
    game.stdin.flush()


def dump():
    command("dump")
    line = game.stdout.readline()
    if not line:
        fail("the game ended: " + open(os.path.join(work, "err.txt")).read())
    return json.loads(line)


def advance(seconds=0.3):
    command(f"wait {seconds}")
    return dump()


def click(x, y):
    command(f"move {x} {y}")
    command("frames 2")
    command("click")


def browser(name):
    options = webdriver.ChromeOptions()
    options.binary_location = CHROMIUM
    for flag in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-dev-shm-usage",
                 "--no-first-run", "--disable-background-networking", "--disable-component-update",
                 "--disable-sync", "--disable-extensions", "--window-size=390,844",
                 f"--user-data-dir={os.path.join(work, 'profile-' + name)}"):
        options.add_argument(flag)
    driver = webdriver.Chrome(service=Service(DRIVER), options=options)
    # A phone's screen: 390 x 844 CSS pixels, touch and a mobile viewport.
    driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                           {"width": 390, "height": 844, "deviceScaleFactor": 1, "mobile": True})
    return driver


def until(what, check, seconds=40):
    """Lets game time pass until check() holds."""
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        state = advance()
        result = check(state)
        if result:
            return result
    fail("timed out waiting for " + what)


def text(driver, element_id):
    return driver.find_element(By.ID, element_id).text


def enabled(driver, button):
    found = driver.find_elements(By.CSS_SELECTOR, f'[data-button="{button}"]')
    return bool(found) and found[0].is_displayed() and found[0].is_enabled()


def marked_button(driver):
    for letter in "abcd":
        label = driver.find_element(By.CSS_SELECTOR, f'[data-button="{letter}"] span').text
        if label.startswith("*"):
            return letter
    return None


def press(driver, button):
    driver.find_element(By.CSS_SELECTOR, f'[data-button="{button}"]').click()


def join(driver, url, room, name, heading=None, still=None):
    driver.get(url)
    if heading is not None and text(driver, "joinHeading") != heading:
        fail(f"the join page's heading reads {text(driver, 'joinHeading')!r}, not {heading!r}")
    room_field = driver.find_element(By.ID, "room")
    room_field.clear()
    room_field.send_keys(room)
    driver.find_element(By.ID, "name").send_keys(name)
    if still:
        driver.save_screenshot(still)
    driver.find_element(By.ID, "joinButton").click()


phones = []
try:
    state = until("the title", lambda d: d if d["screen"] == "Title" else None, 20)
    if not state["phones"]["on"]:
        fail("phones are off: " + state["phones"].get("error", ""))
    address = state["phones"]["address"]
    room = state["phones"]["room"]

    one, two = browser("one"), browser("two")
    phones += [one, two]

    # A wrong code is refused; then both join with the right one, the
    # first through the link the QR code holds.
    join(two, address, "QQQQ" if room != "QQQQ" else "WWWW", "Eve")
    until("the refusal", lambda d: "not the room code" in text(two, "joinError"), 10)
    one.get(f"{address}/?room={room}")
    if one.find_element(By.ID, "room").get_attribute("value") != room:
        fail("the link did not fill the room code")
    one.find_element(By.ID, "name").send_keys("Ελένη")
    if shots:
        os.makedirs(shots, exist_ok=True)
        one.save_screenshot(os.path.join(shots, "phone-join.png"))

    # German on the television, from its Settings' Language row.
    click(512, 700)
    until("settings", lambda d: d["screen"] == "Settings", 10)
    advance(2)
    for _ in range(10):
        if dump()["language"]["chosen"] == "de":
            break
        click(342, 640)
        advance(1)
    if dump()["language"]["chosen"] != "de":
        fail("German is not offered in Settings")
    click(512, 690)
    until("the title again", lambda d: d["screen"] == "Title", 10)
    advance(2)
    with urllib.request.urlopen(address + "/words.json", timeout=5) as reply:
        german = json.load(reply)
    words = german["words"]
    if german["lang"] != "de" or words["joinHeading"] == "Join the game":
        fail(f"the page's words are not German: {german}")

    one.find_element(By.ID, "joinButton").click()
    until("the first phone in German",
          lambda d: text(one, "status") == words["waiting"] and text(one, "joinHeading") == ""
          and one.find_element(By.CSS_SELECTOR, '[data-button="clue"]').get_attribute(
              "textContent") == words["clue"], 10)
    if one.execute_script("return document.documentElement.lang") != "de":
        fail("the page's language is not German")
    join(two, address, room, "Юлия", heading=words["joinHeading"],
         still=os.path.join(shots, "phone-join-de.png") if shots else None)
    until("two phones", lambda d: len(d["phones"]["phones"]) == 2, 10)

    # The television starts a new game of two; the names come from the phones.
    click(512, 650)
    advance(1.5)
    click(512, 690)
    state = until("play", lambda d: d if d["screen"] == "Playing" else None, 20)
    names = [p["name"] for p in state["players"]]
    if names != ["Ελένη", "Юлия"]:
        fail(f"names {names}")

    def my_turn(driver):
        return lambda d: (enabled(driver, "a") and marked_button(driver)) or None

    # Player 1: Clue, then the right answer.
    until("player 1's question", my_turn(one))
    if shots:
        one.save_screenshot(os.path.join(shots, "phone-question.png"))
    if enabled(two, "a"):
        fail("the other phone can answer")
    if text(two, "status") != words["turnOf"].replace("%s", "Ελένη"):
        fail(f"the other phone's status reads {text(two, 'status')!r}")
    press(one, "clue")
    until("the clue", lambda d: d["players"][0]["clueUsed"], 10)
    until("the answers back", my_turn(one))
    press(one, marked_button(one))
    until("player 1's right answer", lambda d: d["players"][0]["level"] == 1, 30)

    # Player 2: a wrong answer; the turn goes back by itself.
    until("player 2's question", my_turn(two))
    right = marked_button(two)
    press(two, "b" if right == "a" else "a")
    until("player 2 out", lambda d: d["players"][1]["finished"], 40)

    # Player 1 reloads, comes back as the same player and takes the money.
    one.refresh()
    until("player 1 back", lambda d: enabled(one, "take") and marked_button(one), 40)
    seats = dump()["phones"]["phones"]
    if len(seats) != 2 or seats[0]["player"] != 0:
        fail(f"the reload made a new player: {seats}")
    press(one, "take")
    until("player 1 done", lambda d: d["screen"] == "GameOver" or d["players"][0]["finished"], 30)
    # Continue from the phone, where the game waits for it.
    end = time.monotonic() + 20
    while dump()["screen"] != "GameOver" and time.monotonic() < end:
        advance()
        if enabled(one, "next"):
            press(one, "next")
    until("the results", lambda d: d["screen"] == "GameOver", 20)
    until("results on the phones", lambda d: "Ελένη: 100" in text(two, "results"), 10)
    if shots:
        two.save_screenshot(os.path.join(shots, "phone-results.png"))
    command("quit")
    game.wait(30)
    if game.returncode != 0:
        fail(f"exit code {game.returncode}")
    print("phones_browser: 1 passed, 0 failed")
finally:
    for driver in phones:
        driver.quit()
    if game.poll() is None:
        game.kill()
    shutil.rmtree(work, ignore_errors=True)
