"""A desktop for the installed program: its own Xvfb, a user who cannot write
in the program's folder, and the window driven with xdotool as a person
would."""

import ctypes
import os
import pwd
import select
import shlex
import shutil
import signal
import subprocess
import sys
import time

# The end-to-end tests' polling and process ending serve here too.
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))
from polling import wait_until  # noqa: E402
from processes import stop_process  # noqa: E402


def _die_with_parent():
    """Run in a child before exec: if the test is killed (a CTest time-out),
    the X server and the program end with it instead of lingering."""
    pr_set_pdeathsig = 1
    ctypes.CDLL(None).prctl(pr_set_pdeathsig, signal.SIGTERM)


def need_tool(name):
    path = shutil.which(name)
    if not path:
        raise RuntimeError(f"{name} is not installed; scripts/test installs it")
    return path


class Xvfb:
    """A virtual X server on a display number it picks itself, open to every
    local user (-ac), so that the unprivileged user can connect. It never
    resets (-noreset): a reset, whenever the last client leaves, refuses the
    connections made meanwhile."""

    def __init__(self):
        read_end, write_end = os.pipe()
        try:
            self._process = subprocess.Popen(
                [need_tool("Xvfb"), "-displayfd", str(write_end), "-ac", "-nolisten", "tcp",
                 "-noreset", "-screen", "0", "1024x768x24"],
                pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.PIPE,
                preexec_fn=_die_with_parent)
        finally:
            os.close(write_end)
        try:
            number = self._read_display(read_end)
        except Exception:
            self.stop()
            raise
        finally:
            os.close(read_end)
        self.name = f":{number}"

    def _read_display(self, read_end):
        text = b""
        deadline = time.monotonic() + 20
        while not text.endswith(b"\n"):
            left = deadline - time.monotonic()
            if left <= 0 or not select.select([read_end], [], [], left)[0]:
                raise RuntimeError("Xvfb named no display within 20 s")
            chunk = os.read(read_end, 64)
            if not chunk:
                raise RuntimeError(f"Xvfb ended: {self._process.stderr.read().decode()}")
            text += chunk
        return int(text)

    def stop(self):
        stop_process(self._process, timeout=10)
        self._process.stderr.close()


class User:
    """Who runs the program. As root (CI) it is nobody, for whom the installed
    folders are really read-only; otherwise it is the user running the test,
    and the program's folder is made read-only for the run."""

    def __init__(self):
        self.is_root = os.geteuid() == 0
        if self.is_root:
            entry = pwd.getpwnam("nobody")
            self.uid, self.gid, self.name = entry.pw_uid, entry.pw_gid, "nobody"
            # A change of user clears the parent-death signal; setpriv sets it
            # again after the change.
            self._prefix = [need_tool("setpriv"), f"--reuid={self.uid}", f"--regid={self.gid}",
                            "--clear-groups", "--pdeathsig", "TERM"]
        else:
            self.uid, self.gid = os.geteuid(), os.getegid()
            self.name = pwd.getpwuid(self.uid).pw_name
            self._prefix = []

    def own(self, path, mode=0o755):
        """Makes a folder this user's own."""
        os.chmod(path, mode)
        if self.is_root:
            os.chown(path, self.uid, self.gid)

    def command(self, argv):
        return self._prefix + argv

    def can_write(self, path):
        """Whether this user may create files in path, asked as that user."""
        probe = subprocess.run(self.command(["test", "-w", path]), check=False)
        return probe.returncode == 0


def desktop_exec(desktop_file):
    """The Exec line of a desktop entry as an argument list, with its field
    codes (which a launcher fills with files or URLs) left out."""
    with open(desktop_file, encoding="utf-8") as file:
        for line in file:
            if line.startswith("Exec="):
                words = shlex.split(line[len("Exec="):].strip())
                return [w for w in words if not (len(w) == 2 and w.startswith("%"))]
    raise ValueError(f"{desktop_file} has no Exec line")


class Program:
    """The program started from a launcher's command line in a new user's
    session, and its main window."""

    def __init__(self, argv, user, display, home, runtime_dir, path, log_path):
        self.env = {"HOME": home, "USER": user.name, "LOGNAME": user.name, "PATH": path,
                    "DISPLAY": display, "XDG_RUNTIME_DIR": runtime_dir,
                    "LANG": "C.UTF-8", "QT_QPA_PLATFORM": "xcb"}
        self._tool_env = dict(os.environ, DISPLAY=display)
        self._tool_env.pop("XAUTHORITY", None)
        self._log_path = log_path
        with open(log_path, "wb") as log:
            self._process = subprocess.Popen(user.command(argv), env=self.env,
                                             stdout=log, stderr=subprocess.STDOUT,
                                             preexec_fn=_die_with_parent)
        self.window = None

        def shown_or_ended():
            self.window = self._find_main_window()
            return self.window or self._process.poll() is not None

        wait_until(shown_or_ended, 30)
        if not self.window:
            status = self._process.poll()
            windows = {w: self.xdotool("getwindowname", w)
                       for w in self.xdotool("search", "--name", ".").split()}
            self.close()
            raise AssertionError(f"no window titled PowerReels appeared; "
                                 f"{'running' if status is None else f'exit status {status}'}; "
                                 f"windows {windows}; the program said: {self.output()!r}")

    def xdotool(self, *args):
        result = subprocess.run([need_tool("xdotool"), *args], env=self._tool_env,
                                capture_output=True, text=True, check=False)
        return result.stdout.strip()

    def _visible_windows(self, title_pattern):
        # By process, so that a window of a program just closed never counts.
        return self.xdotool("search", "--all", "--onlyvisible", "--pid",
                            str(self._process.pid), "--name", title_pattern).split()

    def _find_main_window(self):
        windows = self._visible_windows("^PowerReels$")
        return windows[0] if windows else None

    def title(self):
        return self.xdotool("getwindowname", self.window)

    def keys(self, window, *keys):
        self.xdotool("windowfocus", "--sync", window)
        self.xdotool("key", "--clearmodifiers", *keys)

    def enter_film(self, e_min, e_max, steps, pixels):
        for key, value in (("alt+n", e_min), ("alt+x", e_max), ("alt+t", steps),
                           ("alt+p", pixels)):
            self.keys(self.window, key)
            self.xdotool("type", "--delay", "10", str(value))

    def calculate(self):
        self.keys(self.window, "alt+c")

    def start_slide_show(self):
        """ALT+S, then the offered frame time (Return) in the input box."""
        self.keys(self.window, "alt+s")
        box = wait_until(lambda: self._visible_windows(r"^PowerReels - SlideShow!$"), 10)
        if not box:
            raise AssertionError(f"no input box titled 'PowerReels - SlideShow!' after ALT+S; "
                                 f"the window is titled {self.title()!r}")
        self.keys(box[0], "Return")

    def screenshot(self):
        """The main window's pixels as a binary PPM."""
        command = [need_tool("import"), "-window", self.window, "-depth", "8", "ppm:-"]
        return subprocess.run(command, env=self._tool_env, capture_output=True,
                              check=True).stdout

    def output(self):
        """What the program printed so far."""
        with open(self._log_path, "rb") as log:
            return log.read().decode(errors="replace")

    def close(self):
        stop_process(self._process, timeout=10)
