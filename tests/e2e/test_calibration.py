"""A calibration run on the real screen, in a small program with one red circle: the channel lines
update every 100 ms, and the total-failure prompt answers Retry (the run goes on) and Cancel (it ends)."""
import os
import time
import unittest

from harness import ProgramTestCase


class CalibrationTest(ProgramTestCase):
    program_path = os.environ.get("CALIBRATION_PROGRAM", "")

    def visible(self, title):
        out = self.display.x("xdotool", "search", "--onlyvisible", "--name", "^" + title + "$", check=False)
        return bool(out.split())

    def list_pixels(self, popup):
        x, y, w, h = popup.geometry()
        return self.shot("lines").block(x + 8, y + 8, 244, 60)

    def test_channel_lines_update_and_the_failure_prompt_retries_and_cancels(self):
        self.program.window("Calibration test")
        time.sleep(0.4)
        self.key("alt+c")  # the "&Calibration" group holds the red circle
        time.sleep(0.3)
        self.key("Return")
        popup = self.program.window("Trim")
        time.sleep(0.3)
        x, y, w, h = popup.geometry()
        self.click(x + 8 + 37, y + 76 + 12)  # Start
        time.sleep(0.3)
        first = self.list_pixels(popup)
        self.shot("running")
        time.sleep(0.4)
        self.assertTrue(first != self.list_pixels(popup), "the channel lines do not update")
        self.program.window("Total A/D failure")
        time.sleep(0.3)
        self.shot("prompt")
        self.key("alt+r")  # Retry
        self.display.wait_for(lambda: not self.visible("Total A/D failure"), what="prompt closed")
        time.sleep(0.3)
        again = self.list_pixels(popup)
        time.sleep(0.4)
        self.assertTrue(again != self.list_pixels(popup), "the run did not go on after Retry")
        self.program.window("Total A/D failure")
        self.key("Escape")  # Cancel
        self.display.wait_for(lambda: not self.visible("Total A/D failure"), what="prompt closed")
        time.sleep(0.3)
        ended = self.list_pixels(popup)
        time.sleep(0.4)
        self.assertTrue(ended == self.list_pixels(popup), "the run did not end on Cancel")
        self.shot("ended")


if __name__ == "__main__":
    unittest.main()
