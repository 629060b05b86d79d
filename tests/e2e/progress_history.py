# SPDX-FileCopyrightText: 2026 Quelro Programs
# SPDX-License-Identifier: GPL-3.0-or-later
"""Plays two series of the real game and most of a third, kills the game mid-question, starts it again and
reads the Progress window as a screen reader does: every answer given is in it, the one in progress at most lost.
    xvfb-run -a dbus-run-session -- python3 progress_history.py build/bin/vexlor
"""
import os
import re
import signal
import sqlite3
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import GLib

# The game on the accessibility bus, reached as a screen reader reaches it: find, read, press.
HEADING_END = ": Find the odd one out"


def check(condition, message):
    if not condition:
        sys.exit("FAIL: " + message)


def pump(seconds):
    context, end = GLib.MainContext.default(), time.time() + seconds
    while time.time() < end:
        while context.pending():
            context.iteration(False)
        time.sleep(0.02)


def wait_for(what, probe, timeout=10):
    end = time.time() + timeout
    while time.time() < end:
        try:
            found = probe()
        except Exception:  # objects come and go while windows change
            found = None
        if found:
            return found
        pump(0.1)
    check(False, "timed out waiting for " + what)


def has(node, state):
    return node.getState().contains(state)


def find_all(node, role=None, name=None, showing=True):
    found = []
    for child in node or ():
        if child is not None and role in (None, child.getRoleName()) and name in (None, child.name) \
                and (not showing or has(child, pyatspi.STATE_SHOWING)):
            found.append(child)
        found += find_all(child, role, name, showing)
    return found


def find(node, role=None, name=None):
    return next(iter(find_all(node, role, name)), None)


def press(node):
    action = node.queryAction()
    action.doAction([action.getName(i) for i in range(action.nActions)].index("Press"))


def text_of(node):
    return node.queryText().getText(0, -1).strip()


def heading_of(main):
    return wait_for("a question", lambda: next(h for h in [find(main, "heading")] if h.name.endswith(HEADING_END)))


