"""The program under test: a fresh copy in a folder of its own, started on
the test display, and the base class of the scenarios."""

import shutil
import subprocess
import tempfile
import time
import unittest
from pathlib import Path

import desktop as xdesktop
import xlib
import xsession
from desktop import Desktop
from polling import wait_until

IDLE_TITLE = "PowerReels"
IDLE_CLIENT_SIZE = (334, 177)
WARNING_TITLE = "PowerReels - Warning!"
EXIT_TITLE = "PowerReels - Exit!"
SLIDESHOW_TITLE = "PowerReels - SlideShow!"
PALETTES = ["Rainbow", "Grey", "Red", "Green", "Blue", "Cyan", "Magenta", "Yellow"]

# The design's classic border: 3 pixels left, right and bottom, 22 at the top.
DESIGN_BORDER = (3, 3, 22, 3)

# Filled in by run_e2e.py before the scenarios run.
settings = {"session": None, "binary": None, "frame_dump": None, "artifacts": None,
            "keep": False}


class PowerReels:
    """One copy of the program, started from a folder that is not its own, so
    that its films must land beside the program and nowhere else."""

    def __init__(self, desktop, name, environment=None):
        self.desktop = desktop
        self.environment = environment or {}
        self.workdir = Path(tempfile.mkdtemp(prefix=f"powerreels-e2e-{name}-"))
        self.folder = self.workdir / "program"
        self.start_folder = self.workdir / "elsewhere"
        self.folder.mkdir()
        self.start_folder.mkdir()
        self.binary = self.folder / "powerreels"
        shutil.copy2(settings["binary"], self.binary)
        self.log_path = self.workdir / "program.log"
        self.process = None
        self.window = None
        self.titles = None

    def start(self):
        session = self.desktop.session
        self.titles = xlib.TitleRecord(session.display)
        env = session.environment()
        env["QT_QPA_PLATFORM"] = "xcb"
        env.update(self.environment)
        with open(self.log_path, "wb") as log:
            self.process = subprocess.Popen([str(self.binary)], cwd=self.start_folder, env=env,
                                            stdin=subprocess.DEVNULL, stdout=log,
                                            stderr=subprocess.STDOUT)
        self.window = self.desktop.wait_for_window(self.process.pid, IDLE_TITLE, timeout=20)
        if self.window is None:
            state = ("still running" if self.running()
                     else f"ended with status {self.process.returncode}")
            raise AssertionError(
                f"no window titled {IDLE_TITLE!r} appeared within 20 s of the start; the "
                f"program is {state}; its windows: {self.desktop.windows_of(self.process.pid)}; "
                f"all windows shown: {self.desktop.visible_windows()}; "
                f"its output: {self.log()!r}")
        self.first_look = (self.desktop.client_geometry(self.window),
                           self.desktop.frame_extents(self.window))
        self.wait_settled()
        self.desktop.focus(self.window)

    def wait_settled(self):
        """Waits until the window has stayed in one place for a moment, as
        a person would before clicking into it: a busy machine is still
        starting the program."""
        places = []
        samples = 12 if self.desktop.has_window_manager else 4

        def settled():
            places.append(self.desktop.client_geometry(self.window))
            return len(places) >= samples and len(set(places[-samples:])) == 1

        wait_until(settled, timeout=10, interval=0.1)

    def running(self):
        return self.process is not None and self.process.poll() is None

    def wait_ended(self, timeout):
        try:
            self.process.wait(timeout=timeout)
            return True
        except subprocess.TimeoutExpired:
            return False

    def title(self):
        return self.desktop.title(self.window)

    def recorded_titles(self):
        """Every title the window has had since the start, in order."""
        return [title for title, _ in self.recorded_changes()]

    def recorded_changes(self):
        """(title, X server time in ms) for every change of the title."""
        return self.titles.changes(self.window)

    def log(self):
        try:
            return self.log_path.read_text(errors="replace")[-2000:]
        except OSError:
            return ""

    def film_folders(self):
        return sorted(p.name for p in self.folder.iterdir() if p.is_dir())

    def stop(self, keep=False):
        """Ends a copy that a failed test left running and removes its folder."""
        if self.running():
            # Only a test that already failed gets here; the program treats
            # SIGTERM as the task manager's close.
            self.process.terminate()
            if not self.wait_ended(5):
                self.process.kill()
                self.process.wait()
        if self.titles is not None:
            self.titles.close()
        if keep:
            print(f"\n  kept: {self.workdir}", flush=True)
        else:
            shutil.rmtree(self.workdir, ignore_errors=True)


