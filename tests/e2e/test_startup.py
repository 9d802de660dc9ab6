"""Start-up: the idle window, its focus order and access keys, and ESC."""

from program import SLIDESHOW_TITLE, ProgramCase, film_folder_name

# Controls of the idle window by the design, in pixels inside the input frame:
# left, top, width, height.
TXT_E_MIN = (75, 21, 120, 21)
TXT_E_MAX = (75, 47, 120, 21)
TXT_STEPS = (75, 73, 120, 21)
TXT_PIXELS = (75, 99, 120, 21)
CMD_BEGIN = (219, 47, 81, 21)
CMD_SLIDESHOW = (219, 73, 81, 21)
CMD_EXIT = (219, 99, 81, 21)
# The input frame in the client area, and the divider inside it.
FRA_POWERREELS = (8, 8, 318, 161)
FRA_DIVIDE_LEFT = 206


def pixel(client, x, y):
    width, _, rgb = client
    return rgb[(y * width + x) * 3:(y * width + x) * 3 + 3]


def rim(client, control):
    """The pixels of a control's two outermost rings, in the input frame."""
    left, top, width, height = control
    x0, y0 = FRA_POWERREELS[0] + left, FRA_POWERREELS[1] + top
    ring = [(x, y) for x in range(x0, x0 + width) for y in range(y0, y0 + height)
            if min(x - x0, x0 + width - 1 - x, y - y0, y0 + height - 1 - y) < 2]
    return b"".join(pixel(client, x, y) for x, y in ring)


