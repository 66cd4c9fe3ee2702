"""The circles on the real screen: markers that change under the mouse, popups that open where the
product sheet designed them, pinning, activation, the Options menu with Previous and Next, and all
four of the product's popups at once."""
import os
import time
import unittest

from harness import CIRCLES, ProgramTestCase, find_board, read_rgb

PHOTO = os.environ.get("BOARD_PHOTO", "")
TITLES = ["DC Power Connector", "USB Connector", "Serial Connector", "LEDs"]
# Where each panel was designed on the main window, and the client size of its popup.
PANELS = {"DC Power Connector": (0, 504, 241, 182), "USB Connector": (0, 112, 257, 118),
          "Serial Connector": (671, 504, 194, 278), "LEDs": (304, 120, 297, 118)}


class CirclesTest(ProgramTestCase):
    def setUp(self):
        super().setUp()
        self.main = self.program.window("Setup")
        self.display.wait_for(lambda: "MAXIMIZED_VERT" in self.main.states(), what="maximised")
        self.dismiss_help()
        _, _, self.photo = read_rgb(PHOTO)
        self.origin = self.display.wait_for(lambda: find_board(self.shot("start"), self.main, self.photo), what="board")

    def centre(self, title):
        l, t, w, h = CIRCLES[title]
        return self.origin[0] + l + w // 2, self.origin[1] + t + h // 2

    def circle_pixels(self, shot, title):
        l, t, w, h = CIRCLES[title]
        return shot.block(self.origin[0] + l, self.origin[1] + t, w, h)

    def popup(self, title):
        return self.program.window(title)

    def popup_gone(self, title):
        out = self.display.x("xdotool", "search", "--onlyvisible", "--name", "^" + title + "$", check=False)
        return not out.split()

    def activate_main(self):
        x, y, w, h = self.main.geometry()
        self.click(x + 30, y + 60)
        time.sleep(0.3)

    def choose_option(self, index):
        self.activate_main()
        self.key("alt+o")
        time.sleep(0.3)
        for _ in range(index):
            self.key("Down")
        self.key("Return")
        time.sleep(0.4)

    def test_hovering_a_circle_changes_its_marker_and_opens_its_popup_where_designed(self):
        before = self.shot("before-hover")
        self.move(*self.centre("DC Power Connector"))
        popup = self.popup("DC Power Connector")
        time.sleep(0.4)
        after = self.shot("hovered")
        self.assertNotEqual(self.circle_pixels(before, "DC Power Connector"), self.circle_pixels(after, "DC Power Connector"))
        self.assertEqual(self.circle_pixels(before, "USB Connector"), self.circle_pixels(after, "USB Connector"))
        # The panel's designed place, moved as far as the board moved from (150, 210), as screen position.
        client_x, client_y = self.main.geometry()[0], self.origin[1] - (self.main.outer()[3] - 288) // 2
        board_left, board_top = self.origin[0] - client_x, self.origin[1] - client_y
        px, py, cw, ch = PANELS["DC Power Connector"]
        ox, oy, ow, oh = popup.outer()
        self.assertEqual((ox, oy), (board_left - 150 + px, board_top - 210 + py))
        self.assertEqual(popup.geometry()[2:], (cw, ch))

    def test_the_popup_stays_while_the_mouse_is_in_it_and_closes_once_it_leaves(self):
        self.move(*self.centre("DC Power Connector"))
        popup = self.popup("DC Power Connector")
        x, y, w, h = popup.geometry()
        for px, py in ((x + 20, y + 20), (x + w // 2, y + h - 40), (x + w - 10, y + h - 30)):
            self.move(px, py)
            time.sleep(0.2)
        self.assertFalse(self.popup_gone("DC Power Connector"))
        self.shot("inside-popup")
        self.move(5, 5)
        self.display.wait_for(lambda: self.popup_gone("DC Power Connector"), what="popup closed")
        self.assertEqual(self.circle_pixels(self.shot("closed"), "DC Power Connector"),
                         self.circle_pixels(self.shot("start-again"), "DC Power Connector"))

    def test_a_click_pins_popups_and_several_stay_open(self):
        for title in ("DC Power Connector", "USB Connector"):
            self.click(*self.centre(title))
            self.popup(title)
            time.sleep(0.3)
        self.move(5, 5)
        time.sleep(0.5)
        self.assertFalse(self.popup_gone("DC Power Connector"))
        self.assertFalse(self.popup_gone("USB Connector"))
        self.shot("two-pinned")

    def test_the_active_popup_shows_the_hot_marker_and_the_main_window_the_active_one(self):
        self.click(*self.centre("DC Power Connector"))
        self.popup("DC Power Connector")
        time.sleep(0.5)
        l, t, w, h = CIRCLES["DC Power Connector"]
        ring = (self.origin[0] + l + 82, self.origin[1] + t + 24)  # on the ring's middle, right of the centre
        hot = self.shot("hot").pixel(*ring)
        self.activate_main()
        active = self.shot("active").pixel(*ring)
        self.assertGreater(min(hot), 180, "the hot marker has a white core")
        self.assertLess(min(active), 150, "the active marker has none")

    def test_the_options_menu_pins_and_closes_and_next_and_previous_wrap(self):
        self.activate_main()
        self.key("alt+o")
        time.sleep(0.4)
        self.shot("options-menu")
        self.key("Return")
        dc = self.popup("DC Power Connector")
        self.activate_main()
        self.key("alt+o")
        time.sleep(0.4)
        self.shot("options-menu-checked")
        self.key("Return")
        self.display.wait_for(lambda: self.popup_gone("DC Power Connector"), what="closed by the menu")
        self.choose_option(3)  # LEDs
        leds = self.popup("LEDs")

        def press(window, name):
            x, y, w, h = window.geometry()
            across = {"Previous": 6 + 29, "Next": (w - 58) // 2 + 29}[name]
            self.click(x + across, y + h - 44 + 12)
            time.sleep(0.4)

        press(leds, "Next")  # wraps to the first
        dc = self.popup("DC Power Connector")
        self.assertTrue(self.popup_gone("LEDs"))
        press(dc, "Previous")  # wraps to the last
        self.popup("LEDs")
        self.assertTrue(self.popup_gone("DC Power Connector"))
        self.shot("after-previous")

    def test_all_four_popups_pinned_at_once_show_their_content(self):
        for index, title in enumerate(TITLES):
            self.choose_option(index)
            self.popup(title)
        time.sleep(0.5)
        self.shot("all-four")
        for title in TITLES:
            self.assertFalse(self.popup_gone(title), title)
            _, _, cw, ch = PANELS[title]
            extra = 160 if title == "LEDs" else 0  # the LED popup grows when it first gets the focus
            x, y, w, h = self.popup(title).geometry()
            self.assertEqual((w, h), (cw, ch + extra), title)
            # The window's content reaches its bottom edge: the model's client area is the real one.
            shot = self.shot("check-" + title.split()[0])
            self.assertNotEqual(shot.pixel(x + w // 2, y + h - 3), (0, 0, 0), title)
        serial = self.popup("Serial Connector")
        x, y, w, h = serial.geometry()
        for tab, name in ((95, "rj12"), (160, "rj45")):
            self.click(x + tab, y + 10)
            time.sleep(0.3)
            self.shot("serial-" + name)


if __name__ == "__main__":
    unittest.main()
