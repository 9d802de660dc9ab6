"""A slide show of a film: the order of its frames, SPACE, ENTER, and
closing the window."""

import time

from bmp import read_bitmap
from films import assert_same_pixels, frame_file_name
from program import IDLE_TITLE, SLIDESHOW_TITLE, ProgramCase, film_folder_name
from polling import wait_until

STEPS = 4
EXPONENTS = [2.0, 2.25, 2.5, 2.75, 3.0]
FRAME_TIME_MS = 42


def show_title(k):
    return f"PowerReels - e={EXPONENTS[k]:.3f} (SlideShow)"


def show_order(ticks, frame=0, direction=1):
    """The frames that ticks show from a given state, turning at each end;
    returns them with the state afterwards."""
    shown = []
    for _ in range(ticks):
        shown.append(frame)
        frame += direction
        if frame > STEPS:
            frame, direction = STEPS - 1, -1
        if frame < 0:
            frame, direction = 1, 1
    return shown, frame, direction


class SlideShow(ProgramCase):

    def titles_since(self, start):
        return self.app.recorded_titles()[start:]

    def wait_for_titles(self, start, count, after):
        enough = wait_until(lambda: len(self.titles_since(start)) >= count, 20, interval=0.05)
        if not enough:
            self.fail(f"{after}: the title did not change {count} times within 20 s; it "
                      f"showed {self.titles_since(start)}")
        return self.titles_since(start)

    def wait_for_quiet_titles(self, after, quiet=1.0, timeout=15):
        """Waits until the title has stayed the same for quiet seconds."""
        seen = {"count": -1, "since": 0.0}

        def still():
            count = len(self.app.recorded_titles())
            if count != seen["count"]:
                seen.update(count=count, since=time.monotonic())
            return time.monotonic() - seen["since"] >= quiet

        if not wait_until(still, timeout, interval=0.05):
            self.fail(f"{after}: the title went on changing for {timeout} s")

    def assert_no_title_change(self, after, seconds):
        before = len(self.app.recorded_titles())
        # Longer than the ten frame times an end frame stays.
        time.sleep(seconds)
        self.assert_no_boxes(after)
        later = self.titles_since(before)
        self.assertEqual(later, [], f"{after}: the title went on changing: {later}")

    def start_show(self):
        """Makes the film 2, 3, 4, 120, Blue and starts its show with ENTER
        in a field, accepting the frame time 42; returns the film's folder
        and the number of titles before the show."""
        self.enter_film(2, 3, STEPS, 120, "Blue")
        self.calculate("making the film 2, 3, 4, 120, Blue with ALT+N, ALT+X, ALT+T, ALT+P, "
                       "ALT+O and ALT+C")
        start = len(self.app.recorded_titles())
        self.press("alt+p", "Return")
        box = self.wait_for_box(SLIDESHOW_TITLE, "ENTER in the Pixels field")
        self.assert_input_box_place(box)
        self.assert_whole_title(box, "the SlideShow input box")
        self.answer_box(box, "Return")
        return self.app.folder / film_folder_name(2, 3, STEPS, 120, "Blue"), start

    def assert_input_box_place(self, box):
        """The input box's outer corner lies 11 pixels left of and 32 below
        the window's outer corner, both as the user sees them."""
        corner = self.desktop.frame_geometry(self.app.window)[:2]
        wanted = (corner[0] - 11, corner[1] + 32)
        if self.desktop.frame_geometry(box)[:2] != wanted:
            self.fail(f"the SlideShow input box's outer corner is at "
                      f"{self.desktop.frame_geometry(box)[:2]}, not at {wanted}: 11 pixels "
                      f"left of and 32 below the window's outer corner {corner}")

    def test_order_and_closing(self):
        _, start = self.start_show()
        count = 2 * STEPS + 3
        titles = self.wait_for_titles(start, count, "accepting the frame time 42")
        expected = [show_title(k) for k in show_order(count)[0]]
        self.assertEqual(titles[:count], expected,
                         "the slide show's titles should go from 2.000 up to 3.000, back "
                         "to 2.000 and up again")
        self.assert_client_size(120, "during the slide show")
        self.assert_end_frames_held(self.app.recorded_changes()[start:start + count])

        self.request_close()
        idle = wait_until(lambda: self.app.title() == IDLE_TITLE, 10)
        if not idle:
            self.fail(f"closing the window during the show: the title is "
                      f"{self.app.title()!r}, not the idle window's")
        self.assert_still_running("closing the window during the show")
        self.assert_idle_window("after closing the window during the show")
        self.assert_no_title_change("after closing the window during the show", 0.6)

        self.request_close()
        self.assert_ends(10, "closing the idle window after the show")

    def test_space_and_enter(self):
        folder, start = self.start_show()
        self.wait_for_titles(start, STEPS + 2, "accepting the frame time 42")

        self.press("space")
        # A busy program reads the key a while after it was sent: the show
        # counts as paused once no frame has come for longer than an end
        # frame stays; only then must it stay still.
        self.wait_for_quiet_titles("after SPACE")
        self.assert_no_title_change("after SPACE", 1.2)
        shown = len(self.titles_since(start))
        self.assert_shows_frame_of_title(folder)

        self.press("Return")
        self.assert_no_title_change("after ENTER in a paused show", 0.8)

        # The paused state follows from the frames shown so far; ENTER turned it.
        _, frame, direction = show_order(shown)
        self.press("space")
        titles = self.wait_for_titles(start, shown + 6, "after SPACE again")
        expected = [show_title(k) for k in show_order(6, frame, -direction)[0]]
        self.assertEqual(titles[shown:shown + 6], expected,
                         "after SPACE again the show should go on from where it stopped, "
                         "in the direction that ENTER reversed")

        self.request_close()
        idle = wait_until(lambda: self.app.title() == IDLE_TITLE, 10)
        if not idle:
            self.fail(f"closing the window during the resumed show: the title is "
                      f"{self.app.title()!r}, not the idle window's")

    def assert_end_frames_held(self, changes):
        """An end frame stays ten frame times (the first frame of a show is
        no turn and stays one)."""
        for (title, shown), (_, replaced) in zip(changes[1:], changes[2:]):
            if title in (show_title(0), show_title(STEPS)):
                self.assertGreaterEqual(
                    replaced - shown, 7 * FRAME_TIME_MS,
                    f"the end frame {title!r} stayed {replaced - shown} ms, not ten frame "
                    f"times of {FRAME_TIME_MS} ms")

    def assert_shows_frame_of_title(self, folder):
        title = self.app.title()
        frames = [k for k in range(STEPS + 1) if show_title(k) == title]
        if not frames:
            self.fail(f"the paused show's title is {title!r}")
        name = frame_file_name(EXPONENTS[frames[0]])
        if not (folder / name).is_file():
            self.fail(f"the frame file {name} of the film is missing")
        path = self.screenshot("slideshow.png", with_frame=True)
        width, height, shown = self.desktop.client_pixels(self.app.window)
        self.assertEqual((width, height), (120, 120), "the slide show window's client area")
        assert_same_pixels(self, f"the window showing {title!r} ({path.name})", shown,
                           read_bitmap(folder / name).rgb, 120, f"the frame file {name}")
