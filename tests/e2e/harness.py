"""Drives the real program in a virtual X display with a window manager, as a person would:
xdotool for the mouse and keyboard, the window manager's view of the windows, and screenshots."""
import os
import subprocess
import tempfile
import time
import unittest


def run(*args, check=True, **kw):
    return subprocess.run(args, check=check, capture_output=True, text=True, **kw).stdout


class Display:
    """An Xvfb display with openbox on it."""

    def __init__(self, size="1280x800"):
        read_fd, write_fd = os.pipe()
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_fd), "-screen", "0", size + "x24", "-nolisten", "tcp"],
            pass_fds=(write_fd,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_fd)
        with os.fdopen(read_fd) as f:
            self.name = ":" + f.readline().strip()
        self.env = dict(os.environ, DISPLAY=self.name)
        self.env.pop("WAYLAND_DISPLAY", None)
        self.wm = subprocess.Popen(["openbox"], env=self.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.wait_for(lambda: "window id" in self.x("xprop", "-root", "_NET_SUPPORTING_WM_CHECK", check=False),
                      timeout=30, what="the window manager")

    def x(self, *args, check=True):
        return run(*args, env=self.env, check=check)

    def close(self):
        for p in (self.wm, self.xvfb):
            p.terminate()
            p.wait()

    @staticmethod
    def wait_for(condition, timeout=10.0, what="condition"):
        end = time.monotonic() + timeout
        while time.monotonic() < end:
            result = condition()
            if result:
                return result
            time.sleep(0.05)
        raise AssertionError("timed out waiting for " + what)


class Window:
    def __init__(self, display, wid):
        self.display, self.id = display, wid

    def geometry(self):
        """Inside of the frame (x, y, width, height) in screen coordinates."""
        out = self.display.x("xwininfo", "-id", self.id)
        v = {}
        for line in out.splitlines():
            line = line.strip()
            for key in ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height"):
                if line.startswith(key + ":"):
                    v[key] = int(line.split(":")[1])
        return v["Absolute upper-left X"], v["Absolute upper-left Y"], v["Width"], v["Height"]

    def frame_extents(self):
        """left, right, top, bottom of the window manager's frame."""
        out = self.display.x("xprop", "-id", self.id, "_NET_FRAME_EXTENTS")
        return tuple(int(n) for n in out.split("=")[1].split(","))

    def outer(self):
        x, y, w, h = self.geometry()
        left, right, top, bottom = self.frame_extents()
        return x - left, y - top, w + left + right, h + top + bottom

    def states(self):
        return self.display.x("xprop", "-id", self.id, "_NET_WM_STATE", check=False)


class Program:
    """The program under test, started on a display."""

    def __init__(self, display, path):
        self.display = display
        self.process = subprocess.Popen([path], env=display.env, stdout=subprocess.PIPE, stderr=subprocess.STDOUT)

    def window(self, title, timeout=10.0):
        def find():
            out = self.display.x("xdotool", "search", "--onlyvisible", "--name", "^" + title + "$", check=False)
            ids = out.split()
            return ids[0] if ids else None
        return Window(self.display, Display.wait_for(find, timeout, "window " + title))

    def ended(self, timeout=5.0):
        try:
            self.process.wait(timeout)
            return True
        except subprocess.TimeoutExpired:
            return False

    def stop(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()


class Screenshot:
    """The whole screen; saved as a PNG under the build folder and readable pixel by pixel."""

    def __init__(self, display, name):
        folder = os.environ.get("SCREENSHOT_DIR", tempfile.gettempdir())
        os.makedirs(folder, exist_ok=True)
        self.path = os.path.join(folder, name + ".png")
        display.x("import", "-window", "root", self.path)
        self.width, self.height, self.rgb = read_rgb(self.path)

    def pixel(self, x, y):
        i = 3 * (y * self.width + x)
        return tuple(self.rgb[i:i + 3])

    def block(self, x, y, w, h):
        return b"".join(self.rgb[3 * ((y + row) * self.width + x):3 * ((y + row) * self.width + x + w)] for row in range(h))


def read_rgb(path):
    size = run("identify", "-format", "%w %h", path).split()
    data = subprocess.run(["convert", path, "-depth", "8", "rgb:-"], check=True, capture_output=True).stdout
    return int(size[0]), int(size[1]), data


# The product's circles on the photograph: left, top, width, height.
CIRCLES = {
    "DC Power Connector": (0, 176, 89, 49),
    "USB Connector": (0, 64, 105, 97),
    "Serial Connector": (479, 48, 121, 193),
    "LEDs": (88, 232, 177, 49),
}


def find_board(shot, window, photo_rgb):
    """Where the photograph stands on the screen, found by its first row (no circle covers it)."""
    x, y, w, h = window.geometry()
    first_row = photo_rgb[:600 * 3]
    for sy in range(y, y + h - 288 + 1):
        for sx in range(x, x + w - 600 + 1):
            if shot.block(sx, sy, 1, 1) == first_row[:3] and shot.block(sx, sy, 600, 1) == first_row:
                return sx, sy
    return None


def photo_matches(shot, origin, photo_rgb):
    """The photograph is drawn one to one everywhere but under the circles."""
    bx, by = origin
    for row in range(288):
        line = shot.block(bx, by + row, 600, 1)
        expected = photo_rgb[row * 1800:(row + 1) * 1800]
        covered = [(l, l + w) for (l, t, w, h) in CIRCLES.values() if t <= row < t + h]
        for col in range(600):
            if any(a <= col < b for a, b in covered):
                continue
            if line[3 * col:3 * col + 3] != expected[3 * col:3 * col + 3]:
                return False
    return True


class ProgramTestCase(unittest.TestCase):
    """A fresh display and a fresh program for each test."""
    program_path = os.environ.get("SETTINGS_PROGRAM", "")

    def setUp(self):
        self.display = Display()
        self.addCleanup(self.display.close)
        self.program = Program(self.display, self.program_path)
        self.addCleanup(self.program.stop)

    def key(self, *keys):
        self.display.x("xdotool", "key", "--clearmodifiers", *keys)

    def move(self, x, y):
        self.display.x("xdotool", "mousemove", str(x), str(y))

    def click(self, x, y):
        self.display.x("xdotool", "mousemove", str(x), str(y), "click", "1")

    def dismiss_help(self):
        """Closes the instructions, which open by themselves shortly after start-up, with their close box."""
        window = self.program.window("Instructions for Settings utility")
        self.display.x("wmctrl", "-i", "-c", window.id)
        self.display.wait_for(
            lambda: not self.display.x("xdotool", "search", "--onlyvisible", "--name", "^Instructions for Settings utility$",
                                       check=False).split(), what="instructions closed")
        time.sleep(0.2)

    def shot(self, name):
        return Screenshot(self.display, self.id().split(".")[-1] + "-" + name)
