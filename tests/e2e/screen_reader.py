# SPDX-FileCopyrightText: 2026 Quelro Programs
# SPDX-License-Identifier: GPL-3.0-or-later
"""Plays the real game as a blind player does, through what a screen reader reads, offers and sends:
    xvfb-run -a dbus-run-session -- python3 screen_reader.py build/bin/vexlor
"""
import tempfile

import pyatspi

from atspi_game import HEADING_END, check, find, find_all, has, heading_of, press, pump, start_game, text_of, wait_for

KEY_TAB, KEY_RETURN, KEY_KP_ENTER, KEY_HOME, KEY_DOWN = 0xFF09, 0xFF0D, 0xFF8D, 0xFF50, 0xFF54
events = []  # (type, role, name, data) of every event a screen reader gets


def record(event):
    try:
        events.append((event.type, event.source.getRoleName(), event.source.name, str(event.any_data)))
    except Exception:  # the source may be gone already
        pass


def hear(since, what, *parts, timeout=10):
    """Waits for a notification after event number `since` whose text holds every part."""
    wait_for(what + " announced", lambda: any(kind == "object:state-changed:showing" and role == "notification"
                                              and all(part in name for part in parts)
                                              for kind, role, name, _ in events[since:]), timeout)


def lines_of(node):
    """Reads a text line by line, as a screen reader's line review does."""
    text, lines, offset = node.queryText(), [], 0
    while offset < text.characterCount:
        line, _, end = text.getTextAtOffset(offset, pyatspi.TEXT_BOUNDARY_LINE_START)
        lines.append(line.rstrip("\n"))
        offset = end if end > offset else text.characterCount
    return lines


def key(keysym, until=lambda: False, most=1):
    """Sends a key as a screen reader does, through the device event controller, at most `most` times until()."""
    for _ in range(most):
        if until():
            return
        pyatspi.Registry.generateKeyboardEvent(keysym, None, pyatspi.KEY_SYM)
        pump(0.1)


def play(game, app, main):
    # The start panel: focus in the name box, the covered controls out of reach.
    name_box = wait_for("the name box", lambda: find(main, "text", "Name"))
    wait_for("focus in the name box", lambda: has(name_box, pyatspi.STATE_FOCUSED))
    tiles = [find(main, "push button", "Answer %d" % t) for t in range(1, 5)]
    check(not any(has(tile, pyatspi.STATE_FOCUSABLE) or tile.description for tile in tiles),
          "the tiles under the start panel take focus or tell their cards")
    check(not find(main, "heading").name, "the heading under the start panel is read out")
    name_box.queryEditableText().insertText(0, "Ada Blind", 9)
    key(KEY_TAB)
    wait_for("focus on the time choice", lambda: has(find(main, "combo box"), pyatspi.STATE_FOCUSED))
    key(KEY_DOWN)  # its first entry: 15 seconds
    press(find(main, "push button", "Start"))

    # The question, set up on the game's own event loop: its heading, announced, and four cards.
    heading = heading_of(main)
    term = heading.name[:-len(HEADING_END)]
    wait_for("focus on the first tile", lambda: has(tiles[0], pyatspi.STATE_FOCUSED))
    group = tiles[0].parent
    check(group.getRoleName() == "heading" and group.name == heading.name,
          "the tiles' group is not the heading %r, so it is not heard with the first card" % heading.name)
    check(find(main, "label", "Name: Ada Blind") and find(main, "label", "Maximum time for question = 15 seconds."),
          "no player line or no time line for 15 seconds")
    descriptions = [tile.description for tile in tiles]
    check(len(set(descriptions)) == 4 and all(descriptions), "tile descriptions %r" % descriptions)

    # Tiles in turn until the judging message says right; each click is announced.
    message, rating = find_all(main, "text", "Message", False)[0], find(main, "text", "Rating")
    for tries, tile in enumerate(tiles, 1):
        mark = len(events)
        press(tile)
        hear(mark, "the judging")
        said = text_of(message)
        if said.startswith("Right."):
            break
        hear(mark, "the wrong answer", "Please, Try again.", "Your max. degree is %d %%" % max(25, 100 - 25 * tries))
    check(said.startswith("Right."), "no tile was right")
    degree = 125 - 25 * tries
    hear(mark, "the right answer", said, "You have got %d %% in 1 questions." % degree,
         wait_for("the rating word", lambda: text_of(rating)))
    check(any(kind == "object:text-changed:insert" and name == "Message" and data.startswith("Right.")
              for kind, _, name, data in events[mark:]), "the message box sent no text change")

    # The next question runs out of time (15 seconds): its degree, the average and the rating are announced.
    mark = len(events)
    press(find(main, "push button", "Next Question"))
    hear(mark, "the time-out", "You have got 0 % in this question.",
         "You have got %d %% in 2 questions." % round(degree / 2), timeout=25)

    # The word list, reached with Tab: Return and keypad Enter jump as a double-click does.
    word_list = find(main, "list", "Word list")
    items = find_all(word_list, "list item", showing=False)
    terms = [item.name for item in items]
    check(term in terms, "heading term %r is not in the word list" % term)
    key(KEY_TAB, lambda: any(has(n, pyatspi.STATE_FOCUSED) for n in [word_list] + items), 20)
    key(KEY_HOME)
    for index, enter in ((2, KEY_RETURN), (5, KEY_KP_ENTER)):
        key(KEY_DOWN, lambda: has(items[index], pyatspi.STATE_SELECTED), index + 3)
        wait_for("the entry %r" % terms[index], lambda: has(items[index], pyatspi.STATE_SELECTED))
        mark = len(events)
        key(enter)
        wait_for("the jump to %r" % terms[index], lambda: heading.name == terms[index] + HEADING_END)
        hear(mark, "the new heading", terms[index] + HEADING_END)

    mark = len(events)
    press(find(main, "push button", "Hints"))
    hear(mark, "the hint", wait_for("the hint", lambda: text_of(find(main, "text", "Hint"))))

    # The viewer: help and results through the menu, read line by line; then Exit.
    menu = find(main, "menu bar")
    press(find(menu, "menu item", "Help"))
    lines = lines_of(find(wait_for("the help window", lambda: find(app, "frame", "Vexlor - Help")), "text", "Help"))
    check(len(lines) == 22 and lines[1].strip() == "Vexlor version 1.0", "help reads %r" % lines)
    press(find(menu, "menu item", "Show me Results"))
    viewer = wait_for("the results window", lambda: find(app, "frame", "Vexlor - Result"))
    check(not find(viewer, "text", "Help"), "the covered help text is still read out")
    rows = lines_of(find(viewer, "text", "Results"))
    check(len(rows) == 7 and rows[0] == "-" * 105 and rows[1].startswith("Question No."), "results read %r" % rows)
    check(rows[3].startswith("  001") and "%03d %%" % degree in rows[3] and rows[3].endswith(term),
          "row 1 reads %r after %d %% on %r" % (rows[3], degree, term))
    check(rows[4:] == ["  %03d has no answer." % n for n in (2, 3, 4)], "rows after the first read %r" % rows[4:])
    press(find(menu, "menu item", "Exit"))
    check(game.wait(10) == 0, "the game did not end well after Exit")
    print("played by screen reader: %r at %d %%, %d events heard" % (term, degree, len(events)))


if __name__ == "__main__":
    for kind in ("object:state-changed:showing", "object:text-changed:insert", "object:property-change:accessible-name"):
        pyatspi.Registry.registerEventListener(record, kind)
    with tempfile.TemporaryDirectory() as work:
        game, app, main = start_game(work)
        try:
            play(game, app, main)
        finally:
            game.kill()
