# SPDX-FileCopyrightText: 2026 Quelro Programs
# SPDX-License-Identifier: GPL-3.0-or-later
"""Plays the real game as a blind player does, through the accessibility bus
alone: no mouse, no window geometry, only what a screen reader reads, the
actions it offers and the keys it sends.

    screen_reader.py VEXLOR_EXECUTABLE

Run it on a virtual display inside a private D-Bus session, whose AT-SPI bus
then starts on that display (so its keys reach the game):
    xvfb-run -a dbus-run-session -- python3 screen_reader.py build/bin/vexlor
"""
import os
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import GLib

HEADING_END = ": Find the odd one out"
KEY_TAB, KEY_RETURN, KEY_KP_ENTER, KEY_HOME, KEY_DOWN = 0xFF09, 0xFF0D, 0xFF8D, 0xFF50, 0xFF54

events = []  # (type, role, name, data) of every event a screen reader gets


def fail(message):
    print("FAIL: " + message, file=sys.stderr)
    sys.exit(1)


def record(event):
    try:
        events.append((event.type, event.source.getRoleName(), event.source.name, str(event.any_data)))
    except Exception:  # the source may be gone already
        pass


def pump(seconds=0.05):
    context = GLib.MainContext.default()
    end = time.time() + seconds
    while True:
        while context.pending():
            context.iteration(False)
        if time.time() >= end:
            return
        time.sleep(0.02)


def wait_for(what, probe, timeout=10):
    """Polls probe() until it gives something true, and returns that."""
    end = time.time() + timeout
    while time.time() < end:
        try:
            found = probe()
        except Exception:  # objects come and go while windows change
            found = None
        if found:
            return found
        pump(0.1)
    fail("timed out waiting for " + what)


def find_all(root, role=None, name=None, showing=True):
    found = []

    def visit(node):
        if node is None:
            return
        if ((role is None or node.getRoleName() == role) and (name is None or node.name == name)
                and (not showing or node.getState().contains(pyatspi.STATE_SHOWING))):
            found.append(node)
        for child in node:
            visit(child)

    visit(root)
    return found


def find(root, role=None, name=None):
    nodes = find_all(root, role, name)
    return nodes[0] if nodes else None


def press(node):
    action = node.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    action.doAction(names.index("Press"))


def text_of(node):
    text = node.queryText()
    return text.getText(0, text.characterCount)


def lines_of(node):
    """Reads a text line by line, as a screen reader's line review does."""
    text, lines, offset = node.queryText(), [], 0
    while offset < text.characterCount:
        line, start, end = text.getTextAtOffset(offset, pyatspi.TEXT_BOUNDARY_LINE_START)
        if end <= offset:
            break
        lines.append(line.rstrip("\n"))
        offset = end
    return lines


def key(keysym):
    """A key as a screen reader sends it, through the device event controller."""
    pyatspi.Registry.generateKeyboardEvent(keysym, None, pyatspi.KEY_SYM)
    pump(0.1)


def is_focused(node):
    return node.getState().contains(pyatspi.STATE_FOCUSED)


def announced(since, *parts):
    """A notification appeared whose text holds every part."""
    return any(kind == "object:state-changed:showing" and role == "notification"
               and all(part in name for part in parts) for kind, role, name, _ in events[since:])


