#!/usr/bin/python3
"""Window monkey: drives the running sw4 window on an X display with seeded random input and
watches it from outside. Run through scripts/monkey.sh, which brings up the display.

Input: clicks anywhere in the window (left, middle, right), double-clicks, drags, the wheel,
typing (digits, letters, hostile numbers, long strings, non-ASCII), pastes of such texts from a
clipboard this tool owns, Tab, Enter, Space and other keys, the window's shortcuts, resizes
(now and then far beyond the screen), maximising, and bursts of pausing and resuming while the
tick runs. Dialogs that open are dismissed. At the end the window is closed as a user would.

Fails on a sanitizer's report or an unexpected exception on sw4's standard error, a crash or a
non-zero exit, a hang (the status beat written by sw4's event loop stops, or the tick counter
stops while the tick timer runs), or resident memory above the bound it prints. The input
depends on the seed alone: --seed S --actions N replays the first N actions of a run.
"""
import argparse
import os
import random
import signal
import subprocess
import sys
import time

from Xlib import X, XK, Xatom, display, error, protocol
from Xlib.ext import xtest

HOSTILE = ["", " ", "-", "+", ".", "1e999", "-1e999", "1e308", "1E-400", "NaN", "nan", "inf",
           "-0", "0", "00000000000000000000001", "9" * 40, "32767", "32768", "-32769",
           "2147483648", "&H7FFF", "&HFFFF", "1,5", "1.5.5", "1e", "e5", "--1", "0x1F", "½",
           "éàü", "١٢٣", "1 2 3", "\t5", "999999", "1000", "-1000", "0.000001", "3.14159",
           "1d5", "1#", "%", "$", "(1)", "'", "\"", "\\"]
TEXT_CHARS = "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ .,-+eE&#%()"

# Shortcuts of the window (some may not exist yet: an unbound key does nothing). Ctrl+Q and
# closing are left for the end.
SHORTCUTS = [["Control_L", "Return"], ["Pause"], ["Control_L", "p"], ["Control_L", "l"],
             ["F11"], ["F1"], ["Escape"], ["Control_L", "n"], ["Control_L", "s"],
             ["Control_L", "t"], ["Control_L", "r"], ["Control_L", "z"], ["F5"], ["F2"]]
KEYS = ["Tab", "Return", "space", "Escape", "BackSpace", "Delete", "Home", "End", "Left",
        "Right", "Up", "Down", "Prior", "Next", "KP_Enter", "Menu"]
PAUSE_KEYS = [["Pause"], ["Control_L", "p"]]


class Finding(Exception):
    pass


NEW_DISPLAY = 75  # exit status: try again on a new display