def start_game(work, timeout=20):
    """Starts the game in `work` (its history there too), checks the splash's texts and presses its OK."""
    wait_for("the accessibility registry", lambda: pyatspi.Registry.getDesktop(0) is not None)
    game = subprocess.Popen([os.path.realpath(sys.argv[1])], cwd=work, stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL,
                            env=dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", XDG_DATA_HOME=work + "/data"))
    app = wait_for("the game on the bus", lambda: next(
        a for a in pyatspi.Registry.getDesktop(0) if a is not None and a.name == "Vexlor"), timeout)
    splash = wait_for("the splash dialog", lambda: find(app, "dialog", "Vexlor"), timeout)
    texts = [label.name for label in find_all(splash, "label")]
    check("Thank you for using Vexlor" in texts and any("odd answer" in t for t in texts), "splash texts: %r" % texts)
    press(find(splash, "push button", "OK"))
    main = wait_for("the main window", lambda: next(w for w in app if has(w, pyatspi.STATE_SHOWING)
                                                     and w.getRoleName() == "frame"), timeout)
    return game, app, main


PLAYER = "Ada History"
TRIES = 3  # the map and the weakest list weigh the last three tries of each question


def answer(main, first):
    """Tries the tiles from tile `first` on until one is right; gives the term and the degree the game gave."""
    term = heading_of(main).name[:-len(HEADING_END)]
    degree_box = find_all(main, "text", "Degree in this question", False)[0]
    for tries in range(1, 5):
        press(find(main, "push button", "Answer %d" % ((first + tries - 2) % 4 + 1)))
        # The fourth tile is the right one when three were wrong; 25 % shows from the third wrong try on.
        wrong = "Your max. degree is %d %% in this question." % (100 - 25 * tries) if tries < 4 else None
        said = wait_for("the judging of try %d" % tries, lambda: next(
            t for t in [text_of(degree_box)] if t == wrong or t.startswith("You have got ")))
        got = re.fullmatch(r"You have got (\d+) % in this question\.", said)
        if got:
            return term, int(got.group(1))
    check(False, "no tile was right for %r" % term)


def next_question(main):
    before = find(main, "heading").name
    press(find(main, "push button", "Next Question"))
    wait_for("the next question", lambda: find(main, "heading").name != before)


def play_series(main, answers, first_tiles):
    """Starts a series and answers one question per entry of `first_tiles`, moving on after each but the last."""
    wait_for("the name box", lambda: find(main, "text", "Name"), 30).queryEditableText().setTextContents(PLAYER)
    press(find(main, "push button", "Start"))
    answers.append([])
    for number, first in enumerate(first_tiles):
        if number:
            next_question(main)
        answers[-1].append(answer(main, first))
    print("series %d: %r" % (len(answers), answers[-1]), flush=True)


def rounded(value):
    return int(value + 0.5)


def read_progress(app, main, series):
    numbers = {item.name: n for n, item in enumerate(find_all(find(main, "list", "Word list"), "list item", showing=False), 1)}
    press(find(find(main, "menu bar"), "menu item", "Progress"))
    window = wait_for("the Progress window", lambda: next(w for w in app if w.name == "Progress"
                                                           and has(w, pyatspi.STATE_SHOWING)), 30)
    wait_for("the All players box", lambda: find(window, "check box", "All players")).queryAction().doAction(0)
    wait_for("all players shown", lambda: find(window, "label", "All players"))

    by_term = {}
    for term, degree in (pair for played in series for pair in played):
        by_term.setdefault(term, []).append(degree)
    # term: (question number, average, tries) over its last TRIES tries
    mastery = {term: (numbers[term], sum(d[-TRIES:]) / len(d[-TRIES:]), len(d[-TRIES:])) for term, d in by_term.items()}
    cells = [cell.name for cell in find(window, None, "Mastery of each question")]
    check(len(cells) == 100, "the map has %d cells" % len(cells))
    for term, (number, average, tries) in mastery.items():
        want = "%d %s: %d %% over the last %d %s" % (number, term, rounded(average), tries, "try" if tries == 1 else "tries")
        check(cells[number - 1] == want, "cell %d reads %r, not %r" % (number, cells[number - 1], want))
    asked = {number for number, _, _ in mastery.values()}
    unasked = [name for n, name in enumerate(cells, 1) if n not in asked and not name.endswith(": never asked")]
    check(not unasked, "cells of questions never asked read %r" % unasked)

    averages = [rounded(sum(d for _, d in played) / len(played)) for played in series]
    summary = find(window, None, "Series averages over time").description
    match = re.fullmatch(r"(\d+) series from .+ to .+\. First average (\d+) %, last (\d+) %, best (\d+) % on .+\.", summary)
    check(match and [int(g) for g in match.groups()] == [len(series), averages[0], averages[-1], max(averages)],
          "the trend reads %r for averages %r" % (summary, averages))

    weakest = [item.name for item in find_all(find(window, "list", "Weakest questions"), "list item", showing=False)]
    ranked = sorted(mastery.items(), key=lambda kv: (kv[1][1], -kv[1][2], kv[1][0]))[:10]
    want = ["%d %s: %d %% over %d %s" % (n, term, rounded(avg), tries, "try" if tries == 1 else "tries")
            for term, (n, avg, tries) in ranked]
    check(weakest == want, "the weakest list reads %r, not %r" % (weakest, want))
    return summary


def main():
    with tempfile.TemporaryDirectory() as work:
        series = []
        # A series runs from "Start" to the end of the game: two played and left by Exit, a third killed.
        for first_tiles in ([1, 2, 3], [4, 3], [2, 1]):
            game, app, window = start_game(work, 60)
            try:
                if not series:  # the file comes with the first series, not with the game
                    pump(1.5)
                    check(not os.path.exists(work + "/data/Vexlor"), "a history folder before the first series")
                play_series(window, series, first_tiles)
                if len(series) < 3:
                    press(find(find(window, "menu bar"), "menu item", "Exit"))
                    check(game.wait(20) == 0, "the game did not end well after Exit")
                else:  # a question on show, and the game killed before it is answered
                    next_question(window)
                    pump(1.5)  # the answers given are written within milliseconds; the one on show is not
                    game.send_signal(signal.SIGKILL)
                    game.wait(10)
            finally:
                game.kill()
        files = [os.path.join(d, f) for d, _, fs in os.walk(work + "/data") for f in fs if f == "history.sqlite"]
        check(len(files) == 1, "history files under the scratch data folder: %r" % files)
        with sqlite3.connect("file:%s?mode=ro" % files[0], uri=True) as db:
            kept = db.execute("SELECT count(*) FROM answer").fetchone()[0]
        check(kept == sum(map(len, series)), "%d answers kept of %d given" % (kept, sum(map(len, series))))

        game, app, window = start_game(work, 60)
        try:
            summary = read_progress(app, window, series)
        finally:
            game.kill()
            game.wait(10)
        print("progress after a kill: %d series, %d answers, %r" % (len(series), sum(map(len, series)), summary))


if __name__ == "__main__":
    main()
