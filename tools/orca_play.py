#!/usr/bin/env python3
"""Plays one whole game of Anagrams by keys alone while Orca listens.

Run by tools/orca-check.sh inside the display, D-Bus session and Orca that it
starts; not meant to be run by hand. Ann plays a game of two minutes alone:
she solves most of her words, lets one run out, asks where the game stands
with the status key in both, and plays on until the game is over. Every key goes in with xdotool, as a player's would, and the next
key waits for what Orca says (polling its debug file), never for a fixed
time. The letters of a turn are read off the board through the
accessibility bus, the way any assistive program sees them.

Writes OUT/speech.txt: each key or step, then what Orca said after it, with
the seconds since the program started. Then checks what was said (CHECKS
below), and that the program did not flood Orca with name changes, and exits
1 when a check fails.
"""

import argparse
import os
import re
import shutil
import subprocess
import sys
import time

import pyatspi

COLUMNS, ROWS = 13, 5


class Failure(Exception):
    pass


class Orca:
    """What Orca says, read from its debug file as it grows."""

    START = re.compile(r"^(\d\d):(\d\d):(\d\d\.\d+) - SPEECH OUTPUT: '")
    END = re.compile(r"'(?: voice=\S+)? ?\{.*\}\s*$")
    KEY_START = re.compile(r"^v{5} PROCESS \w*KEY_PRESSED_EVENT: ")
    KEY = re.compile(r"^\^{5} PROCESS \w*KEY_PRESSED_EVENT: ")
    # Each name change the program tells of, with the label's role name: the
    # part of its name before the colon ("counter", "score of player 1").
    RENAMED = re.compile(r" - EVENT MANAGER: object:property-change:accessible-name for \[label \| ([^:\]]*)")

    def __init__(self, path, transcript):
        self.file = open(path, encoding="utf-8", errors="replace")
        self.transcript = transcript
        self.spoken = []  # (seconds, text)
        self.cursor = 0  # the first utterance not yet matched by expect()
        self.keys_done = 0  # key presses Orca has finished with
        self.in_key = False  # between the lines that open and close one
        self.partial = ""
        self.pending = None  # an utterance whose text runs over several lines
        self.renamed = {}  # label role -> name changes

    def poll(self):
        chunk = self.file.read()
        if not chunk:
            return
        chunk = self.partial + chunk
        lines = chunk.split("\n")
        self.partial = lines.pop()  # not yet ended
        for line in lines:
            if self.pending is not None:
                self.pending[1] += "\n" + line
                if self.END.search(line):
                    self._said(*self.pending)
                    self.pending = None
                continue
            start = self.START.match(line)
            if start:
                h, m, s = start.groups()
                stamp = int(h) * 3600 + int(m) * 60 + float(s)
                rest = line[start.end():]
                if self.END.search(rest):
                    self._said(stamp, rest)
                else:
                    self.pending = [stamp, rest]
                continue
            renamed = self.RENAMED.search(line)
            if renamed:
                self.renamed[renamed.group(1)] = self.renamed.get(renamed.group(1), 0) + 1
            elif self.KEY_START.match(line):
                self.in_key = True
            elif self.KEY.match(line):
                self.keys_done += 1
                self.in_key = False
            elif line.endswith(" - SPEECH STOPPED"):
                h, m, sec = line.split(" - ")[0].split(":")
                self.transcript.stopped(int(h) * 3600 + int(m) * 60 + float(sec), self.in_key)

    def _said(self, stamp, rest):
        text = self.END.sub("", rest)
        self.spoken.append((stamp, text))
        self.transcript.said(stamp, text)

    def wait(self, predicate, timeout, what):
        deadline = time.monotonic() + timeout
        while True:
            self.poll()
            if predicate():
                return
            if time.monotonic() > deadline:
                raise Failure("%s: nothing after %.0f s; said since the last match: %s"
                              % (what, timeout, [t for _, t in self.spoken[self.cursor:]]))
            time.sleep(0.05)

    def expect(self, pattern, timeout=10):
        """Waits until Orca says something that matches; returns the match."""
        regex = re.compile(pattern)
        found = []

        def seen():
            for i in range(self.cursor, len(self.spoken)):
                match = regex.search(self.spoken[i][1])
                if match:
                    self.cursor = i + 1
                    found.append(match)
                    return True
            return False

        self.wait(seen, timeout, "waiting for Orca to say /%s/" % pattern)
        return found[0]

    def quiet(self, seconds=0.5, timeout=10):
        """Waits until Orca has said nothing for the given time."""
        self.poll()
        last = [len(self.spoken), time.monotonic()]

        def still():
            if len(self.spoken) != last[0]:
                last[:] = [len(self.spoken), time.monotonic()]
            return time.monotonic() - last[1] >= seconds

        self.wait(still, timeout, "waiting for Orca to fall quiet")
        self.cursor = len(self.spoken)

    def key(self, name, note=None):
        """Presses and lets go of a key, and waits until Orca has seen it.

        Orca hears of a key from the program's accessibility bridge, which
        passes on only what reaches a widget: a key that closes a box may
        arrive where nothing takes it, and Orca then never sees it."""
        self.poll()
        before = self.keys_done
        self.transcript.step("key %s" % name + (" (%s)" % note if note else ""))
        subprocess.run(["xdotool", "key", "--clearmodifiers", name], check=True)
        try:
            self.wait(lambda: self.keys_done > before, 3, "waiting for Orca to see the key %s" % name)
        except Failure:
            self.transcript.step("(Orca did not see the key %s)" % name)

    def type(self, text):
        for ch in text:
            self.key(ch)