def film_folder_name(e_min, e_max, steps, pixels, palette):
    return f"eMin={e_min} eMax={e_max} Steps={steps} Pixels={pixels} {palette}"


class ProgramCase(unittest.TestCase):
    """Each test starts its own copy of the program on the shared display,
    with these variables added to its environment."""

    environment = {}

    def setUp(self):
        self.desktop = Desktop(settings["session"])
        self.addCleanup(self.desktop.close)
        self.app = PowerReels(self.desktop, self._testMethodName.removeprefix("test_"),
                              self.environment)
        self.addCleanup(self._stop_program)
        self.app.start()

    def _stop_program(self):
        result = getattr(getattr(self, "_outcome", None), "result", None)
        failed = result is not None and any(
            test is self for test, _ in result.failures + result.errors)
        # A failed test's program folder and output stay for a look.
        self.app.stop(keep=settings["keep"] or failed)

    # What a person does.

    def press(self, *keys):
        self.desktop.key(*keys)

    def type_text(self, text):
        self.desktop.type(text)

    def fill(self, access_key, text):
        """ALT + the field's access key, then the text."""
        self.press(f"alt+{access_key}")
        self.type_text(text)

    def enter_film(self, e_min, e_max, steps, pixels, palette="Rainbow"):
        self.fill("n", str(e_min))
        self.fill("x", str(e_max))
        self.fill("t", str(steps))
        self.fill("p", str(pixels))
        self.press("alt+o", "Home", *["Down"] * PALETTES.index(palette))

    def click_control(self, left, top, width, height):
        """A click in the middle of a control of the idle window, placed by
        the design (pixels inside the input frame, which sits 8 pixels in)."""
        self.desktop.click(self.app.window, 8 + left + width // 2, 8 + top + height // 2)

    def request_close(self):
        self.desktop.request_close(self.app.window)

    def screenshot(self, name, window=None, with_frame=False):
        # A window that has just appeared may not have painted yet.
        time.sleep(0.3)
        path = Path(settings["artifacts"]) / name
        self.desktop.screenshot(window or self.app.window, path, with_frame)
        return path

    # What a person sees.

    def wait_for_box(self, title, after, timeout=10):
        box = self.desktop.wait_for_window(self.app.process.pid, title, timeout)
        if box is None:
            self.fail(f"{after}: no box titled {title!r} appeared within {timeout} s; "
                      f"the program's windows: {self.desktop.windows_of(self.app.process.pid)}"
                      f"{'' if self.app.running() else ' (the program has ended)'}")
        self.desktop.focus(box)
        return box

    def answer_box(self, box, *keys):
        self.desktop.focus(box)
        self.press(*keys)
        gone = wait_until(lambda: box not in self.desktop.windows_of(self.app.process.pid), 10)
        if not gone:
            self.fail(f"the box {self.desktop.title(box)!r} did not close after "
                      f"{' '.join(keys)}")
        self.desktop.focus(self.app.window)

    def assert_whole_title(self, box, what):
        """Under a window manager the box's title bar shows its whole title,
        as a window wide enough for it shows it (not cut short with dots)."""
        if not self.desktop.has_window_manager:
            return
        title = self.desktop.title(box)
        whole = self.desktop.title_as_drawn(title)
        self.assertTrue(whole, f"{what}: no title found in a wide window titled {title!r}")
        self.desktop.focus(box)
        time.sleep(0.3)
        shown = xdesktop.title_bar_columns(self.desktop.title_bar_pixels(box))
        found = any(shown[x:x + len(whole)] == whole
                    for x in range(len(shown) - len(whole) + 1))
        if not found:
            path = self.screenshot(f"title-{what.replace(' ', '-')}.png", window=box,
                                   with_frame=True)
            self.fail(f"{what}: the title bar of the {len(shown)} pixels wide box does not "
                      f"show its whole title {title!r}, which needs {len(whole)} pixels of "
                      f"text ({path.name})")

    def assert_no_boxes(self, after):
        boxes = [title for window, title in self.desktop.windows_of(self.app.process.pid).items()
                 if window != self.app.window]
        if boxes:
            self.fail(f"{after}: the program opened {' and '.join(map(repr, boxes))}")

    def calculate(self, how, keys=("alt+c",), click=None, timeout=60):
        """Starts a film run (with keys, or a click on a control) and waits for
        the idle window's title and size; returns the titles the run showed."""
        start = len(self.app.recorded_titles())
        idle_size = self.desktop.client_geometry(self.app.window)[2:]
        if click:
            self.click_control(*click)
        else:
            self.press(*keys)
        return self.watch_run(start, lambda titles: len(titles) >= 2 and titles[-1] == IDLE_TITLE
                              and self.desktop.client_geometry(self.app.window)[2:] == idle_size,
                              how, "came back to the idle window", timeout)

    def watch_run(self, start, reached, how, goal, timeout=60):
        """Waits until reached(the titles since start) holds; fails at once
        when no film run started after all."""
        def state():
            titles = self.app.recorded_titles()[start:]
            if reached(titles):
                return "reached"
            if not self.app.running():
                return "ended"
            if not titles:
                windows = self.desktop.windows_of(self.app.process.pid).values()
                if WARNING_TITLE in windows:
                    return "warning"
                if SLIDESHOW_TITLE in windows:
                    return "slideshow"
            return None

        outcome = wait_until(state, timeout, interval=0.05)
        titles = self.app.recorded_titles()[start:]
        if outcome == "warning":
            self.fail(f"{how}: Calculate refused the parameters with a warning box "
                      "instead of starting the film")
        if outcome == "slideshow":
            self.fail(f"{how}: the SlideShow input box opened instead of a film run")
        if outcome == "ended":
            self.fail(f"{how}: the program ended during the film run")
        if outcome is None:
            self.fail(f"{how}: the film run never {goal} within {timeout} s; its last titles "
                      f"were {titles[-6:]}")
        return titles

    def assert_film_folder(self, expected, how):
        folders = self.app.film_folders()
        self.assertIn(expected, folders,
                      f"{how}: expected the film folder {expected!r} beside the program, "
                      f"found {folders}")

    def assert_idle_window(self, when, look=None):
        """At the first look given, or once the window manager resized it."""
        title = self.app.title()
        self.assertEqual(title, IDLE_TITLE, f"{when}: the window title is {title!r}")
        if look is None:
            wait_until(lambda: self.idle_window_fault() is None, timeout=10, interval=0.1)
        self.assertIsNone(self.idle_window_fault(look), when)

    def idle_window_fault(self, look=None):
        geometry, extents = look or (self.desktop.client_geometry(self.app.window),
                                     self.desktop.frame_extents(self.app.window))
        if geometry[2:] != IDLE_CLIENT_SIZE:
            return (f"the idle window's client area is {geometry[2]} x {geometry[3]} pixels, "
                    "not 334 x 177")
        if self.off_centre(geometry, extents) is None:
            return None
        corner, size, centred = self.off_centre(geometry, extents)
        return (f"the window is not centred on the {xsession.SCREEN_WIDTH} x "
                f"{xsession.SCREEN_HEIGHT} screen: its outer {size[0]} x {size[1]} window is at "
                f"{corner}, centred it would be at ({centred[0]:g}, {centred[1]:g})")

    def off_centre(self, geometry, extents):
        """None when the window is centred on the screen: the outer window, at
        its place as framed, of its real size or of the size that the design's
        classic border gives (the program assumes that border when the window
        manager does not tell its frame in time); else its corner, real size
        and centred corner."""
        x, y, width, height = geometry
        left, right, top, bottom = extents
        corner = (x - left, y - top)
        sizes = [(width + left + right, height + top + bottom),
                 (width + DESIGN_BORDER[0] + DESIGN_BORDER[1],
                  height + DESIGN_BORDER[2] + DESIGN_BORDER[3])]
        places = [((xsession.SCREEN_WIDTH - w) / 2, (xsession.SCREEN_HEIGHT - h) / 2)
                  for w, h in sizes]
        for centred in places:
            if abs(corner[0] - centred[0]) <= 2 and abs(corner[1] - centred[1]) <= 2:
                return None
        return corner, sizes[0], places[0]

    def assert_client_size(self, pixels, when):
        geometry = self.desktop.client_geometry(self.app.window)
        self.assertEqual(geometry[2:], (pixels, pixels),
                         f"{when}: the client area is {geometry[2]} x {geometry[3]} pixels, "
                         f"not {pixels} x {pixels}")

    def assert_ends(self, timeout, after):
        if not self.app.wait_ended(timeout):
            self.fail(f"{after}: the program did not end within {timeout} s; its windows: "
                      f"{self.desktop.windows_of(self.app.process.pid)}")
        self.assertEqual(self.app.process.returncode, 0,
                         f"{after}: the program ended with status "
                         f"{self.app.process.returncode}; its output: {self.app.log()!r}")

    def assert_still_running(self, after, settle=0.5):
        time.sleep(settle)
        if not self.app.running():
            self.fail(f"{after}: the program ended; its output: {self.app.log()!r}")
