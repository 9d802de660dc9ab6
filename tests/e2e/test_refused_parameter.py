"""A refused parameter: the warning box, and the focus back in the field."""

from program import IDLE_TITLE, WARNING_TITLE, ProgramCase, film_folder_name

CMD_BEGIN = (219, 47, 81, 21)


class RefusedParameter(ProgramCase):

    def test_empty_minimum_e(self):
        self.fill("x", "3")
        self.fill("t", "4")
        self.fill("p", "120")
        self.click_control(*CMD_BEGIN)
        how = "clicking Calculate with Minimum e empty"
        box = self.wait_for_box(WARNING_TITLE, how)
        self.screenshot("warning.png", window=box, with_frame=True)
        self.assert_whole_title(box, "the warning box")
        self.assertEqual(self.app.title(), IDLE_TITLE, f"{how}: the window title changed")
        self.assertEqual(self.app.recorded_titles(), [IDLE_TITLE],
                         f"{how}: a film run started")

        self.answer_box(box, "Return")
        self.assertEqual(self.app.film_folders(), [], f"{how}: a film folder was created")
        # Typing now lands in Minimum e: the film run shows where it went.
        self.type_text("0.5")
        self.press("alt+c")
        box = self.wait_for_box(
            WARNING_TITLE, "after OK on the warning, typing 0.5 and ALT+C (expected: 0.5 in "
            "Minimum e is refused too)")
        self.answer_box(box, "Return")
        # The focus is back in Minimum e with the whole 0.5 selected, so 2
        # replaces it.
        self.type_text("2")
        how = ("after OK on the second warning, typing 2 and ALT+C (expected: the focus in "
               "Minimum e with its text selected)")
        self.calculate(how)
        self.assert_film_folder(film_folder_name(2, 3, 4, 120, "Rainbow"), how)
        self.assert_idle_window("after the film run")