class Transcript:
    """The record: steps, what Orca said, and when it silenced itself.

    Orca 43 queues what it says (speech-dispatcher's "message" priority) and
    empties the queue only when it stops: at a key press, or when a window
    loses the focus. So a line in the debug file is not yet a line heard. The
    record plays the queue at a steady rate (WORDS_PER_SECOND, about Orca's
    default voice) and marks "[cut by a window]" what a player would not have
    heard to the end because a window closing or opening stopped Orca. Key
    presses stop it too, and are played as such, but go unmarked: the script
    presses keys far sooner than a player would. An estimate, not a
    recording."""

    WORDS_PER_SECOND = 2.9
    GAP = 0.25  # seconds between two utterances

    def __init__(self, path):
        self.path = path
        self.entries = []  # ("step", text) | ("said", stamp, text) | ("stop", stamp, by_key)
        self.start = None

    def begin(self):
        """Times from now on count from the program's start."""
        now = time.localtime()
        self.start = now.tm_hour * 3600 + now.tm_min * 60 + now.tm_sec + time.time() % 1

    def step(self, text):
        self.entries.append(("step", text))

    def said(self, stamp, text):
        self.entries.append(("said", stamp, text))

    def stopped(self, stamp, by_key):
        self.entries.append(("stop", stamp, by_key))

    @classmethod
    def duration(cls, text):
        words = 0
        for word in text.split():
            # A number is read as several words: "742" as "seven hundred forty two".
            words += 1 + 2 * len(word.strip(".,!?:;").rstrip("s")) // 3 if word[:1].isdigit() else 1
        return cls.GAP + max(words, 1) / cls.WORDS_PER_SECOND

    def fates(self):
        """Why an utterance was not heard to the end, by its place in
        entries; utterances heard whole are left out."""
        fate = {}
        queue = []  # (index, start, end) not yet over
        free = 0.0
        for i, entry in enumerate(self.entries):
            if entry[0] == "said":
                begin = max(entry[1], free)
                free = begin + self.duration(entry[2])
                queue.append((i, begin, free))
            elif entry[0] == "stop":
                for j, begin, end in queue:
                    # Key echo ("space ", with Orca's trailing blank) is no news.
                    if end > entry[1] and not entry[2] and not self.entries[j][2].endswith(" "):
                        fate[j] = "cut by a window"
                queue = []
                free = entry[1]
        return fate

    def write(self):
        fate = self.fates()
        lines = []
        for i, entry in enumerate(self.entries):
            if entry[0] == "step":
                lines.append("-- " + entry[1])
            elif entry[0] == "said":
                mark = "  [%s]" % fate[i] if i in fate else ""
                lines.append("   %7.2f  %s%s" % (entry[1] - (self.start or entry[1]), entry[2], mark))
        with open(self.path, "w", encoding="utf-8") as f:
            f.write("\n".join(lines) + "\n")