class StartUp(ProgramCase):

    def test_idle_window(self):
        self.assert_idle_window("as it appears", self.app.first_look)
        self.desktop.park_pointer()
        self.screenshot("idle-window.png", with_frame=True)
        self.assertEqual(self.app.film_folders(), [], "at start a folder was created")
        client = self.desktop.client_pixels(self.app.window)
        self.assert_group_frame(client)
        self.assert_default_button(client)

    def assert_group_frame(self, client):
        """The version caption stands in the input frame's top line, and the
        divider starts below that line."""
        background = pixel(client, 2, 2)
        frame_left, frame_top = FRA_POWERREELS[:2]

        def first_drawn_row(x):
            return next((y for y in range(frame_top, frame_top + 40)
                         if pixel(client, x, y) != background), None)

        line = first_drawn_row(frame_left + 150)
        self.assertIsNotNone(line, "the input frame's top line is missing")
        gaps = [x for x in range(frame_left + 6, frame_left + 40)
                if pixel(client, x, line) == background]
        self.assertTrue(gaps, f"the input frame's top line (row {line}) runs unbroken where the "
                        "caption v1.00 should interrupt it")
        # Seen from the top, the divider's column shows the top line first.
        divider = first_drawn_row(frame_left + FRA_DIVIDE_LEFT)
        self.assertGreaterEqual(divider, line, f"the divider starts at row {divider}, above "
                                f"the input frame's top line at row {line}")

    def assert_default_button(self, client):
        """SlideShow, the default button, is drawn unlike Calculate and Exit,
        which look alike while no button has the focus."""
        self.assertEqual(rim(client, CMD_BEGIN), rim(client, CMD_EXIT),
                         "Calculate and Exit should be drawn alike at their edges")
        self.assertNotEqual(rim(client, CMD_SLIDESHOW), rim(client, CMD_EXIT),
                            "SlideShow, the default button, is drawn like the other buttons")

    def test_tab_order(self):
        # From the start, where the focus is in Minimum e, TAB must visit
        # Minimum e, Maximum e, Steps, Pixels, Colors and three buttons, then
        # Minimum e again (whose text it selects): the film folder shows where
        # each typed value landed.
        steps = ["2", "Tab", "3", "Tab", "1", "Tab", "104", "Tab", "Down", "Tab", "Tab",
                 "Tab", "Tab", "2.5"]
        for step in steps:
            if step in ("Tab", "Down"):
                self.press(step)
            else:
                self.type_text(step)
        how = ("typing " + " ".join(steps) + " from the start, then ALT+C (expected: "
               "TAB visits Minimum e, Maximum e, Steps, Pixels, Colors, Calculate, "
               "SlideShow, Exit and back to Minimum e)")
        self.calculate(how)
        self.assert_film_folder(film_folder_name(2.5, 3, 1, 104, "Grey"), how)

        how = "ALT+O, then TAB once and SPACE (expected: Calculate has the focus after Colors)"
        titles = self.calculate(how, keys=("alt+o", "Tab", "space"))
        self.assertIn("PowerReels - e=2.500 (Calculating)", titles, how)

        how = "ALT+O, then TAB twice and SPACE (expected: SlideShow has the focus)"
        self.press("alt+o", "Tab", "Tab", "space")
        box = self.wait_for_box(SLIDESHOW_TITLE, how)
        self.answer_box(box, "Escape")
        self.assert_idle_window("after cancelling the SlideShow input box")

        how = "ALT+O, then TAB three times and SPACE (expected: Exit has the focus)"
        self.press("alt+o", "Tab", "Tab", "Tab", "space")
        self.assert_ends(10, how)

    def test_access_keys(self):
        for control, text in ((TXT_E_MIN, "2"), (TXT_E_MAX, "3"), (TXT_STEPS, "1"),
                              (TXT_PIXELS, "104")):
            self.click_control(*control)
            self.type_text(text)
        how = "clicking each field, typing 2, 3, 1 and 104, and clicking Calculate"
        self.calculate(how, click=CMD_BEGIN)
        self.assert_film_folder(film_folder_name(2, 3, 1, 104, "Rainbow"), how)

        # A click that gives a field the focus selects its whole text.
        self.click_control(*TXT_STEPS)
        self.type_text("3")
        how = ("clicking into Steps, which holds 1, typing 3 and clicking Calculate (expected: "
               "the click selects the whole 1, so that 3 replaces it)")
        self.calculate(how, click=CMD_BEGIN)
        self.assert_film_folder(film_folder_name(2, 3, 3, 104, "Rainbow"), how)

        changes = [("n", "Minimum e", "2.5", film_folder_name(2.5, 3, 3, 104, "Rainbow")),
                   ("x", "Maximum e", "3.5", film_folder_name(2.5, 3.5, 3, 104, "Rainbow")),
                   ("t", "Steps", "2", film_folder_name(2.5, 3.5, 2, 104, "Rainbow")),
                   ("p", "Pixels", "112", film_folder_name(2.5, 3.5, 2, 112, "Rainbow"))]
        for key, field, text, folder in changes:
            how = (f"ALT+{key.upper()} should put the focus into {field!r} with its text "
                   f"selected: after ALT+{key.upper()}, typing {text} and clicking Calculate")
            self.fill(key, text)
            self.calculate(how, click=CMD_BEGIN)
            self.assert_film_folder(folder, how)

        how = ("ALT+O should put the focus into 'Colors': after ALT+O, DOWN and clicking "
               "Calculate")
        self.press("alt+o", "Down")
        self.calculate(how, click=CMD_BEGIN)
        self.assert_film_folder(film_folder_name(2.5, 3.5, 2, 112, "Grey"), how)

        how = "ALT+C should click Calculate"
        titles = self.calculate(how, keys=("alt+c",))
        self.assertIn("PowerReels - e=2.500 (Calculating)", titles, how)

        how = "ALT+S should click SlideShow"
        self.press("alt+s")
        box = self.wait_for_box(SLIDESHOW_TITLE, how)
        self.answer_box(box, "Escape")
        self.assert_idle_window("after cancelling the SlideShow input box")

        self.press("alt+e")
        self.assert_ends(10, "ALT+E should click Exit")

    def test_escape_ends_program(self):
        self.press("Escape")
        self.assert_ends(10, "ESC in the idle window")