class Screen:
    """The display, fake input through XTEST, and the clipboard this tool offers."""

    def __init__(self):
        self.d = display.Display()
        self.root = self.d.screen().root
        self.width = self.d.screen().width_in_pixels
        self.height = self.d.screen().height_in_pixels
        self.atoms = {}
        self.spare = self.spare_keycode()
        self.owner = self.root.create_window(0, 0, 1, 1, 0, X.CopyFromParent)
        self.clip = b""

    def atom(self, name):
        if name not in self.atoms:
            self.atoms[name] = self.d.intern_atom(name)
        return self.atoms[name]

    def spare_keycode(self):
        lo = self.d.display.info.min_keycode
        hi = self.d.display.info.max_keycode
        mapping = self.d.get_keyboard_mapping(lo, hi - lo + 1)
        for i in range(len(mapping) - 1, -1, -1):
            if not any(mapping[i]):
                return lo + i
        return hi

    def clients_of(self, pid):
        """Top-level windows of process pid, as the window manager lists them."""
        prop = self.root.get_full_property(self.atom("_NET_CLIENT_LIST"), Xatom.WINDOW)
        found = []
        for wid in (prop.value if prop else []):
            w = self.d.create_resource_object("window", wid)
            try:
                p = w.get_full_property(self.atom("_NET_WM_PID"), Xatom.CARDINAL)
                if p and p.value[0] == pid:
                    found.append(w)
            except error.XError:
                pass
        return found

    def geometry(self, w):
        """Root position and size of the window's client area."""
        g = w.get_geometry()
        t = w.translate_coords(self.root, 0, 0)
        return -t.x, -t.y, g.width, g.height

    def pump(self, seconds):
        """Waits, answering clipboard requests meanwhile."""
        end = time.monotonic() + seconds
        while True:
            while self.d.pending_events():
                self.answer(self.d.next_event())
            left = end - time.monotonic()
            if left <= 0:
                return
            time.sleep(min(left, 0.01))

    def answer(self, e):
        if e.type != X.SelectionRequest:
            return
        prop = e.property or e.target
        if e.target == self.atom("TARGETS"):
            e.requestor.change_property(prop, Xatom.ATOM, 32,
                                        [self.atom("TARGETS"), self.atom("UTF8_STRING"),
                                         Xatom.STRING])
        elif e.target in (self.atom("UTF8_STRING"), Xatom.STRING, self.atom("TEXT")):
            e.requestor.change_property(prop, e.target, 8, self.clip)
        else:
            prop = X.NONE
        reply = protocol.event.SelectionNotify(time=e.time, requestor=e.requestor,
                                               selection=e.selection, target=e.target,
                                               property=prop)
        e.requestor.send_event(reply)
        self.d.flush()

    def offer(self, text):
        self.clip = text.encode("utf-8", "surrogatepass")
        for sel in ("CLIPBOARD", "PRIMARY"):
            self.owner.set_selection_owner(self.atom(sel), X.CurrentTime)
        self.d.sync()

    def move(self, x, y):
        xtest.fake_input(self.d, X.MotionNotify, x=int(x), y=int(y))

    def button(self, b, down):
        xtest.fake_input(self.d, X.ButtonPress if down else X.ButtonRelease, b)

    def keycode(self, name):
        sym = XK.string_to_keysym(name)
        if sym == 0 and len(name) == 1:
            sym = ord(name) if ord(name) < 0x100 else 0x01000000 | ord(name)
        code = self.d.keysym_to_keycode(sym)
        shifted = False
        if code:
            shifted = self.d.keycode_to_keysym(code, 0) != sym
            return code, shifted
        # Not on the keyboard: put it on the spare key for this one press.
        self.d.change_keyboard_mapping(self.spare, [(sym, sym)])
        self.d.sync()
        return self.spare, False

    def key(self, name, down):
        code, _ = self.keycode(name)
        xtest.fake_input(self.d, X.KeyPress if down else X.KeyRelease, code)

    def chord(self, names):
        for n in names:
            self.key(n, True)
        for n in reversed(names):
            self.key(n, False)
        self.d.sync()

    def type_char(self, ch):
        name = {" ": "space", "\t": "Tab", "\n": "Return"}.get(ch, ch)
        code, shifted = self.keycode(name)
        if shifted:
            xtest.fake_input(self.d, X.KeyPress, self.d.keysym_to_keycode(XK.XK_Shift_L))
        xtest.fake_input(self.d, X.KeyPress, code)
        xtest.fake_input(self.d, X.KeyRelease, code)
        if shifted:
            xtest.fake_input(self.d, X.KeyRelease, self.d.keysym_to_keycode(XK.XK_Shift_L))
        self.d.sync()

    def client_message(self, w, name, data):
        ev = protocol.event.ClientMessage(window=w, client_type=self.atom(name),
                                          data=(32, data + [0] * (5 - len(data))))
        self.root.send_event(ev, event_mask=X.SubstructureRedirectMask |
                             X.SubstructureNotifyMask)
        self.d.sync()


