#!/usr/bin/python3
"""Reads the running program as a screen reader does, through AT-SPI.

Opens the power-factor window from the main window, finds each of its boxes by
its caption with its role and enabled state, types a calculation with real key
presses, reads the result's whole number as the box's text, reads the fault
box's message, and finds no name made only of underscores anywhere; then the
Info window's link and the topology window's buttons, each window as a window.

Run by run_screen_reader_test inside its own X display and session bus;
argument: the program to start.
"""
import os
import re
import subprocess
import sys
import time

SKIPPED = 77

try:
    import gi

    gi.require_version("Atspi", "2.0")
    from gi.repository import Atspi, GLib
    import pyatspi
except (ImportError, ValueError) as missing:
    print(f"skipped: the AT-SPI bindings for Python are missing ({missing}); install python3-pyatspi")
    sys.exit(SKIPPED)


def wait_for(condition, what, seconds=10):
    """The condition's first true value, asked until it comes or time runs out."""
    deadline = time.monotonic() + seconds
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            raise AssertionError(f"{what} did not happen within {seconds} s")
        time.sleep(0.1)


def descendants(node):
    for child in node:
        if child is not None:
            yield child
            yield from descendants(child)


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def enabled(node):
    return node.getState().contains(pyatspi.STATE_ENABLED)


def the_program():
    for application in pyatspi.Registry.getDesktop(0):
        if application is not None and application.name == "Voltaris":
            # Read every state afresh: the program changes them as it runs.
            application.set_cache_mask(Atspi.Cache.NONE)
            return application
    return None


def windows(application, role):
    """The program's windows of that role, leaving out any destroyed while they are read."""
    found = []
    for window in application:
        try:
            if window is not None and window.getRole() == role:
                found.append(window)
        except GLib.GError:
            continue
    return found


def shown_window(application, role):
    for window in windows(application, role):
        try:
            if showing(window):
                return window
        except GLib.GError:
            continue
    return None


def named(node, role, name):
    for found in descendants(node):
        if found.getRole() == role and found.name == name:
            return found
    raise AssertionError(f"no {pyatspi.Role(role)} named {name!r} under {node.name!r}")


def text_of(node):
    return node.queryText().getText(0, -1)


def press(node):
    node.queryAction().doAction(0)


def xdotool(*arguments):
    subprocess.run(["xdotool", *arguments], check=True)


