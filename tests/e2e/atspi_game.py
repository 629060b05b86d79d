# SPDX-FileCopyrightText: 2026 Quelro Programs
# SPDX-License-Identifier: GPL-3.0-or-later
"""The real game on the accessibility bus, reached as a screen reader reaches it: find, read, press, keys."""
import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

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
