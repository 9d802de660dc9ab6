"""A film: the run's titles, the folder beside the program, and frame files
with the renderer's pixels."""

import os

from films import (assert_frame_files, assert_same_pixels, check_whole_bitmaps, frame_titles,
                   renderer_frames)
from program import IDLE_TITLE, PALETTES, ProgramCase, film_folder_name

FRAME_FILES = ["PowerReels-002.000.bmp", "PowerReels-002.250.bmp", "PowerReels-002.500.bmp",
               "PowerReels-002.750.bmp", "PowerReels-003.000.bmp"]
EXPONENTS = [2.0, 2.25, 2.5, 2.75, 3.0]


class Film(ProgramCase):

    def test_film(self):
        self.enter_film(2, 3, 4, 120, "Blue")
        how = ("entering 2, 3, 4, 120 with ALT+N, ALT+X, ALT+T, ALT+P, choosing Blue with "
               "ALT+O and the arrow keys, then pressing ALT+C")
        titles = self.calculate(how)
        self.assertEqual(titles, frame_titles(EXPONENTS, "Calculating", "Saving") + [IDLE_TITLE],
                         f"{how}: the titles of the run")
        self.assert_idle_window("after the film run")

        folder_name = film_folder_name(2, 3, 4, 120, "Blue")
        self.assert_film_folder(folder_name, how)
        folder = self.app.folder / folder_name
        assert_frame_files(self, folder, FRAME_FILES, "after the film run")
        self.assertEqual(sorted(os.listdir(self.app.folder)), [folder_name, "powerreels"],
                         "the program's folder should hold the program and the film folder")
        self.assertEqual(os.listdir(self.app.start_folder), [],
                         "the program wrote into the folder it was started from")

        bitmaps = check_whole_bitmaps(self, folder, 120)
        rendered = renderer_frames(self, 2, 3, 4, 120, PALETTES.index("Blue"))
        for k, name in enumerate(FRAME_FILES):
            assert_same_pixels(self, name, bitmaps[name].rgb, rendered[k], 120,
                               f"the renderer's frame for e={EXPONENTS[k]}")


class FilmAtFractionalTwips(ProgramCase):
    """At 108 dots per inch a pixel is 13.33 twips, which the window's
    variables round to 13."""

    environment = {"QT_ENABLE_HIGHDPI_SCALING": "0", "QT_FONT_DPI": "108"}

    def test_frames_are_pixels_square(self):
        self.enter_film(2, 3, 1, 200)
        how = "a film of 200 pixels at 108 dots per inch"
        self.calculate(how)
        folder = self.app.folder / film_folder_name(2, 3, 1, 200, "Rainbow")
        assert_frame_files(self, folder, ["PowerReels-002.000.bmp", "PowerReels-003.000.bmp"], how)
        check_whole_bitmaps(self, folder, 200)
