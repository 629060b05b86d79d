# SPDX-FileCopyrightText: 2026 Quelro Programs
# SPDX-License-Identifier: GPL-3.0-or-later
"""Plays a series of the real game with the Orca screen reader listening, keys sent with xdotool alone, and checks
what Orca says (its debug log's SPEECH OUTPUT lines) and the report the series leaves. Everything runs privately: a virtual screen, a session and an
accessibility bus, a PulseAudio server with a null sink for the speech, openbox and Orca with its own settings.
    python3 orca.py build/bin/vexlor
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

# Orca started from its own script, its log opened line-buffered and no other user's Orca taken for ours.
ORCA_WRAPPER = r"""
import builtins, sys
log, real_open = sys.argv[1], builtins.open
builtins.open = lambda f, m="r", *a, **k: real_open(f, m, 1) if f == log and "w" in m else real_open(f, m, *a, **k)
sys.argv = ["orca", "-u", sys.argv[2], "--debug-file=" + log]
scope = {"__name__": "orca_launcher", "__file__": "/usr/bin/orca"}
exec(compile(real_open("/usr/bin/orca").read(), "/usr/bin/orca", "exec"), scope)
scope["otherOrcas"] = lambda: []
sys.exit(scope["main"]())
"""
NEEDED = ["Xvfb", "xdotool", "xprop", "openbox", "pulseaudio", "dbus-daemon", "orca", "speech-dispatcher"]


class Session:
    def __init__(self, work):
        self.work, self.processes = work, []
        self.env = dict(os.environ, HOME=os.path.join(work, "home"), XDG_RUNTIME_DIR=os.path.join(work, "run"),
                        XDG_CONFIG_HOME=os.path.join(work, "home", ".config"), NO_AT_BRIDGE="0",
                        QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", GTK_MODULES="", LC_ALL="C.UTF-8")
        for folder in (self.env["HOME"], self.env["XDG_RUNTIME_DIR"], os.path.join(work, "bin")):
            os.makedirs(folder, mode=0o700)
        # A stand-in text viewer that writes down what it is handed.
        self.handed = os.path.join(work, "handed")
        with open(os.path.join(work, "bin", "xdg-open"), "w") as viewer:
            viewer.write('#!/bin/sh\necho "$@" > "%s"\n' % self.handed)
        os.chmod(os.path.join(work, "bin", "xdg-open"), 0o700)
        self.env["PATH"] = os.path.join(work, "bin") + os.pathsep + self.env["PATH"]
        self.log = os.path.join(work, "orca.log")

    def start(self, *command, **kwargs):
        process = subprocess.Popen(command, env=self.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                   **kwargs)
        self.processes.append(process)
        return process

    def down(self):
        for process in reversed(self.processes):
            process.terminate()
            try:
                process.wait(5)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()

    def announced(self, *command):
        """Starts a server that writes where it listens to the descriptor {fd}; gives that line."""
        read, write = os.pipe()
        self.start(*(part.replace("{fd}", str(write)) for part in command), pass_fds=(write,))
        os.close(write)
        with os.fdopen(read) as line:
            return line.readline().strip()

    def up(self):
        self.env["DISPLAY"] = ":" + self.announced("Xvfb", "-displayfd", "{fd}", "-screen", "0", "1280x1024x24", "-dpi", "96",
                                                   "-nolisten", "tcp")
        self.env["DBUS_SESSION_BUS_ADDRESS"] = self.announced("dbus-daemon", "--session", "--nofork", "--print-address={fd}")
        self.start("/usr/libexec/at-spi-bus-launcher", "--launch-immediately")
        time.sleep(1)
        self.start("/usr/libexec/at-spi2-registryd", "--use-gnome-session")
        self.start("pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "--load=module-native-protocol-unix",
                   "--load=module-null-sink sink_name=nullsink", "--load=module-always-sink")
        self.start("openbox")
        settings = os.path.join(self.work, "orca-settings")
        os.makedirs(settings)
        with open(os.path.join(settings, "user-settings.conf"), "w") as conf:
            conf.write('{"general": {"enableSpeech": true, "speechServerFactory": "speechdispatcherfactory"},'
                       ' "profiles": {"default": {"profile": ["Default", "default"], "enableSpeech": true,'
                       ' "speechServerFactory": "speechdispatcherfactory"}}, "pronunciations": {}, "keybindings": {}}')
        time.sleep(2)
        self.start("/usr/bin/python3", "-c", ORCA_WRAPPER, self.log, settings)
        wait_until("Orca is up", lambda: os.path.exists(self.log) and "SPEECH OUTPUT" in read_file(self.log), 60)
        quiet()


def read_file(path):
    with open(path, errors="replace") as log:
        return log.read()


def wait_until(what, probe, timeout):
    end = time.time() + timeout
    while not probe():
        if time.time() > end:
            sys.exit("FAIL: timed out waiting until " + what)
        time.sleep(0.2)


session = None


def spoken():
    return [line.rstrip() for line in
            re.findall(r"SPEECH OUTPUT: '(.*?)' ?\[?\{'established", read_file(session.log), re.DOTALL)]


def quiet(seconds=1.5, most=15):
    """Waits until Orca has said nothing new for `seconds`."""
    end, size, since = time.time() + most, -1, time.time()
    while time.time() < end:
        now = len(spoken())
        if now != size:
            size, since = now, time.time()
        elif time.time() - since >= seconds:
            return
        time.sleep(0.1)


def key(*keys, settle=1.5, command="key", until=None):
    """Sends keys (or types a text) with xdotool and returns what Orca said for them, once it said `until`."""
    mark, end = len(spoken()), time.time() + 20
    subprocess.run(["xdotool", command, "--delay", "150"] + list(keys), env=session.env, check=True)
    while until and time.time() < end and not said_any(spoken()[mark:], until):
        time.sleep(0.2)
    quiet(settle)
    return spoken()[mark:]


failures = []


def check(condition, message, said):
    print(("ok   " if condition else "FAIL ") + message)
    if not condition:
        print("     Orca said: %.800r" % (said,))
        failures.append(message)


def said_any(said, *parts):
    return any(all(part in line for part in parts) for line in said)


def expect(message, keys, *parts, **options):
    """Sends keys and checks that Orca said each part in some line (a tuple of parts: all in one line)."""
    said = key(*keys, **options)
    check(all(said_any(said, *(part if isinstance(part, tuple) else (part,))) for part in parts), message, said)


def window_ids(*search):
    return subprocess.run(["xdotool", "search", "--onlyvisible"] + list(search), env=session.env,
                          capture_output=True, text=True).stdout.split()


def exit_code(process, seconds=15):
    try:
        return process.wait(seconds)
    except subprocess.TimeoutExpired:
        return None


def play(game):
    # Closed by the desktop (Alt+F4 in openbox), the splash ends the program: "OK" is the only way into the game.
    first = session.start(game, cwd=session.work)
    wait_until("the splash", lambda: window_ids("--pid", str(first.pid)), 30)
    subprocess.run(["xdotool", "windowactivate", "--sync", window_ids("--pid", str(first.pid))[0], "key", "alt+F4"],
                   env=session.env)
    check(exit_code(first) == 0, "the splash closed by the desktop ends the game", [])

    mark = len(spoken())
    session.game = session.start(game, cwd=session.work)
    quiet(3)
    said = spoken()[mark:]
    check(said_any(said, "OK"), "the splash is read with its OK button", said)
    expect("Return on the splash's OK opens the game at the name box", ["Return"], "Name text", until="Name text")
    key("Ada", command="type")
    expect("the time box is read by its label and the time it shows", ["Tab"], "Maximum time for question", "30 seconds")
    expect("Down in the time box says the new limit", ["Down"], "15")
    expect("a pick from the open list keeps the label", ["alt+Down", "End", "Return"], ("Maximum time for question", "60"),
           settle=2.5)

    said = key("Tab", "Return", settle=3)
    heading = next((line for line in said if "Find the odd one out" in line), "")
    card = next((i for i, line in enumerate(said) if "Answer 1" in line), None)
    check(heading and "heading" in heading and card is not None and said.index(heading) <= card,
          "Return on Start begins play; the heading comes first, as a heading, then the first card", said)

    # Tiles in turn until one is right: the rating is spoken as words.
    for tile in range(4):
        said = key("Return", settle=2.5)
        if said_any(said, "Right."):
            break
        check(said_any(said, "Please, Try again."), "a wrong answer is spoken", said)
        key("Tab")
    check(said_any(said, "Right."), "the right answer is spoken", said)
    rating = " ".join(said)
    check(re.search(r"Very Good|Waaow|Good|Excellent|Sufficient|Bad", rating) and
          not re.search(r"\b\w \w \w\b", rating), "the rating is spoken as a word, not spelt", said)

    # A question without a hint: reached through the word list's own search.
    said = key("Tab", "Tab", settle=2)
    for _ in range(6):
        if said_any(said, "Word list") or said_any(said, "list item"):
            break
        said = key("Tab")
    key("Linear E", command="type")
    expect("the word list's jump says the new heading", ["Return"], "Linear Equation: Find the odd one out", settle=2.5)
    expect("Hints on a question without one says so", ["Tab", "Return"], "no hint", settle=2.5)

    time.sleep(11)  # the time bar has had time to be spoken, were it spoken
    before_menu = spoken()
    check(not any(re.search(r"\d+ percent", line) for line in before_menu), "the time bar never talks over play",
          [line for line in before_menu if "percent" in line])
    check(not any(line.startswith("notification") for line in before_menu),
          "announcements come without the role word", [line for line in before_menu if "notification" in line])

    expect("F10 reaches the menu bar, its command said with its key", ["F10"], "Show me Results", "Ctrl+R")
    for command, shortcut in (("Help", "F1"), ("Exit", "Ctrl+Q"), ("Progress", "Ctrl+P")):
        expect("Right on the menu bar says %s with %s" % (command, shortcut), ["Right"], command, shortcut)
    key("Escape")
    expect("Alt reaches the menu bar", ["alt"], "Show me Results")
    expect("Return on the menu's Help opens the help", ["Right", "Return"], "Vexlor - Help", until="Vexlor - Help")
    transient = "".join(subprocess.run(["xprop", "-id", window, "WM_TRANSIENT_FOR"], env=session.env, capture_output=True,
                                       text=True).stdout for window in window_ids("--name", "Vexlor - Help"))
    check("window id" in transient, "the viewer is transient for the main window", transient)
    said = key("Escape")
    check(not window_ids("--name", "Vexlor - Help"), "Escape closes the viewer", said)

    expect("Ctrl+R shows the results, with the keyboard in their text", ["ctrl+r"], "Vexlor - Result",
           "Results read only text", until="Results read only text")
    expect("caret keys read the results line by line", ["Down"], "Question No.")
    # Flat review: the current line, then the next ones; Orca is slow to build its review on a busy machine.
    lines = []
    for _ in range(2):
        lines += key("KP_Up", until="Question No.")
        if said_any(lines, "Question No.") or said_any(lines, "dash"):
            break
    check(said_any(lines, "Question No.") or said_any(lines, "dash"), "flat review reads the results", lines)
    said = key("Tab", "Tab", "Tab", settle=2)
    close = said_any(said, "Close")
    said = key("Escape")
    check(close and not window_ids("--name", "Vexlor - Result"), "the viewer's Close is reachable, Escape closes it",
          said)

    # The question jumped to runs out of its 60 seconds; then the Exit button ends the series.
    end = time.time() + 90
    while time.time() < end and not said_any(spoken(), "You have got 0 % in this question."):
        time.sleep(0.5)
    check(said_any(spoken(), "You have got 0 % in this question."), "the time-out is spoken", spoken()[-5:])
    for _ in range(15):
        said = key("Tab")
        if said_any(said, "Exit push button"):
            break
    key("Return", settle=0.5)
    ended = exit_code(session.game) == 0
    handed = read_file(session.handed).split() if os.path.exists(session.handed) else []
    report = read_file(os.path.join(session.work, "VexlorOut.txt")) if handed == ["VexlorOut.txt"] else ""
    check(ended and "Name: Ada\n" in report and re.search(r"^  001 {23}\d{3} % ", report, re.MULTILINE),
          "Exit writes the series' report, hands it to the viewer and ends the game", said + handed + [report])


def main():
    global session
    missing = [tool for tool in NEEDED if not shutil.which(tool)]
    if missing:
        print("skipped: missing " + " ".join(missing))
        return 77
    with tempfile.TemporaryDirectory() as work:
        session = Session(work)
        try:
            session.up()
            play(os.path.realpath(sys.argv[1]))
        finally:
            session.down()
            if failures or os.environ.get("VEXLOR_KEEP_ORCA_LOG"):
                shutil.copy(session.log, os.environ.get("VEXLOR_KEEP_ORCA_LOG", "/tmp/vexlor-orca-failed.log"))
    if failures:
        print("%d failed" % len(failures))
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
