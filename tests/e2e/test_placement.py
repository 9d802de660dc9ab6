"""With the X server held up again and again, the idle window and the
SlideShow input box stand in their places the moment they appear."""

import test_slideshow
import xlib
from program import SLIDESHOW_TITLE, ProgramCase, settings


class Placement(ProgramCase):

    def setUp(self):
        self.slow = xlib.SlowServer(settings["session"].display)
        self.addCleanup(lambda: self.slow.stop())
        super().setUp()

    def test_first_look(self):
        self.assert_idle_window("as it appears on a slow desktop", self.app.first_look)
        self.slow.stop()  # typed at ease: only the box's showing is slowed
        self.enter_film(2, 3, 4, 120)
        self.slow = xlib.SlowServer(settings["session"].display)
        self.press("alt+s")
        box = self.wait_for_box(SLIDESHOW_TITLE, "ALT+S with a film entered")
        test_slideshow.SlideShow.assert_input_box_place(self, box)
