"""Closing the window during a film run: the question, Cancel and OK."""

import time

from films import (assert_frame_files, assert_same_pixels, check_whole_bitmaps,
                   frame_exponents, frame_file_name, frame_titles, renderer_frames)
from program import EXIT_TITLE, IDLE_TITLE, ProgramCase, film_folder_name
from polling import wait_until

# Frames big enough that the run is still going when the close request comes.
PIXELS = 600


class Closing(ProgramCase):

    def start_run_and_close(self, steps, close_at):
        """Starts the film 2, 3, steps and sends a close request once the
        frame close_at is being drawn; returns the question box, the titles
        the run is to show, and the title at the time of the question."""
        exponents = frame_exponents(2, 3, steps)
        expected = frame_titles(exponents, "Calculating", "Saving") + [IDLE_TITLE]
        self.enter_film(2, 3, steps, PIXELS)
        start = len(self.app.recorded_titles())
        self.press("alt+c")
        drawing = expected[2 * close_at]
        self.watch_run(start, lambda titles: drawing in titles,
                       f"entering 2, 3, {steps}, {PIXELS} with ALT+N, ALT+X, ALT+T, ALT+P and "
                       "pressing ALT+C", f"showed {drawing!r}")
        self.request_close()
        box = self.wait_for_box(EXIT_TITLE, "a close request during the film run")
        question_title = self.app.title()
        if not question_title.endswith(" (Calculating)"):
            self.fail(f"the question came while the title was {question_title!r}")
        self.assert_client_size(PIXELS, "during the film run")
        return box, start, expected, question_title

    def test_cancel_lets_run_finish(self):
        steps = 8
        box, start, expected, question_title = self.start_run_and_close(steps, close_at=2)
        self.screenshot("frame-being-drawn.png", with_frame=True)
        time.sleep(0.5)
        self.assertEqual(self.app.title(), question_title,
                         "the run went on while the question was open")

        # Cancel is preselected, so ENTER answers Cancel.
        self.answer_box(box, "Return")
        self.assert_still_running("ENTER on the question (Cancel should be preselected)",
                                  settle=0.2)
        finished = wait_until(lambda: self.app.recorded_titles()[-1] == IDLE_TITLE, 60)
        if not finished:
            self.fail("after Cancel the run did not come back to the idle window; "
                      f"its last title is {self.app.recorded_titles()[-1]!r}")
        self.assertEqual(self.app.recorded_titles()[start:], expected,
                         "after Cancel the run should go on and show every frame's titles")

        folder = self.app.folder / film_folder_name(2, 3, steps, PIXELS, "Rainbow")
        names = [frame_file_name(e) for e in frame_exponents(2, 3, steps)]
        assert_frame_files(self, folder, names, "after Cancel the run should save every frame")
        bitmaps = check_whole_bitmaps(self, folder, PIXELS)

        # The frame that the question interrupted is whole all the same.
        k = expected.index(question_title) // 2
        rendered = renderer_frames(self, 2, 3, steps, PIXELS, 0, frames=[k])
        assert_same_pixels(self, names[k], bitmaps[names[k]].rgb, rendered[k], PIXELS,
                           "the renderer's frame (the question came while it was drawn)")

    def test_ok_ends_program(self):
        steps = 20
        box, start, expected, question_title = self.start_run_and_close(steps, close_at=3)
        # Cancel has the focus; TAB moves it to OK.
        self.desktop.focus(box)
        self.press("Tab", "space")
        self.assert_ends(15, "TAB and SPACE (OK) on the question during the run")
        self.assertEqual(self.app.recorded_titles()[-1], question_title,
                         "after OK the run went on")

        k = expected.index(question_title) // 2
        folder = self.app.folder / film_folder_name(2, 3, steps, PIXELS, "Rainbow")
        names = [frame_file_name(e) for e in frame_exponents(2, 3, steps)]
        assert_frame_files(self, folder, names[:k],
                           f"OK came while {question_title!r} was drawn, so the frames before "
                           "it should be there and no other file")
        check_whole_bitmaps(self, folder, PIXELS)
