#!/usr/bin/python3
"""The program under a real window manager (openbox on a private Xvfb).

Every window is reached by a user's clicks (or keys) and closed by the manager, once by
Alt+F4 (the manager's key binding) and once by its close box (the manager's
delete request, as the close box sends it), each under a theme with its own
frame: the window that comes back must be the closing table's, the main
window's close must end the program, and each window's client area must be
the design's, whole on the screen and placed as designed, whatever frame the
manager draws (its extents are printed). Exits 77 when the tools are missing.
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time

TOOLS = {"Xvfb": "xvfb", "openbox": "openbox", "xdotool": "xdotool", "wmctrl": "wmctrl",
         "xprop": "x11-utils", "xwininfo": "x11-utils"}
SCREEN = (1280, 1024)

MAIN = "Voltaris BT"
# Clicks in client coordinates, at the centre of a design button; the main
# window's buttons lie 18 pixels lower, under its menu bar.
CURRENT, CABLE, DROP, PROTECTION, SHORT_CIRCUIT, CORRECTION = (
    (252, y) for y in (166, 238, 310, 382, 454, 526))
INFO = "Info ..."  # the main menu's "?", then its one item
RETURN, KEYPAD_ENTER = "Return", "KP_Enter"  # press the focused button of the active window

# Title, client size of the design, outer top-left on the screen, the clicks
# that reach it from the main window, the window its close returns to.
WINDOWS = [
    ("Corrente d'impiego - LINEA MONOFASE", (781, 504), (126, 127), [RETURN, KEYPAD_ENTER], MAIN),
    ("Calcolo Corrente d'impiego", (247, 205), (407, 258), [CURRENT], MAIN),
    ("Corrente d'impiego - LINEA MONOFASE", (781, 504), (126, 127), [CURRENT, (124, 60)], MAIN),
    ("Info ...", (435, 438), (321, 128), [INFO], MAIN),
    ("Scelta della sezione dei cavi", (430, 403), (311, 186), [CABLE], MAIN),
    ("Verifica della caduta di tensione", (431, 545), (309, 92), [DROP], MAIN),
    ("Protezione linee da sovraccarico e cortocircuito", (438, 378), (303, 169), [PROTECTION], MAIN),
    ("Rifasamento", (447, 450), (294, 163), [CORRECTION], MAIN),
    ("Calcolo correnti di cortocircuito", (285, 215), (376, 272), [SHORT_CIRCUIT], MAIN),
    ("Linea in cavo di rame", (526, 499), (251, 128), [SHORT_CIRCUIT, (144, 60)], MAIN),
    ("Linea TRIFASE CON NEUTRO", (593, 453), (228, 131), [SHORT_CIRCUIT, (144, 60), (432, 112)],
     "Linea in cavo di rame"),
    ("Linea in sbarre di rame", (591, 364), (228, 182), [SHORT_CIRCUIT, (144, 140)],
     "Calcolo correnti di cortocircuito"),
]
DESIGN = {title: (size, place) for title, size, place, _, _ in WINDOWS}
DESIGN[MAIN] = ((500, 598), (266, 78))
RETURNS_TO = {title: back for title, _, _, _, back in WINDOWS}

failures = []
frames_reported = set()


def run(*command):
    return subprocess.run(command, check=True, capture_output=True, text=True).stdout


# Generous: a program starting on a busy machine (a build beside it) takes seconds.
def wait_for(condition, what, timeout=40):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        value = condition()
        if value:
            return value
        time.sleep(0.05)
    raise AssertionError(f"timed out waiting for {what}")


def shown_windows(pid):
    """The program's windows that the manager holds on the screen: [(id, title)]."""
    shown = []
    # wmctrl fails while the manager holds no window at all, as between two runs.
    listing = subprocess.run(["wmctrl", "-lp"], capture_output=True, text=True).stdout
    for line in listing.splitlines():
        window, _, owner, _, title = (line.split(None, 4) + [""])[:5]
        if owner == str(pid):
            shown.append((window, title))
    return shown


def popups(pid, window):
    """The program's windows on the screen that the manager does not hold: its open menus."""
    search = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(pid)],
                            capture_output=True, text=True)
    return [found for found in search.stdout.split() if int(found) != int(window, 16)]


def the_one_shown(pid, title):
    def only_that():
        shown = shown_windows(pid)
        return shown[0][0] if len(shown) == 1 and shown[0][1] == title else None
    try:
        return wait_for(only_that, f'"{title}" as the only window shown')
    except AssertionError as error:
        raise AssertionError(f"{error}; shown: {[t for _, t in shown_windows(pid)]}") from None