class App:
    """sw4 as a child process, with its status beat, memory and standard error watched."""

    def __init__(self, args, workdir):
        self.args = args
        self.workdir = workdir
        self.status = os.path.join(workdir, "status")
        self.runs = 0
        self.proc = None
        self.err_seen = 0

    def start(self, screen):
        self.runs += 1
        self.errfile = os.path.join(self.workdir, "sw4-stderr.%d.log" % self.runs)
        home = os.path.join(self.workdir, "home")
        os.makedirs(home, exist_ok=True)
        stubs = os.path.join(self.workdir, "bin")
        os.makedirs(stubs, exist_ok=True)
        for tool in ("xdg-open", "x-www-browser", "sensible-browser"):
            path = os.path.join(stubs, tool)
            with open(path, "w") as f:
                f.write("#!/bin/sh\nexit 0\n")  # web links open nothing
            os.chmod(path, 0o755)
        env = dict(os.environ, SW4_STATUS_FILE=self.status, HOME=home,
                   PATH=stubs + ":" + os.environ.get("PATH", ""))
        if os.path.exists(self.status):
            os.remove(self.status)
        self.proc = subprocess.Popen([self.args.app], cwd=home, env=env,
                                     stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                     stderr=open(self.errfile, "wb"))
        self.err_seen = 0
        self.find_window(screen, 120)
        self.beat, self.ticks, self.running = self.read_status()
        self.beat_at = self.ticks_at = time.monotonic()

    def find_window(self, screen, seconds):
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            if not self.check_alive():
                return
            try:
                wins = [w for w in screen.clients_of(self.proc.pid)
                        if (w.get_wm_name() or "").startswith("SW4")]
            except error.XError:
                wins = []
            if wins and os.path.exists(self.status):
                self.window = wins[0]
                return
            screen.pump(0.1)
        raise Finding("hang: no window within %d s" % seconds)

    beat = ticks = 0
    running = False

    controls = []

    def read_status(self):
        try:
            with open(self.status) as f:
                lines = f.read().splitlines()
            words = lines[0].split()
            found = [l.split() for l in lines[1:] if l.startswith("control ")]
            self.controls = [(w[1], int(w[2]), int(w[3]), int(w[4]), int(w[5]))
                             for w in found if len(w) == 6]
            return int(words[1]), int(words[3]), words[5] == "1"
        except (OSError, IndexError, ValueError):
            return self.beat, self.ticks, self.running

    def rss_kb(self):
        try:
            with open("/proc/%d/status" % self.proc.pid) as f:
                for line in f:
                    if line.startswith("VmRSS:"):
                        return int(line.split()[1])
        except OSError:
            pass
        return 0

    def check_errors(self):
        with open(self.errfile, "rb") as f:
            f.seek(self.err_seen)
            text = f.read().decode("utf-8", "replace")
        for marker in ("ERROR: AddressSanitizer", "ERROR: LeakSanitizer", "runtime error:",
                       "sw4: unexpected exception", "AddressSanitizer:DEADLYSIGNAL"):
            at = text.find(marker)
            if at >= 0:
                raise Finding("report on standard error (%s):\n%s" % (self.errfile,
                                                                        text[at:at + 3000]))
        # Only whole lines count as read: a report still being written is read again.
        cut = text.rfind("\n") + 1
        self.err_seen += len(text[:cut].encode("utf-8", "replace"))

    def check_alive(self):
        code = self.proc.poll()
        if code is None:
            return True
        self.check_errors()
        if code != 0:
            raise Finding("sw4 ended with %s" % (
                "signal %d" % -code if code < 0 else "exit status %d" % code))
        return False

    def probe(self, now, hang_s, stall_s):
        beat, ticks, running = self.read_status()
        if beat != self.beat:
            self.beat, self.beat_at = beat, now
        elif now - self.beat_at > hang_s:
            raise Finding("hang: the event loop has not written its beat for %d s" % hang_s)
        if ticks != self.ticks or not running or not self.running:
            self.ticks_at = now
        elif now - self.ticks_at > stall_s:
            raise Finding("hang: the tick timer runs but the counter stayed at %d for %d s"
                          % (ticks, stall_s))
        self.ticks, self.running = ticks, running