def click(node):
    x, y, width, height = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    xdotool("mousemove", "--sync", str(x + width // 2), str(y + height // 2), "click", "1")


def type_into(box, text):
    """Clicks into the box, selects what it holds and types the text key by key."""
    click(box)
    xdotool("key", "ctrl+a")
    xdotool("type", "--delay", "30", text)
    wait_for(lambda: text_of(box) == text, f"typing {text!r} into {box.name!r}")


def check():
    application = wait_for(the_program, "the program appearing on the accessibility bus", 30)
    main = wait_for(lambda: shown_window(application, pyatspi.ROLE_FRAME), "the main window showing")
    assert main.name == "Voltaris BT", main.name

    press(named(main, pyatspi.ROLE_PUSH_BUTTON, "RIFASAMENTO"))
    window = wait_for(lambda: (w := shown_window(application, pyatspi.ROLE_FRAME)) and w.name == "Rifasamento" and w,
                      "the power-factor window showing")
    assert not showing(main), "the main window stayed shown"

    captions = ["Potenza", "Cos(fi) iniziale", "Cos(fi) finale", "Potenza Rifasante (Q)"]
    boxes = [named(window, pyatspi.ROLE_TEXT, caption) for caption in captions]
    calcola = named(window, pyatspi.ROLE_PUSH_BUTTON, "Calcola")
    assert [enabled(box) for box in boxes] == [True, False, False, True], [enabled(box) for box in boxes]
    assert not enabled(calcola), "Calcola enabled before any key was typed"

    # Each key typed into a box enables the next one, as a user meets them.
    for box, following, text in zip(boxes, boxes[1:3] + [calcola], ["100", "0,7", "0,95"]):
        type_into(box, text)
        wait_for(lambda: enabled(following), f"typing into {box.name!r} enabling {following.name!r}")
    press(calcola)
    result = boxes[3]
    wait_for(lambda: text_of(result) == "69,1519956041544", "the whole result being the box's text")
    print(f"{result.name!r} reads {text_of(result)!r}, described as {result.description!r}")

    type_into(boxes[0], "x")
    # Alt with a letter is a command key, never text: the next key typed lands right after the x.
    xdotool("key", "alt+f", "alt+n", "y")
    wait_for(lambda: text_of(boxes[0]) == "xy", "typing y after Alt+F and Alt+N")
    press(calcola)
    fault = wait_for(lambda: shown_window(application, pyatspi.ROLE_ALERT), "the fault box showing")
    message = "'xy' is not a valid floating point value."
    readable = [node.name for node in descendants(fault) if node.getRole() == pyatspi.ROLE_LABEL and showing(node)]
    assert message in readable, readable
    print(f"the fault box {fault.name!r} reads {message!r}")
    press(named(fault, pyatspi.ROLE_PUSH_BUTTON, "OK"))
    # The box is hidden first and destroyed a moment later: read on only once it is gone.
    wait_for(lambda: not windows(application, pyatspi.ROLE_ALERT), "the fault box closing")

    underscores = [f"{node.name!r} in {window.name!r}" for window in application for node in descendants(window)
                   if re.fullmatch("_+", node.name)]
    assert not underscores, f"names made only of underscores: {underscores}"
    unnamed_pictures = [node for node in descendants(window) if node.getRole() == pyatspi.ROLE_IMAGE]
    assert not unnamed_pictures, f"{len(unnamed_pictures)} pictures read in {window.name!r}"
    return application


def window_titled(application, title):
    return wait_for(lambda: (w := shown_window(application, pyatspi.ROLE_FRAME)) and w.name == title and w,
                    f"the window {title!r} showing, read as a window")


def check_link_and_choices(application):
    """From the power-factor window back to the main window, to Info and to the topology window."""
    press(next(node for node in descendants(window_titled(application, "Rifasamento"))
               if node.getRole() == pyatspi.ROLE_MENU_ITEM and node.name.startswith("Chiudi")))
    press(named(window_titled(application, "Voltaris BT"), pyatspi.ROLE_MENU_ITEM, "Info ..."))
    info = window_titled(application, "Info ...")
    link = next(node for node in descendants(info) if node.getRole() == pyatspi.ROLE_LINK)
    assert link.name.startswith("https://"), link.name
    assert link.getState().contains(pyatspi.STATE_FOCUSABLE), "the link is not reached by Tab"
    assert link.queryAction().getName(0) == "Press", "the link has no action that follows it"
    press(named(info, pyatspi.ROLE_PUSH_BUTTON, "OK"))
    press(named(window_titled(application, "Voltaris BT"), pyatspi.ROLE_PUSH_BUTTON,
                "CALCOLO CORRENTI DI CORTOCIRCUITO"))
    press(named(window_titled(application, "Calcolo correnti di cortocircuito"), pyatspi.ROLE_PUSH_BUTTON,
                "LINEA IN CAVO DI RAME"))
    topology = window_titled(application, "Linea in cavo di rame")
    buttons = [node.name for node in descendants(topology) if node.getRole() == pyatspi.ROLE_PUSH_BUTTON]
    assert buttons == ["Linea TRIFASE CON NEUTRO", "Linea TRIFASE SENZA NEUTRO", "Linea MONOFASE"], buttons
    pictures = [node for node in descendants(topology) if node.getRole() == pyatspi.ROLE_IMAGE and not node.name]
    assert not pictures, f"{len(pictures)} unnamed pictures read in the topology window"


def main():
    environment = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb",
                       LC_ALL="it_IT.UTF-8", LANG="it_IT.UTF-8")
    program = subprocess.Popen([sys.argv[1]], env=environment)
    try:
        check_link_and_choices(check())
    finally:
        program.terminate()
        program.wait(10)
    print("read through AT-SPI as expected")


if __name__ == "__main__":
    main()