# --- the program through the accessibility bus ----------------------------------------

def application(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        try:
            if app is not None and app.get_process_id() == pid:
                return app
        except Exception:
            pass
    return None


def descendants(node, depth=0):
    yield node
    if depth > 12:
        return
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from descendants(child, depth + 1)


def window(app, title):
    for i in range(app.childCount):
        w = app.getChildAtIndex(i)
        if w is not None and w.name == title:
            return w
    return None


CELL_PLACE = re.compile(r"row (\d+),? column (\d+)")
CELL_LETTER = re.compile(r"^(\S)(?:,|$)")


def read_board(screen):
    """The letters of the 65 cells, read from their accessible names (whatever
    their role: the board under the cursor may name the same cell)."""
    board = {}
    for node in descendants(screen):
        name = node.name or ""
        place = CELL_PLACE.search(name)
        if not place:
            continue
        row, column = int(place.group(1)), int(place.group(2))
        letter = CELL_LETTER.search(name)
        board[(row - 1) * COLUMNS + column - 1] = "" if "empty" in name else letter.group(1)
    if len(board) != COLUMNS * ROWS:
        raise Failure("found %d letter cells on the play window, not %d" % (len(board), COLUMNS * ROWS))
    return [board[i] for i in range(COLUMNS * ROWS)]


# --- the game ---------------------------------------------------------------------------

class Player:
    def __init__(self, args, orca, transcript):
        self.args = args
        self.orca = orca
        self.transcript = transcript
        self.work = os.path.join(args.out, "work")
        self.words = {}
        self.process = None
        self.app = None
        self.screen = None
        self.cursor = 0
        self.turns = []  # what happened to each turn
        self.slow = True

    def start(self):
        shutil.rmtree(self.work, ignore_errors=True)
        os.makedirs(self.work)
        for name in os.listdir(self.args.data):
            if name.startswith("LICENSE") or name.endswith(".md"):
                continue
            shutil.copy(os.path.join(self.args.data, name), self.work)
        with open(os.path.join(self.work, "dictionary.dic"), encoding="utf-8") as f:
            for line in f:
                word = line.strip()
                if word and word != "999":
                    self.words.setdefault("".join(sorted(word)), word)
        env = dict(os.environ, QT_QPA_PLATFORM="xcb")
        self.transcript.begin()
        self.transcript.step("the program starts")
        self.process = subprocess.Popen([self.args.program], cwd=self.work, env=env,
                                        stdout=open(os.path.join(self.args.out, "quarn.log"), "w"),
                                        stderr=subprocess.STDOUT)

    def find_app(self):
        deadline = time.monotonic() + 15
        while time.monotonic() < deadline:
            self.app = application(self.process.pid)
            if self.app is not None:
                return
            time.sleep(0.1)
        raise Failure("the program never showed up on the accessibility bus")

    def tab_to(self, pattern, key="Tab", most=12):
        """Tabs until Orca names the wanted control."""
        regex = re.compile(pattern)
        for _ in range(most):
            mark = len(self.orca.spoken)
            self.orca.key(key)
            self.orca.quiet(0.4)
            if any(regex.search(t) for _, t in self.orca.spoken[mark:]):
                return
        raise Failure("Tab never reached /%s/" % pattern)

    def settle(self):
        self.orca.quiet(0.5)

    def set_up(self):
        self.orca.expect(r"Anagrams push button", 20)
        self.find_app()
        self.settle()
        # "Play Game" with nothing set up: three boxes say what is missing.
        self.tab_to(r"Play Game push button")
        self.orca.key("space", "Play Game with nothing set up")
        for missing in ("the game you want to play", "the game time", "any players names"):
            self.orca.expect(missing)
            self.settle()
            self.orca.key("Return", "answer the box")
        self.settle()
        self.tab_to(r"Anagrams push button", "shift+Tab")
        self.orca.key("space", "select Anagrams")
        self.settle()
        self.tab_to(r"Enter Player Names push button")
        self.orca.key("space", "open the names window")
        self.orca.expect(r"name of player 1")
        self.settle()
        self.orca.type("Ann")
        self.settle()
        self.tab_to(r"Exit push button")
        self.orca.key("space", "back to the main menu")
        self.settle()
        self.tab_to(r"Enter length of Game push button", "shift+Tab")
        self.orca.key("space", "open the game length window")
        self.orca.expect(r"game length in minutes")
        self.settle()
        self.orca.key("Home", "the shortest game, 2 minutes")
        self.orca.expect(r"\b2\b")
        # The window reads its slider every tenth of a second.
        length = window(self.app, "Enter Length of Game")

        def two_minutes():
            return any(n.name == "minutes: 2" for n in descendants(length))

        self.orca.wait(two_minutes, 5, "waiting for the window to show 2 minutes")
        self.settle()
        self.tab_to(r"Exit push button")
        self.orca.key("space", "back to the main menu")
        self.settle()
        self.tab_to(r"Play Game push button")
        self.orca.key("space", "Play Game")

    def answer_ready(self):
        """Waits for the next turn's box, or the end of the game; answers it."""
        match = self.orca.expect(r"Are you ready Ann|GAME OVER", 130)
        self.settle()
        self.orca.key("Return", "answer the box")
        return match.group(0) == "Are you ready Ann"

    def move_to(self, cell):
        while self.cursor != cell:
            if self.cursor // COLUMNS != cell // COLUMNS:
                self.orca.key("Down")
                self.cursor = (self.cursor + COLUMNS) % (COLUMNS * ROWS)
            else:
                step = 1 if cell > self.cursor else -1
                self.orca.key("Right" if step > 0 else "Left")
                self.cursor += step
            if self.slow:
                self.settle()

    def pick(self):
        self.orca.key("space", "pick")
        if self.slow:
            self.settle()

    def solve(self, slow):
        """Puts the turn's letters in order along the top row and checks them."""
        self.slow = slow
        self.settle()
        if self.screen is None:
            self.screen = window(self.app, "Game Screen")
        board = read_board(self.screen)
        letters = [c for c in board if c]
        word = self.words.get("".join(sorted(letters)))
        if word is None:
            raise Failure("no word in the dictionary is made of %s" % letters)
        self.transcript.step("the board holds %s; Ann spells %s" % ("".join(letters), word))
        # The first arrow of a turn shows the cursor on the top-left cell.
        self.cursor = 0
        self.orca.key("Right", "show the cursor")
        self.settle()
        if slow:
            self.status()
        row = board[:len(word)]
        for i, want in enumerate(word):
            if row[i] == want:
                continue
            j = next(k for k in range(i + 1, len(word)) if row[k] == want and row[k] != word[k])
            self.move_to(i)
            self.pick()
            self.move_to(j)
            self.pick()
            row[i], row[j] = row[j], row[i]
        self.settle()
        board = read_board(self.screen)
        if "".join(board[:len(word)]) != word:
            raise Failure("the top row reads %s, not %s" % ("".join(board[:len(word)]), word))
        self.tab_to(r"Finished ! Check")
        self.orca.key("space", "check the word")
        self.orca.expect(r"OK push button", 30)
        self.settle()
        self.orca.key("space", "OK on the result")
        self.turns.append("solved")

    def status(self):
        self.orca.key("F2", "the status key")
        self.orca.expect(STATUS)
        self.settle()

    def run_out(self):
        self.settle()
        self.status()
        self.transcript.step("Ann waits for the counter to run out")
        self.orca.expect(r"Out of time", 70)
        self.settle()
        self.orca.key("Return", "answer Out of time")
        self.turns.append("ran out")

    def play(self):
        self.set_up()
        turn = 0
        while self.answer_ready():
            turn += 1
            self.transcript.step("turn %d" % turn)
            if turn == 2:
                self.run_out()
            else:
                self.solve(slow=turn == 1)
        self.settle()
        self.orca.key("ctrl+q", "end the program")
        try:
            self.process.wait(10)
        except subprocess.TimeoutExpired:
            raise Failure("the program did not end on Ctrl+Q")


# --- what Orca must have said --------------------------------------------------------------

STATUS = r"^notification Score: (\d+|Time Up !)\. Game time left: \d+:\d\d\. Ann, score \d+\."

# (what, pattern). What Orca says must also be heard: a line cut off by a
# window (see Transcript) does not count.
CHECKS = [
    ("the main menu's buttons", r"^Anagrams push button"),
    ("a box of Play Game", r"You haven't entered any players names"),
    ("the names box", r"name of player 1"),
    ("the slider", r"game length in minutes slider"),
    ("the Are you ready box", r"Are you ready Ann"),
    ("the turn caption", r"^notification Ann's turn\.$"),
    ("a cell with its letter, row and column", r"^\w, row \d column \d+\.$"),
    ("a picked cell said again", r"^\w, row \d column \d+, picked\.$"),
    ("the status key", STATUS),
    ("Time Up !", r"^notification Time Up !"),
    ("Out of time", r"Out of time"),
    ("the result's points", r"^alert You Scored \d+ Pts\.$"),
    ("the seat's score after the tally", r"^notification Ann, score \d+\.$"),
    ("the new high score", r"^notification Well Done Ann: a new high score of \d+\.$"),
    ("the winner with the score", r"^notification The winner is Ann with a score of \d+\.$"),
    ("GAME OVER", r"GAME OVER"),
]

# The labels that change fastest, the turn counter and the seats' scores, tell
# a screen reader where they stop, not every tick or point: at most this many
# times a turn.
RENAMES_PER_TURN = 3


def check(transcript, renamed, turns):
    fate = transcript.fates()
    spoken = [(i, e[2]) for i, e in enumerate(transcript.entries) if e[0] == "said"]
    failed = 0
    for what, pattern in CHECKS:
        regex = re.compile(pattern)
        said = [(i, text) for i, text in spoken if regex.search(text)]
        heard = [text for i, text in said if i not in fate]
        if heard:
            print("ok       %s: %r" % (what, heard[0]))
            continue
        why = "said but cut off: %r" % said[0][1] if said else "nothing matched /%s/" % pattern
        print("FAIL     %s: %s" % (what, why))
        failed += 1
    busiest = {role: count for role, count in renamed.items() if role == "counter" or role.startswith("score of")}
    most = max(busiest.values(), default=0)
    print("%-8s name changes in %d turns: %s" % ("ok" if most <= RENAMES_PER_TURN * max(turns, 1) else "FAIL", turns,
                                              ", ".join("%s %d" % item for item in sorted(renamed.items()))))
    return failed + (most > RENAMES_PER_TURN * max(turns, 1))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--program", required=True)
    parser.add_argument("--data", required=True)
    parser.add_argument("--debug-file", required=True)
    parser.add_argument("--out", required=True)
    args = parser.parse_args()

    transcript = Transcript(os.path.join(args.out, "speech.txt"))
    orca = Orca(args.debug_file, transcript)
    player = Player(args, orca, transcript)
    began = time.monotonic()
    status = 0
    try:
        player.start()
        player.play()
    except Failure as failure:
        print("FAIL: %s" % failure)
        status = 1
    finally:
        if player.process and player.process.poll() is None:
            player.process.kill()
        orca.poll()
        transcript.write()
    print("played %s in %.0f s" % (", ".join(player.turns) or "no turn", time.monotonic() - began))
    if check(transcript, orca.renamed, len(player.turns)):
        status = 1
    return status


if __name__ == "__main__":
    sys.exit(main())