def check_client_area(window, title):
    (width, height), (left, top) = DESIGN[title]
    extents = run("xprop", "-id", window, "_NET_FRAME_EXTENTS").split("=")[-1]
    frame_left, frame_right, frame_top, frame_bottom = (int(v) for v in extents.split(","))
    if (title, extents) not in frames_reported:
        frames_reported.add((title, extents))
        print(f'"{title}": _NET_FRAME_EXTENTS left, right, top, bottom = '
              f"{frame_left}, {frame_right}, {frame_top}, {frame_bottom}")
    info = dict(line.strip().split(": ", 1) for line in run("xwininfo", "-id", window).splitlines()
                if ": " in line)
    x, y = int(info["Absolute upper-left X"]), int(info["Absolute upper-left Y"])
    seen = (int(info["Width"]), int(info["Height"]))
    if seen != (width, height):
        failures.append(f'"{title}": client area {seen}, the design has {(width, height)}')
    if (x - frame_left, y - frame_top) != (left, top):
        failures.append(f'"{title}": frame at {(x - frame_left, y - frame_top)}, '
                        f"the design places it at {(left, top)}")
    if x < 0 or y < 0 or x + seen[0] > SCREEN[0] or y + seen[1] > SCREEN[1]:
        failures.append(f'"{title}": client area at {(x, y)} size {seen} leaves the screen')


def active_window():
    active = subprocess.run(["xdotool", "getactivewindow"], capture_output=True, text=True).stdout.strip()
    return int(active) if active else None


def click(window, point):
    run("xdotool", "mousemove", "--window", window, str(point[0]), str(point[1]), "click", "1")


def open_window(pid, title, route):
    window = the_one_shown(pid, MAIN)
    for step in route:
        if step in (RETURN, KEYPAD_ENTER):
            wait_for(lambda: active_window() == int(window, 16), "the window to be active")
            run("xdotool", "key", step)
        elif step == INFO:
            click(window, (45, 8))
            menu = wait_for(lambda: popups(pid, window), 'the "?" menu')[0]
            click(menu, (30, 10))
        else:
            click(window, step)
        window = wait_for(lambda previous=window: next_window(pid, previous), "the next window")
    return the_one_shown(pid, title)


def next_window(pid, previous):
    shown = shown_windows(pid)
    return shown[0][0] if len(shown) == 1 and shown[0][0] != previous else None


def close(window, way):
    if way == "Alt+F4":
        # The manager binds Alt+F4 for the window it has made active.
        wait_for(lambda: active_window() == int(window, 16), "the window to be active")
        run("xdotool", "key", "alt+F4")
    else:
        run("wmctrl", "-i", "-c", window)


def session(program, environment, way):
    """One run of the program: every window opened and closed one way, then the main window."""
    process = subprocess.Popen([program], env=environment)
    try:
        check_client_area(the_one_shown(process.pid, MAIN), MAIN)
        for title, _, _, route, _ in WINDOWS:
            window = open_window(process.pid, title, route)
            check_client_area(window, title)
            # Walk the closing table back to the main window.
            while title != MAIN:
                close(window, way)
                title = RETURNS_TO[title]
                window = the_one_shown(process.pid, title)
        close(the_one_shown(process.pid, MAIN), way)
        try:
            status = process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            raise AssertionError(f"{way} on the main window did not end the program") from None
        if status != 0:
            failures.append(f"{way} on the main window: the program ended with status {status}")
        print(f"{way}: every window followed the closing table; the main window's ended the program")
    finally:
        if process.poll() is None:
            process.kill()
            process.wait()


def start_openbox(theme, home, environment):
    with open("/etc/xdg/openbox/rc.xml") as default:
        settings = default.read().replace("<name>Clearlooks</name>", f"<name>{theme}</name>", 1)
    configuration = os.path.join(home, f"openbox-{theme}.xml")
    with open(configuration, "w") as file:
        file.write(settings)
    manager = subprocess.Popen(["openbox", "--sm-disable", "--config-file", configuration], env=environment)

    def managing():
        if manager.poll() is not None:
            raise AssertionError(f"openbox ended with status {manager.returncode}")
        return subprocess.run(["wmctrl", "-m"], capture_output=True).returncode == 0
    wait_for(managing, "openbox to manage the screen")
    print(f"openbox, theme {theme}:")
    return manager


def main():
    program = sys.argv[1]
    missing = sorted({package for tool, package in TOOLS.items() if not shutil.which(tool)})
    if missing:
        print(f"Skipped: the window-manager test needs the Debian packages {', '.join(missing)}.")
        return 77
    with tempfile.TemporaryDirectory() as home:
        os.chmod(home, 0o700)
        read_end, write_end = os.pipe()
        # Without -noreset the server resets whenever its last client leaves,
        # turning away a client that connects at that moment.
        server = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-noreset", "-nolisten", "tcp",
                                   "-screen", "0", f"{SCREEN[0]}x{SCREEN[1]}x24"],
                                  pass_fds=[write_end], stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as display_number:
            display = ":" + display_number.readline().strip()
        environment = dict(os.environ, DISPLAY=display, HOME=home, XDG_RUNTIME_DIR=home,
                           XDG_CONFIG_HOME=home, XDG_CACHE_HOME=home, QT_QPA_PLATFORM="xcb")
        os.environ.update(environment)
        try:
            # Two themes, two frames: the client areas must not depend on either.
            for way, theme in (("Alt+F4", "Clearlooks"), ("close box", "Onyx")):
                manager = start_openbox(theme, home, environment)
                try:
                    session(program, environment, way)
                finally:
                    manager.terminate()
                    manager.wait()
        finally:
            server.terminate()
            server.wait()
    for failure in failures:
        print("FAIL:", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
