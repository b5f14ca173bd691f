"""Helpers to drive Quotara through AT-SPI, as a screen reader or a script does.

Used by the screen-reader test and the screenshot script, on the X server and
session bus that with-atspi.sh provides.
"""

import os
import subprocess
import time

import pyatspi
from gi.repository import GLib

SUCCESSION_TITLE = "Quotara: dati della successione"
# A name that tells nothing on its own: empty, a lone sign, or a bare number.
UNHELPFUL = {"", "?", "...", "0", "1"}


def wait_for(what, probe, seconds=20.0):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = probe()
        if found:
            return found
        time.sleep(0.2)
    raise TimeoutError("waited %.0f s for %s" % (seconds, what))


def children(node):
    try:
        return [node.getChildAtIndex(i) for i in range(node.childCount)]
    except Exception:
        return []


def walk(node):
    yield node
    for child in children(node):
        if child is not None:
            yield from walk(child)


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def application():
    for app in children(pyatspi.Registry.getDesktop(0)):
        if app is not None and app.name.lower() == "quotara":
            return app
    return None


def window(app, title):
    for top in children(app):
        if top is not None and top.name == title and showing(top):
            return top
    return None


def wait_for_window(app, title):
    return wait_for("the window '%s'" % title, lambda: window(app, title))


def find(root, name, roles=None):
    for node in walk(root):
        if node.name == name and (roles is None or node.getRole() in roles):
            return node
    return None


def press(root, name):
    """Runs the first action (press) of the button called `name`."""
    button = wait_for("the button '%s'" % name, lambda: find(
        root, name, (pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON)), 10)
    button.queryAction().doAction(0)


def extents(node):
    return node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)


def run_loop(seconds):
    GLib.timeout_add(int(seconds * 1000), lambda: pyatspi.Registry.stop() or False)
    pyatspi.Registry.start()


class Program:
    """The program under test, started and always ended."""

    def __init__(self, path):
        self.process = subprocess.Popen([path], stdout=subprocess.PIPE,
                                        stderr=subprocess.STDOUT, env=os.environ.copy())
        self.output = b""

    def end(self):
        self.process.terminate()
        try:
            self.output, _ = self.process.communicate(timeout=10)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.output, _ = self.process.communicate()
        return self.output.decode(errors="replace")


def pass_splash(app):
    """A click on the splash window opens the succession window."""
    splash = wait_for("the splash window", lambda: next(iter(children(app)), None))
    box = extents(splash)
    pyatspi.Registry.generateMouseEvent(box.x + box.width // 2, box.y + box.height // 2,
                                        pyatspi.MOUSE_B1C)
    return wait_for_window(app, SUCCESSION_TITLE)
