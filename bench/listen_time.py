#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Quelro Programs
# SPDX-License-Identifier: GPL-3.0-or-later
"""How long a screen reader takes to read a question as it comes up: the heading, then each card as it gets
the keyboard, for the two questions whose cards have the longest descriptions. Spoken by espeak-ng at the
speed speech-dispatcher gives Orca's default rate (2 on its scale of -100 to 100).
    python3 bench/listen_time.py [SPEECH_DISPATCHER_RATE]
"""
import os
import re
import subprocess
import sys
import tempfile

CARDS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "assets", "cards")


def questions():
    """(characters of the four descriptions, file, term, descriptions) of every question."""
    for name in sorted(os.listdir(CARDS)):
        with open(os.path.join(CARDS, name)) as source:
            text = source.read()
        term, cards = re.search(r"^# (.*?):", text, re.MULTILINE), re.findall(r'^card "(.*)"', text, re.MULTILINE)
        yield sum(map(len, cards)), name, term.group(1) if term else name, cards


def main():
    rate = int(sys.argv[1]) if len(sys.argv) > 1 else 2
    # espeak-ng's speech-dispatcher module speaks rates 0 to 100 at 170 to 449 words a minute.
    words_per_minute = str(round(170 + (449 - 170) * max(0, rate) / 100))
    with tempfile.TemporaryDirectory() as work:
        wave = os.path.join(work, "utterance.wav")
        for _, name, term, cards in sorted(questions(), reverse=True)[:2]:
            seconds = 0.0
            for part in [term + ": Find the odd one out heading"] + \
                        ["Answer %d push button. %s" % (k, card) for k, card in enumerate(cards, 1)]:
                subprocess.run(["espeak-ng", "-v", "en-us", "-s", words_per_minute, "-w", wave, part], check=True)
                seconds += os.path.getsize(wave) / (22050 * 2)  # 16-bit mono at 22050 Hz
            print("%s: heading and four cards take %.1f s of speech (espeak-ng at %s words a minute)" %
                  (name, seconds, words_per_minute))


if __name__ == "__main__":
    main()
