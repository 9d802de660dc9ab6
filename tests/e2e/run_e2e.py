#!/usr/bin/env python3
"""Runs the end-to-end scenarios: the real program in a real X window on a
private Xvfb display, driven with the keyboard and the mouse.

  run_e2e.py --program build/powerreels --frame-dump build/e2e-frame-dump
             [--wm none|openbox|both] [--scenario NAME ...] [--artifacts DIR]

Exit status 0 when every scenario passed, 1 when one failed, 77 when the
window manager asked for cannot be had (CTest counts that as skipped)."""

import argparse
import os
import sys
import tempfile
import time
import unittest
from pathlib import Path

# The source tree stays clean of byte-code caches.
sys.dont_write_bytecode = True
sys.path.insert(0, str(Path(__file__).resolve().parent))

import program  # noqa: E402
import xsession  # noqa: E402
from desktop import Desktop  # noqa: E402
from program import PowerReels  # noqa: E402

SCENARIOS = ["startup", "refused_parameter", "film", "slideshow", "closing", "placement"]
SKIPPED = 77


def parse_arguments():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--program", help="the powerreels binary")
    parser.add_argument("--frame-dump", help="the e2e-frame-dump helper")
    parser.add_argument("--wm", choices=["none", "openbox", "both"], default="both",
                        help="run without a window manager, under openbox, or both")
    parser.add_argument("--scenario", action="append", choices=SCENARIOS,
                        help="run only this scenario (repeatable); all by default")
    parser.add_argument("--artifacts", help="folder for screenshots and logs")
    parser.add_argument("--keep", action="store_true",
                        help="keep every program folder (a failed test's is always kept)")
    parser.add_argument("--screenshot-idle", metavar="PNG",
                        help="only take a screenshot of the idle window (under the first "
                             "window manager of --wm) into this file")
    parser.add_argument("--screenshot-input-box", metavar="PNG",
                        help="with --screenshot-idle: also photograph the SlideShow input box "
                             "over the window into this file")
    parser.add_argument("--check-only", action="store_true",
                        help="only check that the Debian packages the tests need are there")
    return parser.parse_args()


def check_tools(window_managers):
    """True when the required tools are there, and the window managers that
    are not. Tests never install anything: scripts/test does."""
    missing = xsession.missing_packages(xsession.REQUIRED_TOOLS)
    if missing:
        print(f"The end-to-end tests need the Debian packages: {' '.join(missing)} "
              "(scripts/test installs them)", file=sys.stderr)
        return False, []
    wanted = {wm: xsession.WINDOW_MANAGERS[wm] for wm in window_managers}
    absent = xsession.missing_packages(wanted)
    if absent:
        print(f"Not installed: {' '.join(absent)}", file=sys.stderr)
    return True, [wm for wm in window_managers if xsession.missing_packages({wm: wm})]


def run_under(window_manager, scenarios, artifacts):
    label = window_manager or "no window manager"
    folder = artifacts / (window_manager or "none")
    folder.mkdir(parents=True, exist_ok=True)
    program.settings["artifacts"] = str(folder)
    print(f"\n=== {', '.join(scenarios)} under {label} ===", flush=True)
    with xsession.XSession(window_manager, log_folder=str(folder)) as session:
        program.settings["session"] = session
        print(f"display {session.display}", flush=True)
        names = [f"test_{scenario}" for scenario in scenarios]
        suite = unittest.defaultTestLoader.loadTestsFromNames(names)
        result = unittest.TextTestRunner(stream=sys.stdout, verbosity=2).run(suite)
    print(f"Screenshots and logs: {folder}", flush=True)
    return result.wasSuccessful()


def screenshot_idle_window(path, window_manager, input_box_path=None):
    """Starts the program, photographs its idle window with its frame (and,
    when asked, the SlideShow input box over it), and ends it with ESC."""
    with xsession.XSession(window_manager) as session:
        desktop = Desktop(session)
        app = PowerReels(desktop, "screenshot")
        try:
            app.start()
            desktop.park_pointer()
            # Let it paint, and the text cursor show.
            time.sleep(0.5)
            desktop.screenshot(app.window, path, with_frame=True)
            print(f"Idle window: {path}")
            if input_box_path:
                screenshot_input_box(desktop, app, input_box_path)
            desktop.key("Escape")
            app.wait_ended(10)
        finally:
            app.stop()
            desktop.close()


def screenshot_input_box(desktop, app, path):
    """Enters a film, asks for its slide show and photographs the input box
    over the window once it stands in its place; cancels it again."""
    for key, text in (("n", "2"), ("x", "3"), ("t", "100"), ("p", "512")):
        desktop.key(f"alt+{key}")
        desktop.type(text)
    desktop.key("alt+s")
    box = desktop.wait_for_window(app.process.pid, program.SLIDESHOW_TITLE, timeout=10)
    if box is None:
        raise RuntimeError("the SlideShow input box did not appear")
    # Let it paint.
    time.sleep(0.5)
    areas = [desktop.frame_geometry(app.window), desktop.frame_geometry(box)]
    left = min(x for x, _, _, _ in areas)
    top = min(y for _, y, _, _ in areas)
    right = max(x + w for x, _, w, _ in areas)
    bottom = max(y + h for _, y, _, h in areas)
    desktop.screenshot_area(left, top, right - left, bottom - top, path)
    desktop.key("Escape")
    print(f"Input box over the window: {path}")


def main():
    args = parse_arguments()
    window_managers = {"none": [None], "openbox": ["openbox"],
                       "both": [None, "openbox"]}[args.wm]
    named = [wm for wm in window_managers if wm]
    ready, unavailable = check_tools(named)
    if args.check_only:
        return 0 if ready and not unavailable else 1
    if not ready:
        return 1
    if not args.program or not os.access(args.program, os.X_OK):
        print(f"--program {args.program!r} is not an executable program", file=sys.stderr)
        return 1
    for wm in unavailable:
        print(f"SKIP: {wm} is not installed", flush=True)
        window_managers.remove(wm)
    if not window_managers:
        return SKIPPED

    program.settings.update(binary=os.path.abspath(args.program),
                            frame_dump=args.frame_dump and os.path.abspath(args.frame_dump),
                            keep=args.keep)
    if args.screenshot_idle:
        screenshot_idle_window(os.path.abspath(args.screenshot_idle), window_managers[0],
                               args.screenshot_input_box
                               and os.path.abspath(args.screenshot_input_box))
        return 0
    artifacts = Path(args.artifacts or tempfile.mkdtemp(prefix="powerreels-e2e-"))
    artifacts = artifacts.resolve()
    started = time.monotonic()
    passed = all([run_under(wm, args.scenario or SCENARIOS, artifacts)
                  for wm in window_managers])
    print(f"End-to-end tests {'passed' if passed else 'FAILED'} in "
          f"{time.monotonic() - started:.1f} s", flush=True)
    return 0 if passed else 1


if __name__ == "__main__":
    sys.exit(main())
