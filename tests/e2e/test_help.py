"""The help and support windows on the real screen: the instructions open by themselves shortly after
start-up over the main window, Start opens and pins the first circle's popup, and the Help menu brings
both windows back."""
import time
import unittest

from harness import ProgramTestCase

HELP = "Instructions for Settings utility"


class HelpTest(ProgramTestCase):
    def visible(self, title):
        out = self.display.x("xdotool", "search", "--onlyvisible", "--name", "^" + title + "$", check=False)
        return bool(out.split())

    def test_the_instructions_open_by_themselves_and_start_pins_the_first_popup(self):
        main = self.program.window("Setup")
        help_window = self.program.window(HELP)
        time.sleep(0.5)
        shot = self.shot("instructions")
        # Centred over the main window.
        mx, my, mw, mh = main.outer()
        hx, hy, hw, hh = help_window.outer()
        self.assertLessEqual(abs((hx + hw // 2) - (mx + mw // 2)), 2)
        self.assertLessEqual(abs((hy + hh // 2) - (my + mh // 2)), 2)
        # The title strip: dark bold text centred across the top of the main window's client area.
        x, y, w, h = main.geometry()
        dark = [px for row in range(y + 20, y + 70) for px in range(x, x + w) if max(shot.pixel(px, row)) < 60]
        self.assertTrue(dark, "no title strip")
        self.assertLessEqual(abs((min(dark) + max(dark)) // 2 - (x + w // 2)), 3)
        # Start (the default button) hides the window and opens the DC power connector, pinned.
        self.key("Return")
        self.program.window("DC Power Connector")
        self.display.wait_for(lambda: not self.visible(HELP), what="instructions hidden")
        self.move(5, 5)
        time.sleep(0.5)
        self.assertTrue(self.visible("DC Power Connector"))
        self.shot("after-start")

    def test_the_help_menu_brings_back_the_instructions_and_the_support_window(self):
        main = self.program.window("Setup")
        self.program.window(HELP)
        time.sleep(0.3)
        self.key("Escape")  # Esc acts as Start
        self.display.wait_for(lambda: not self.visible(HELP), what="instructions hidden")
        x, y, w, h = main.geometry()
        self.click(x + w - 20, y + h - 20)
        time.sleep(0.3)
        self.key("alt+h")
        time.sleep(0.3)
        self.key("Return")
        self.program.window(HELP)
        self.click(x + w - 20, y + h - 20)
        time.sleep(0.3)
        self.key("alt+h")
        time.sleep(0.3)
        self.key("Down")
        self.key("Return")
        support = self.program.window("Technical Support")
        time.sleep(0.4)
        self.shot("support")
        self.display.x("xdotool", "windowactivate", "--sync", support.id)
        self.key("Escape")
        self.display.wait_for(lambda: not self.visible("Technical Support"), what="support hidden")


if __name__ == "__main__":
    unittest.main()
