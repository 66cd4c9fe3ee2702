"""The main window on a real screen: maximised, its menu bar, the board photograph centred, and the
two ways to end the program."""
import os
import time
import unittest

from harness import ProgramTestCase, find_board, photo_matches, read_rgb

PHOTO = os.environ.get("BOARD_PHOTO", "")


class MainWindowTest(ProgramTestCase):
    def board_origin(self, shot, window):
        width, height, photo = read_rgb(PHOTO)
        self.assertEqual((width, height), (600, 288))
        found = find_board(shot, window, photo)
        self.assertIsNotNone(found, "the photograph is not on the screen unchanged")
        self.assertTrue(photo_matches(shot, found, photo), "the photograph is not drawn one to one")
        return found

    def client_top(self, shot, window):
        """The first white row below the menu bar: the top of the client area."""
        x, y, w, h = window.geometry()
        for row in range(y, y + 60):
            if all(shot.pixel(px, row) == (255, 255, 255) for px in range(x + 2, x + 200, 7)):
                return row
        self.fail("no white client area below the menu bar")

    def assert_board_centred(self, shot, window):
        bx, by = self.board_origin(shot, window)
        x, y, w, h = window.geometry()
        ox, oy, ow, oh = window.outer()
        # The board centres itself on the window's outer size (frame, caption and menu bar included).
        self.assertEqual(bx - x, (ow - 600) // 2)
        self.assertEqual(by - self.client_top(shot, window), (oh - 288) // 2)

    def test_opens_maximised_with_its_menu_and_the_board_centred(self):
        window = self.program.window("Setup")
        self.display.wait_for(lambda: "MAXIMIZED_VERT" in window.states(), what="maximised")
        self.assertIn("MAXIMIZED_HORZ", window.states())
        self.dismiss_help()
        self.assert_board_centred(self.shot("maximised"), window)
        # The menu bar: File, Options (the circles), Help; Alt+H opens "&Help" with its two entries.
        self.key("alt+h")
        time.sleep(0.5)
        self.shot("help-menu")
        self.key("Escape")

    def test_recentres_the_board_after_a_resize(self):
        window = self.program.window("Setup")
        self.display.wait_for(lambda: "MAXIMIZED_VERT" in window.states(), what="maximised")
        self.display.x("wmctrl", "-i", "-r", window.id, "-b", "remove,maximized_vert,maximized_horz")
        self.display.x("wmctrl", "-i", "-r", window.id, "-e", "0,40,30,901,703")
        self.display.wait_for(lambda: window.geometry()[2] == 901, what="resized")
        self.dismiss_help()
        self.assert_board_centred(self.shot("resized"), window)

    def test_alt_f_e_ends_the_program(self):
        self.program.window("Setup")
        self.dismiss_help()
        self.key("alt+f")
        time.sleep(0.3)
        self.shot("file-menu")
        self.key("e")
        self.assertTrue(self.program.ended(), "File, Exit did not end the program")

    def test_the_close_box_ends_the_program(self):
        window = self.program.window("Setup")
        time.sleep(0.3)
        self.display.x("wmctrl", "-i", "-c", window.id)
        self.assertTrue(self.program.ended(), "the close box did not end the program")


if __name__ == "__main__":
    unittest.main()
