"""Placement on a slow desktop: with the X server held up again and again,
the idle window and the SlideShow input box stand in their places the
moment they appear."""

import xlib
from program import SLIDESHOW_TITLE, ProgramCase, settings


class Placement(ProgramCase):

    def setUp(self):
        self.slow = xlib.SlowServer(settings["session"].display)
        self.addCleanup(self.slow.stop)
        super().setUp()

    def test_first_look(self):
        self.assert_idle_window("as it appears on a slow desktop")
        self.enter_film(2, 3, 4, 120)
        self.press("alt+s")
        box = self.wait_for_box(SLIDESHOW_TITLE, "ALT+S with a film entered")
        self.assert_input_box_place(box)
        self.answer_box(box, "Escape")
