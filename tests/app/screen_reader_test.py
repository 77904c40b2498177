#!/usr/bin/python3
"""The reader as a screen reader reads it, through the AT-SPI client library.
    GSETTINGS_BACKEND=memory dbus-run-session -- screen_reader_test.py OLVAR
under an X server (the memory backend keeps the announced screen reader out of
the desktop's settings)."""
import ctypes
import os
import re
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import Gio, GLib

TOOLBAR = ["Home : Telvarin", "Go Back", "Go Forward", "Search", "View Information",
           "Goto a specific chapter/verse", "Print", "Toggle between arabic/transliteration", "Help"]
CHAPTER_2 = "2. Al-Baqarah : The Cow"


def fail(message):
    sys.exit("screen_reader_test: " + message)


def poll(what, probe, seconds=60):
    """probe()'s first true answer: the reader answers late on a busy machine."""
    end = time.time() + seconds
    while time.time() < end:
        try:
            found = probe()
            if found:
                return found
        except (GLib.Error, IndexError):
            pass  # not there yet, or gone while it was read
        time.sleep(0.2)
    fail("no %s after %d s" % (what, seconds))


def children(node):
    return [c for c in (node.getChildAtIndex(i) for i in range(node.childCount)) if c is not None]


def find(root, role, name, depth=12):
    """The first `role` named `name` below root, not in trees, menus, documents."""
    level = [root]
    for _ in range(depth):
        level = [c for n in level for c in children(n)]
        for node in level:
            if node.getRoleName() == role and node.name == name:
                return node
        level = [n for n in level if n.getRoleName() not in ("tree", "document web", "menu bar")]
    return None


def press(node):
    action = node.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    if "Press" not in names:
        fail("%r has no press action (%s)" % (node.name, names))
    action.doAction(names.index("Press"))


def check_reader(app):
    window = poll("main window", lambda: find(app, "frame", "Lumivra.", 1))
    buttons = {n: poll("push button " + n, lambda n=n: find(window, "push button", n)) for n in TOOLBAR}

    # The book node, chapter 1, chapter 2.
    pane = poll("reading pane", lambda: find(window, "filler", "Reading Pane"))
    press(buttons["Go Forward"])
    poll("chapter 1", lambda: children(pane)[0].name.startswith("1. "), 90)
    press(buttons["Go Forward"])
    document = poll(CHAPTER_2, lambda: [d for d in children(pane) if d.name == CHAPTER_2], 90)[0]
    if not pyatspi.findDescendant(document, lambda n: n.getRoleName() == "heading" and n.name == CHAPTER_2):
        fail("no heading " + CHAPTER_2)
    verses = [c for c in children(document) if c.getRoleName() == "panel"]
    if [v.name for v in verses] != ["2:%d" % v for v in range(1, 287)]:
        fail("verse groups %s" % [v.name for v in verses][:4])
    texts = [t.name for t in pyatspi.findAllDescendants(verses[254], lambda n: n.getRoleName() == "label")]
    if len(texts) != 2 or not re.search("[\u0600-\u06ff]", texts[0]) or not texts[1].startswith("Allah"):
        fail("verse 2:255 reads %r" % texts)

    press(buttons["Search"])
    dialog = poll("search dialog", lambda: find(app, "dialog", "Search", 1))
    combo = poll("search field", lambda: find(dialog, "combo box", "Search Text"))
    field = poll("search field's text", lambda: find(combo, "text", "Search Text", 1))
    field.queryEditableText().setTextContents("mercy")
    poll("typed text", lambda: field.queryText().getText(0, -1) == "mercy")
    if combo.name != "Search Text":
        fail("the search field holding text is named %r" % combo.name)
    poll("scope box", lambda: find(dialog, "combo box", "Contained In"))
    press(poll("Find Now", lambda: find(dialog, "push button", "Find Now")))
    poll("result list named by its count", lambda: pyatspi.findDescendant(
        dialog, lambda n: n.getRoleName() == "list" and re.fullmatch(r"Found : [1-9]\d*\.", n.name)))


def main():
    # The bus launcher's brief visit to the X server must not be its last
    # client's: the test's server ends with its last client.
    if not ctypes.CDLL("libX11.so.6").XOpenDisplay(None):
        fail("no X server")
    bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)
    for status in ("IsEnabled", "ScreenReaderEnabled"):  # as Orca announces itself
        bus.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties", "Set",
                      GLib.Variant("(ssv)", ("org.a11y.Status", status, GLib.Variant("b", True))),
                      None, Gio.DBusCallFlags.NONE, 20000, None)
    with tempfile.TemporaryDirectory() as folder:
        log = os.path.join(folder, "olvar.log")
        with open(log, "w") as out:
            reader = subprocess.Popen([os.path.abspath(sys.argv[1])], cwd=folder, stdout=out, stderr=out)
        try:
            check_reader(poll("reader", lambda: [
                a for a in children(pyatspi.Registry.getDesktop(0)) if a.name == "Lumivra"], 90)[0])
        except SystemExit:
            sys.stderr.write(open(log).read()[-3000:])
            raise
        finally:
            reader.terminate()
            try:
                reader.wait(20)
            except subprocess.TimeoutExpired:
                reader.kill()


if __name__ == "__main__":
    main()
