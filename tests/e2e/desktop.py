"""A person at the X display: keyboard and mouse through xdotool, eyes
through the window titles and screenshots."""

import subprocess
import time

import xlib
from polling import wait_until


class Desktop:
    def __init__(self, session):
        self.session = session
        self.env = session.environment()
        self._x = xlib.Display(session.display)

    def close(self):
        self._x.close()

    @property
    def has_window_manager(self):
        return bool(self.session.window_manager)

    def xdotool(self, *args, check=True):
        result = subprocess.run(["xdotool", *map(str, args)], env=self.env,
                                capture_output=True, text=True)
        if check and result.returncode != 0:
            raise RuntimeError(f"xdotool {' '.join(map(str, args))} failed: "
                               f"{result.stderr.strip()}")
        return result.stdout

    def windows_of(self, pid):
        """The visible top-level windows of a process, with their titles."""
        listing = self.xdotool("search", "--onlyvisible", "--pid", pid, check=False)
        windows = {}
        for line in listing.split():
            name = self.title(int(line))
            if name is not None:
                windows[int(line)] = name
        return windows

    def visible_windows(self):
        """Every visible window with a name, for a failure message."""
        listing = self.xdotool("search", "--onlyvisible", "--name", ".", check=False)
        return {int(w): self.title(int(w)) for w in listing.split()}

    def title(self, window):
        result = subprocess.run(["xdotool", "getwindowname", str(window)], env=self.env,
                                capture_output=True, text=True)
        return result.stdout.rstrip("\n") if result.returncode == 0 else None

    def wait_for_window(self, pid, title, timeout):
        """The process's visible window with exactly this title, or None."""
        def find():
            for window, name in self.windows_of(pid).items():
                if name == title:
                    return window
            return None
        return wait_until(find, timeout, interval=0.05)

    def client_geometry(self, window):
        """(x, y, width, height) of the window's client area on the screen.
        Not xdotool's getwindowgeometry: under a window manager it adds the
        frame's offset to the position once more."""
        geometry = self._x.geometry(window)
        if geometry is None:
            raise RuntimeError(f"window {window} is gone")
        return geometry

    def frame_extents(self, window):
        """(left, right, top, bottom) of the window manager's decoration."""
        extents = self._x.property(window, "_NET_FRAME_EXTENTS")
        return tuple(extents) if extents and len(extents) == 4 else (0, 0, 0, 0)

    def focus(self, window):
        """Brings the window to the keyboard, as a click on it would."""
        if self.has_window_manager:
            self.xdotool("windowactivate", "--sync", window, check=False)
        else:
            self.xdotool("windowfocus", "--sync", window, check=False)
        time.sleep(0.05)

    def key(self, *keys):
        self.xdotool("key", "--clearmodifiers", "--delay", 40, *keys)

    def type(self, text):
        self.xdotool("type", "--clearmodifiers", "--delay", 30, text)

    def click(self, window, x, y):
        """A left click at (x, y) of the window's client area."""
        # No --sync: it waits for a motion that never comes when the pointer
        # is already there.
        self.xdotool("mousemove", "--window", window, x, y)
        time.sleep(0.05)
        self.xdotool("click", 1)

    def park_pointer(self):
        """Moves the mouse pointer to the screen's corner, off every control."""
        self.xdotool("mousemove", 0, 0)
        time.sleep(0.05)

    def title_as_drawn(self, title):
        """The title bar's columns that show this title in a window wide enough
        for any title, active as a box the user answers is: a list of column
        pixels, left to right."""
        def titled():
            return {w for w, name in self.visible_windows().items() if name == title}

        before = titled()
        process = subprocess.Popen(["xlogo", "-title", title, "-geometry", "900x40+0+0"],
                                   env=self.env, stdin=subprocess.DEVNULL,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            # xlogo does not tell its process id: it is the new window so titled.
            window = wait_until(lambda: next(iter(titled() - before), None), 10, 0.05)
            if window is None:
                raise RuntimeError(f"xlogo titled {title!r} did not appear")
            self.focus(window)
            time.sleep(0.3)
            columns = title_bar_columns(self.title_bar_pixels(window))
        finally:
            process.terminate()
            process.wait()
        # The title stands alone in the middle: every column that differs from
        # the empty bar between it and the buttons.
        empty = columns[len(columns) * 3 // 4]
        middle = range(len(columns) // 8, len(columns) * 7 // 8)
        drawn = [x for x in middle if columns[x] != empty]
        return columns[drawn[0]:drawn[-1] + 1] if drawn else []

    def request_close(self, window):
        """What the close box does: a WM_DELETE_WINDOW message, through the
        window manager's close key when there is one."""
        if self.has_window_manager:
            self.focus(window)
            self.key("alt+F4")
        else:
            self._x.send_close_request(window)

    def screenshot(self, window, path, with_frame=False):
        """The window as the screen shows it, with whatever lies on top of it
        and the window manager's frame when asked, as a PNG file."""
        if with_frame:
            self.screenshot_area(*self.frame_geometry(window), path)
            return
        dump = subprocess.run(["xwd", "-silent", "-id", str(window)], env=self.env,
                              capture_output=True, check=True).stdout
        subprocess.run(["convert", "xwd:-", f"png:{path}"], input=dump, check=True,
                       capture_output=True)

    def screenshot_area(self, x, y, width, height, path):
        """A part of the screen as shown, as a PNG file."""
        dump = subprocess.run(["xwd", "-silent", "-root"], env=self.env,
                              capture_output=True, check=True).stdout
        subprocess.run(["convert", "xwd:-", "-crop", f"{width}x{height}+{x}+{y}", "+repage",
                        f"png:{path}"], input=dump, check=True, capture_output=True)

    def frame_geometry(self, window):
        """(x, y, width, height) of the window as the user sees it: with the
        window manager's frame, or the client area when there is none."""
        x, y, width, height = self.client_geometry(window)
        left, right, top, bottom = self.frame_extents(window)
        return x - left, y - top, width + left + right, height + top + bottom

    def screen_pixels(self, x, y, width, height):
        """A part of the screen as shown: (width, height, RGB bytes, row by
        row from the top)."""
        dump = subprocess.run(["xwd", "-silent", "-root"], env=self.env,
                              capture_output=True, check=True).stdout
        ppm = subprocess.run(["convert", "xwd:-", "-crop", f"{width}x{height}+{x}+{y}",
                              "+repage", "-depth", "8", "ppm:-"], input=dump,
                             capture_output=True, check=True).stdout
        return _parse_ppm(ppm)

    def title_bar_pixels(self, window):
        """The window manager's title bar of the window: (width, height, RGB
        bytes), or None when the window has none."""
        x, y, width, _ = self.frame_geometry(window)
        top = self.frame_extents(window)[2]
        return self.screen_pixels(x, y, width, top) if top > 0 else None

    def client_pixels(self, window):
        """The window's client area as shown: (width, height, RGB bytes, row by
        row from the top)."""
        dump = subprocess.run(["xwd", "-silent", "-id", str(window)], env=self.env,
                              capture_output=True, check=True).stdout
        ppm = subprocess.run(["convert", "xwd:-", "-depth", "8", "ppm:-"], input=dump,
                             capture_output=True, check=True).stdout
        return _parse_ppm(ppm)


def title_bar_columns(pixels):
    """A title bar's pixels as a list of columns, each its RGB bytes top down."""
    width, height, rgb = pixels
    return [b"".join(rgb[(y * width + x) * 3:(y * width + x) * 3 + 3] for y in range(height))
            for x in range(width)]


def _parse_ppm(data):
    fields = []
    position = 0
    while len(fields) < 4:
        while data[position:position + 1].isspace():
            position += 1
        if data[position:position + 1] == b"#":
            position = data.index(b"\n", position) + 1
            continue
        end = position
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[position:end])
        position = end
    if fields[0] != b"P6" or int(fields[3]) != 255:
        raise ValueError("not an 8-bit binary PPM")
    width, height = int(fields[1]), int(fields[2])
    pixels = data[position + 1:position + 1 + width * height * 3]
    return width, height, pixels
