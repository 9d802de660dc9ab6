"""A private X display: Xvfb on a free display number, optionally with the
openbox window manager, stopped again whatever happens."""

import os
import select
import shutil
import subprocess
import tempfile
import time

import xlib
from polling import wait_until
from processes import stop_process

SCREEN_WIDTH = 1280
SCREEN_HEIGHT = 1024

# Each command the tests run, and the Debian package that brings it.
REQUIRED_TOOLS = {"Xvfb": "xvfb", "xdotool": "xdotool", "xwd": "x11-apps",
                  "convert": "imagemagick"}
WINDOW_MANAGERS = {"openbox": "openbox"}


def missing_packages(tools):
    return sorted({package for tool, package in tools.items() if shutil.which(tool) is None})


class XSession:
    """Xvfb (and a window manager) for the length of a with-block."""

    def __init__(self, window_manager=None, log_folder=None):
        self.window_manager = window_manager
        self.display = None
        self._home = tempfile.mkdtemp(prefix="powerreels-e2e-home-")
        self._log_folder = log_folder or self._home
        self._xvfb = None
        self._wm = None

    def __enter__(self):
        try:
            self._start_xvfb()
            if self.window_manager:
                self._start_window_manager()
        except BaseException:
            self.stop()
            raise
        return self

    def __exit__(self, *exc):
        self.stop()

    def environment(self):
        """The environment for a client of this display only."""
        env = {key: value for key, value in os.environ.items()
               if not key.startswith(("QT_", "XDG_", "WAYLAND_")) and key != "XAUTHORITY"}
        runtime = os.path.join(self._home, "runtime")
        os.makedirs(runtime, mode=0o700, exist_ok=True)
        env.update(DISPLAY=self.display, HOME=self._home, XDG_RUNTIME_DIR=runtime,
                   XDG_CONFIG_HOME=os.path.join(self._home, "config"),
                   XDG_CACHE_HOME=os.path.join(self._home, "cache"),
                   LC_ALL="C.UTF-8", LANG="C.UTF-8")
        return env

    def _start_xvfb(self):
        read_end, write_end = os.pipe()
        log = open(os.path.join(self._log_folder, "xvfb.log"), "wb")
        try:
            # -displayfd lets Xvfb take the first free display number itself,
            # so that parallel test runs never race for one.
            self._xvfb = subprocess.Popen(
                ["Xvfb", "-displayfd", str(write_end), "-screen", "0",
                 f"{SCREEN_WIDTH}x{SCREEN_HEIGHT}x24", "-dpi", "96", "-nolisten", "tcp",
                 "-noreset"],
                pass_fds=(write_end,), stdin=subprocess.DEVNULL, stdout=log, stderr=log)
        finally:
            os.close(write_end)
            log.close()
        number = b""
        deadline = time.monotonic() + 15
        while not number.endswith(b"\n"):
            remaining = deadline - time.monotonic()
            ready, _, _ = select.select([read_end], [], [], max(0, remaining))
            chunk = os.read(read_end, 16) if ready else b""
            if not chunk:
                os.close(read_end)
                raise RuntimeError("Xvfb did not start (see xvfb.log in "
                                   f"{self._log_folder})")
            number += chunk
        os.close(read_end)
        self.display = f":{int(number)}"

    def _start_window_manager(self):
        log = open(os.path.join(self._log_folder, f"{self.window_manager}.log"), "wb")
        with log:
            self._wm = subprocess.Popen([self.window_manager, "--sm-disable"],
                                        env=self.environment(), stdin=subprocess.DEVNULL,
                                        stdout=log, stderr=log)
        display = xlib.Display(self.display)
        try:
            root = display.root()
            ready = wait_until(
                lambda: display.property(root, "_NET_SUPPORTING_WM_CHECK"), timeout=15)
        finally:
            display.close()
        if not ready:
            raise RuntimeError(f"{self.window_manager} did not take over the display")

    def stop(self):
        for process in (self._wm, self._xvfb):
            if process is not None:
                stop_process(process, timeout=5)
        self._wm = self._xvfb = None
        shutil.rmtree(self._home, ignore_errors=True)