def main():
    vexlor = os.path.realpath(sys.argv[1])
    for kind in ("object:state-changed:showing", "object:text-changed:insert",
                 "object:property-change:accessible-name"):
        pyatspi.Registry.registerEventListener(record, kind)
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    with tempfile.TemporaryDirectory() as work:
        game = subprocess.Popen([vexlor], cwd=work, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            play(game)
        finally:
            if game.poll() is None:
                game.kill()
                game.wait()


def play(game):
    app = wait_for("the game on the bus", lambda: next(
        (a for a in pyatspi.Registry.getDesktop(0) if a is not None and a.name == "Vexlor"), None), 20)

    # The splash: a dialog with a name, its texts, and "OK" pressed by its action.
    splash = wait_for("the splash dialog", lambda: find(app, "dialog", "Vexlor"))
    texts = [label.name for label in find_all(splash, "label")]
    if "Thank you for using Vexlor" not in texts or not any("odd answer" in t for t in texts):
        fail("splash texts: %r" % texts)
    press(find(splash, "push button", "OK"))

    # The start panel: focus in the name box, the covered controls out of reach.
    main_window = wait_for("the main window", lambda: next(
        (w for w in app if w.getRoleName() == "frame" and w.getState().contains(pyatspi.STATE_SHOWING)), None))
    name_box = wait_for("the name box", lambda: find(main_window, "text", "Name"))
    wait_for("focus in the name box", lambda: is_focused(name_box))
    tiles = [find(main_window, "push button", "Answer %d" % t) for t in range(1, 5)]
    if any(tile.getState().contains(pyatspi.STATE_FOCUSABLE) or tile.description for tile in tiles):
        fail("the tiles under the start panel take focus or tell their cards")
    if find(main_window, "heading").name:
        fail("the heading under the start panel is read out")
    player = "Ada Blind"
    name_box.queryEditableText().insertText(0, player, len(player))
    key(KEY_TAB)  # on to the time choice: Down picks its first entry, 15 seconds
    wait_for("focus on the time choice", lambda: is_focused(find(main_window, "combo box")))
    key(KEY_DOWN)
    mark = len(events)
    press(find(main_window, "push button", "Start"))

    # The question: its heading, announced at Start, and the four cards.
    # The press is carried out by the game's event loop, so the heading may follow a moment later.
    heading = wait_for("the heading with its term", lambda: next(
        (h for h in [find(main_window, "heading")] if h.name.endswith(HEADING_END)), None))
    term = heading.name[:-len(HEADING_END)]
    wait_for("the heading announced", lambda: announced(mark, heading.name))
    wait_for("focus on the first tile", lambda: is_focused(tiles[0]))
    if not find(main_window, "label", "Name: " + player):
        fail("no player line for %r" % player)
    if not find(main_window, "label", "Maximum time for question = 15 seconds."):
        fail("no time line for 15 seconds")
    descriptions = [tile.description for tile in tiles]
    if len(set(descriptions)) != 4 or not all(descriptions):
        fail("tile descriptions %r" % descriptions)

    # Tiles in turn until the judging message says right; each click is announced.
    message, rating = find_all(main_window, "text", "Message", False)[0], find(main_window, "text", "Rating")
    for tries, tile in enumerate(tiles, 1):
        mark = len(events)
        press(tile)
        wait_for("the judging announced", lambda: announced(mark))
        said = text_of(message)
        if said.startswith("Right."):
            break
        if not announced(mark, "Please, Try again.", "Your max. degree is %d %%" % max(25, 100 - 25 * tries)):
            fail("a wrong answer was announced as %r" % events[mark:])
    else:
        fail("no tile was right")
    degree = 100 - 25 * (tries - 1)
    wait_for("the rating word", lambda: text_of(rating).strip())
    score = "You have got %d %% in 1 questions." % degree
    wait_for("the right answer announced", lambda: announced(mark, said.strip(), score, text_of(rating).strip()))
    if not any(kind == "object:text-changed:insert" and name == "Message" and data.startswith("Right.")
               for kind, _, name, data in events[mark:]):
        fail("the message box sent no text change")

    # The next question left to run out of time (15 seconds, counted against 17):
    # the time-out is announced with its degree, the average and the rating.
    mark = len(events)
    press(find(main_window, "push button", "Next Question"))
    wait_for("the time-out announced", lambda: announced(
        mark, "You have got 0 % in this question.", "You have got %d %% in 2 questions." % round(degree / 2)), 25)

    # The word list: Return and keypad Enter jump as a double-click does.
    word_list = find(main_window, "list", "Word list")
    items = find_all(word_list, "list item", showing=False)
    terms = [item.name for item in items]
    if term not in terms:
        fail("heading term %r is not in the word list" % term)

    def list_focused():
        return is_focused(word_list) or any(is_focused(item) for item in items)
    for _ in range(20):  # Tab on from "Next Question", as a keyboard player goes
        if list_focused():
            break
        key(KEY_TAB)
    wait_for("focus in the word list", list_focused)
    key(KEY_HOME)
    for index, enter in ((2, KEY_RETURN), (5, KEY_KP_ENTER)):
        for _ in range(index + 3):  # Down to the entry, as far as the keys get there
            if items[index].getState().contains(pyatspi.STATE_SELECTED):
                break
            key(KEY_DOWN)
        wait_for("the entry %r" % terms[index], lambda: items[index].getState().contains(pyatspi.STATE_SELECTED))
        mark = len(events)
        key(enter)
        wait_for("the jump to %r" % terms[index], lambda: heading.name == terms[index] + HEADING_END)
        wait_for("the new heading announced", lambda: announced(mark, terms[index] + HEADING_END))

    # The hint, announced as it shows.
    mark = len(events)
    press(find(main_window, "push button", "Hints"))
    hint = wait_for("the hint box", lambda: find(main_window, "text", "Hint"))
    wait_for("the hint announced", lambda: text_of(hint).strip() and announced(mark, text_of(hint).strip()))

    # The viewer: help and results through the menu, read line by line.
    menu = find(main_window, "menu bar")
    press(find(menu, "menu item", "Help"))
    viewer = wait_for("the help window", lambda: find(app, "frame", "Vexlor - Help"))
    help_lines = lines_of(find(viewer, "text", "Help"))
    if len(help_lines) != 22 or help_lines[1].strip() != "Vexlor version 1.0":
        fail("help reads %r" % help_lines)
    press(find(menu, "menu item", "Show me Results"))
    viewer = wait_for("the results window", lambda: find(app, "frame", "Vexlor - Result"))
    if find(viewer, "text", "Help"):
        fail("the covered help text is still read out")
    rows = lines_of(find(viewer, "text", "Results"))
    if len(rows) != 3 + 4 or rows[0] != "-" * 105 or not rows[1].startswith("Question No."):
        fail("results read %r" % rows)
    if not (rows[3].startswith("  001") and "%03d %%" % degree in rows[3] and rows[3].endswith(term)):
        fail("row 1 reads %r after %d %% on %r" % (rows[3], degree, term))
    if rows[4:] != ["  002 has no answer.", "  003 has no answer.", "  004 has no answer."]:
        fail("rows of the time-out and the jumps read %r" % rows[4:])

    # "Exit" from the menu ends the game.
    press(find(menu, "menu item", "Exit"))
    try:
        code = game.wait(10)
    except subprocess.TimeoutExpired:
        fail("the game did not end after Exit")
    if code != 0:
        fail("the game ended with %d" % code)
    print("played by screen reader: %r at %d %%, %d events heard" % (term, degree, len(events)))


if __name__ == "__main__":
    main()