class Monkey:
    def __init__(self, args):
        self.args = args
        self.rng = random.Random(args.seed)
        self.screen = Screen()
        os.makedirs(args.out, exist_ok=True)
        self.app = App(args, args.out)
        self.log = open(os.path.join(args.out, "actions.log"), "w")
        self.actions = 0
        self.dialogs = 0
        self.restarts = 0
        self.max_rss = 0
        self.rss_samples = []

    def say(self, text):
        print("monkey: " + text, flush=True)

    # -- input ---------------------------------------------------------------------------------
    def point(self):
        x, y, w, h = self.screen.geometry(self.app.window)
        r = self.rng
        px = x + int(r.random() * max(w, 1))
        py = y + int(r.random() * max(h, 1))
        return min(max(px, 0), self.screen.width - 1), min(max(py, 0), self.screen.height - 1)

    def text(self):
        r = self.rng
        kind = r.random()
        if kind < 0.4:
            return r.choice(HOSTILE)
        if kind < 0.7:
            return str(r.choice([r.randint(-50, 1200), round(r.uniform(-1e4, 1e4), r.randint(0, 9))]))
        n = r.choice([1, 3, 8, 40, 300])
        return "".join(r.choice(TEXT_CHARS) for _ in range(n))

    def act(self):
        r, s = self.rng, self.screen
        kind = r.choices(["click", "control", "double", "right", "middle", "drag", "wheel",
                          "type", "paste", "key", "tabwalk", "shortcut", "resize", "maximise",
                          "pauses", "wait"],
                         [16, 16, 6, 2, 2, 3, 4, 14, 4, 12, 2, 9, 2, 1, 2, 3])[0]
        detail = kind
        if kind == "control":
            # A control sw4 lists as clickable now; which one the seed picks among them depends
            # on what is on show, so this is the one input that follows the window's state.
            pick, fx, fy, dbl = r.random(), r.random(), r.random(), r.random() < 0.15
            # Not "X" (Command1): aimed at, it would end the program every minute or so.
            controls = [c for c in self.app.controls if c[0] != "Command1"]
            if r.random() < 0.3:  # the buttons, more often than their share
                controls = [c for c in controls if c[0].startswith("Command")] or controls
            if controls:
                name, cx, cy, cw, ch = controls[int(pick * len(controls))]
                x, y, _, _ = s.geometry(self.app.window)
                px = min(max(x + cx + int(fx * cw), 0), s.width - 1)
                py = min(max(y + cy + int(fy * ch), 0), s.height - 1)
                s.move(px, py)
                for _ in range(2 if dbl else 1):
                    s.button(1, True)
                    s.button(1, False)
                detail = "control %s %s" % (name, "double" if dbl else "click")
        elif kind in ("click", "double", "right", "middle"):
            x, y = self.point()
            s.move(x, y)
            b = {"right": 3, "middle": 2}.get(kind, 1)
            for _ in range(2 if kind == "double" else 1):
                s.button(b, True)
                s.button(b, False)
            detail = "%s %d %d" % (kind, x, y)
        elif kind == "drag":
            x, y = self.point()
            x2, y2 = self.point()
            s.move(x, y)
            s.button(1, True)
            s.d.sync()
            s.pump(0.02)
            s.move(x2, y2)
            s.button(1, False)
            detail = "drag %d %d %d %d" % (x, y, x2, y2)
        elif kind == "wheel":
            x, y = self.point()
            s.move(x, y)
            b = r.choice([4, 5])
            n = r.randint(1, 6)
            for _ in range(n):
                s.button(b, True)
                s.button(b, False)
            detail = "wheel %d %d %s" % (x, y, ("up" if b == 4 else "down") * 1 + " x%d" % n)
        elif kind == "type":
            t = self.text()
            for ch in t:
                s.type_char(ch)
            if r.random() < 0.5:
                s.chord([r.choice(["Tab", "Return"])])
            detail = "type %r" % t
        elif kind == "paste":
            t = self.text() if r.random() < 0.7 else "\n".join(self.text() for _ in range(3))
            s.offer(t)
            if r.random() < 0.7:
                s.chord(["Control_L", "v"])
            else:
                x, y = self.point()
                s.move(x, y)
                s.button(2, True)
                s.button(2, False)
            detail = "paste %r" % t
        elif kind == "key":
            k = r.choice(KEYS + [["Shift_L", "Tab"], ["Control_L", "a"], ["Control_L", "c"],
                                 ["Control_L", "x"]])
            s.chord(k if isinstance(k, list) else [k])
            detail = "key %s" % k
        elif kind == "tabwalk":
            # Along the focus chain, then press what is there: every button in time.
            n = r.randint(1, 60)
            for _ in range(n):
                s.chord(["Tab"])
            k = r.choice(["space", "Return"])
            s.chord([k])
            detail = "tabwalk %d %s" % (n, k)
        elif kind == "shortcut":
            k = r.choice(SHORTCUTS)
            s.chord(k)
            detail = "shortcut %s" % "+".join(k)
        elif kind == "resize":
            if r.random() < 0.15:
                w, h = r.choice([(32767, 32767), (9000, 300), (300, 9000), (8193, 8193)])
            else:
                w, h = r.randint(1, 1800), r.randint(1, 1200)
            self.app.window.configure(width=w, height=h)
            detail = "resize %d %d" % (w, h)
        elif kind == "maximise":
            s.client_message(self.app.window, "_NET_WM_STATE",
                             [2, s.atom("_NET_WM_STATE_MAXIMIZED_VERT"),
                              s.atom("_NET_WM_STATE_MAXIMIZED_HORZ"), 1])
            detail = "maximise toggle"
        elif kind == "pauses":
            keys = [r.choice(PAUSE_KEYS) for _ in range(r.randint(2, 6))]
            gaps = [r.choice([0, 0.01, 0.05, 0.3, 1.0]) for _ in keys]
            for k, gap in zip(keys, gaps):
                s.chord(k)
                s.pump(gap)
            detail = "pauses %s" % " ".join("+".join(k) + "/%g" % g for k, g in zip(keys, gaps))
        elif kind == "wait":
            w = r.choice([0.2, 0.5, 1, 3])
            s.pump(w)
            detail = "wait %g" % w
        s.d.sync()
        self.actions += 1
        self.log.write("%d %s\n" % (self.actions, detail))
        return r.choice([0, 0.005, 0.02, 0.05, 0.1])

    def dismiss_dialogs(self):
        """Every other window of sw4 is a dialog: Escape, then its close, until it is gone."""
        for attempt in range(40):
            others = [w for w in self.screen.clients_of(self.app.proc.pid)
                      if w.id != self.app.window.id]
            if not others:
                return
            if attempt == 0:
                self.dialogs += 1
                try:
                    self.log.write("  dialog %s\n" % (others[0].get_wm_name() or "?"))
                except error.XError:
                    pass
            w = others[-1]
            if attempt < 10:
                self.screen.client_message(w, "_NET_ACTIVE_WINDOW", [2, X.CurrentTime])
                self.screen.pump(0.05)
                self.screen.chord(["Escape"])
            else:
                self.screen.client_message(w, "_NET_CLOSE_WINDOW", [X.CurrentTime, 2])
            self.screen.pump(0.2)
            self.app.check_alive()
        raise Finding("hang: a dialog stayed open after 40 attempts to close it")

    # -- the run -------------------------------------------------------------------------------
    def watch(self, now):
        a = self.app
        if not a.check_alive():
            return False
        a.check_errors()
        a.probe(now, self.args.hang, self.args.stall)
        rss = a.rss_kb()
        self.max_rss = max(self.max_rss, rss)
        if rss > self.args.rss_mb * 1024:
            raise Finding("resident memory %d MB above the bound of %d MB" % (rss // 1024,
                                                                            self.args.rss_mb))
        return True

    def run(self):
        a = self.args
        self.say("seed %d, %s, resident memory bound %d MB, hang after %d s (beat) / %d s "
                 "(ticks), display %s %dx%d" % (
                     a.seed, "%d actions" % a.actions if a.actions else "%g minutes" % a.minutes,
                     a.rss_mb, a.hang, a.stall, os.environ.get("DISPLAY"), self.screen.width,
                     self.screen.height))
        try:
            self.app.start(self.screen)
        except Finding as f:
            # No action has run yet: a window the fresh display never showed is the display's
            # fault as often as the app's; monkey.sh tries again on a new display.
            self.say("no window at the start (%s): the display is given up" % f)
            if self.app.proc and self.app.proc.poll() is None:
                self.app.proc.send_signal(signal.SIGKILL)
                self.app.proc.wait()
            return NEW_DISPLAY
        self.screen.chord(["Control_L", "Return"])  # "Go", so the tick runs from the start
        t0 = time.monotonic()
        next_watch = next_sample = t0
        end = t0 + a.minutes * 60
        try:
            while (self.actions < a.actions) if a.actions else (time.monotonic() < end):
                now = time.monotonic()
                if now >= next_watch:
                    next_watch = now + 1
                    if not self.watch(now):
                        # Ended by itself with status 0: a click on "X". Start again.
                        self.restarts += 1
                        self.log.write("  ended by itself (\"X\"?): restart %d\n" % self.restarts)
                        self.app.start(self.screen)
                        continue
                    self.dismiss_dialogs()
                if now >= next_sample:
                    next_sample = now + 60
                    self.rss_samples.append(self.app.rss_kb())
                    self.say("%d min: %d actions, RSS %d kB, ticks %d" % (
                        (now - t0) // 60, self.actions, self.rss_samples[-1], self.app.ticks))
                try:
                    self.screen.pump(self.act())
                    self.dismiss_dialogs() if self.rng.random() < 0.2 else None
                except error.XError:
                    # The window went away under an action: the process ended (watched next),
                    # or sw4 made a new native window (found again).
                    next_watch = 0
                    if self.app.proc.poll() is None:
                        self.app.find_window(self.screen, 30)
            self.finish()
        except Finding as f:
            self.fail(str(f))
        except error.XError as e:
            self.fail("X error: %s" % e)
        minutes = (time.monotonic() - t0) / 60
        self.say("%d actions in %.1f minutes, %d dialogs dismissed, %d restarts after \"X\", "
                 "%d ticks at the end, max RSS %d kB, RSS each minute (kB): %s" % (
                     self.actions, minutes, self.dialogs, self.restarts, self.app.ticks,
                     self.max_rss, " ".join(str(k) for k in self.rss_samples)))
        self.say("0 findings" if self.failed is None else "FAILED: " + self.failed)
        return 0 if self.failed is None else 1

    failed = None

    def stacks(self):
        """Every thread's stack of a hung sw4, into the output folder, before it is killed."""
        path = os.path.join(self.args.out, "hang-stacks.txt")
        try:
            with open(path, "w") as f:
                subprocess.run(["gdb", "-p", str(self.app.proc.pid), "-batch", "-nx",
                                "-ex", "thread apply all bt 40"], stdout=f,
                               stderr=subprocess.STDOUT, timeout=120)
            self.say("stacks of every thread: %s" % path)
        except (OSError, subprocess.TimeoutExpired) as e:
            self.say("no stacks (%s)" % e)

    def fail(self, why):
        self.failed = why
        self.log.flush()
        if why.startswith("hang") and self.app.proc and self.app.proc.poll() is None:
            self.stacks()
        self.say("finding after action %d: %s" % (self.actions, why))
        self.say("replay: scripts/monkey.sh --seed %d --actions %d" % (self.args.seed,
                                                                      self.actions))
        if self.app.proc and self.app.proc.poll() is None:
            self.app.proc.send_signal(signal.SIGKILL)
            self.app.proc.wait()

    def finish(self):
        """Closes the window as a user would and waits for a clean end (the leak check)."""
        self.dismiss_dialogs()
        self.watch(time.monotonic())
        self.screen.client_message(self.app.window, "_NET_CLOSE_WINDOW", [X.CurrentTime, 2])
        deadline = time.monotonic() + 120
        while self.app.proc.poll() is None:
            if time.monotonic() > deadline:
                raise Finding("hang: still running 120 s after its window was closed")
            self.screen.pump(0.1)
        self.app.check_alive()
        self.app.check_errors()
        self.log.close()


def main():
    p = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    p.add_argument("--app", required=True)
    p.add_argument("--seed", type=int, default=None)
    p.add_argument("--minutes", type=float, default=2)
    p.add_argument("--actions", type=int, default=0, help="a number of actions instead of minutes")
    p.add_argument("--rss-mb", type=int, default=1500)
    p.add_argument("--hang", type=int, default=60)
    p.add_argument("--stall", type=int, default=90)
    p.add_argument("--out", default="/tmp/sw4-monkey")
    a = p.parse_args()
    # sw4 runs in a home of its own under it, where a relative path would name another place.
    a.out = os.path.abspath(a.out)
    if a.seed is None:
        a.seed = random.SystemRandom().randrange(1, 2**31)
    return Monkey(a).run()


if __name__ == "__main__":
    sys.exit(main())
