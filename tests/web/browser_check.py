#!/usr/bin/env python3
"""The site in headless Chromium, used as a user uses it: real mouse, key and
touch events on the program's canvas, the results read back through the
clipboard. python3 browser_check.py SITE_FOLDER prints one line per check and
the counts, and ends non-zero on any failure."""
import pathlib
import shutil
import subprocess
import sys
import tempfile
import time
import xml.etree.ElementTree as ET

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.common.keys import Keys

ROOT = pathlib.Path(__file__).resolve().parents[2]
LOADING = 240  # seconds for the program to download and compile on a busy machine
REACTION = 30  # seconds for the page to answer one event
FLAGS = ["--headless=new", "--no-sandbox", "--disable-gpu-sandbox", "--enable-unsafe-swiftshader",
         "--use-gl=angle", "--use-angle=swiftshader", "--ignore-gpu-blocklist",
         "--disable-background-networking", "--disable-component-update", "--disable-sync",
         "--no-first-run", "--disable-quic"]
BORDER, TITLE_BAR = 4, 18  # the frame Qt draws around each window, in the page's pixels at any scale
NOTHING_COPIED = "\u2400 nothing copied"

# Each window, the clicks that reach it from the main window, and where closing it returns.
PATHS = {
    "Form2": [("Form1", "Button1")],
    "Form3": [("Form1", "Button1"), ("Form2", "Button1")],
    "Form4": [("Form1", "?", "Info1")],
    "Form5": [("Form1", "Button2")],
    "Form6": [("Form1", "Button3")],
    "Form7": [("Form1", "Button4")],
    "Form8": [("Form1", "Button5")],
    "Form9": [("Form1", "Button6")],
    "Form10": [("Form1", "Button6"), ("Form9", "Button1")],
    "Form12": [("Form1", "Button6"), ("Form9", "Button1"), ("Form10", "Button1")],
    "Form13": [("Form1", "Button6"), ("Form9", "Button2")],
}
RETURNS = {name: "Form1" for name in PATHS} | {"Form12": "Form10", "Form13": "Form9"}

# One worked example per calculator window: (control, text typed or None for a click), results.
EXAMPLES = {
    "Form3": ([("Edit1", "1"), ("Button1", None), ("Edit2", "0,7"), ("Edit3", "230"), ("Edit5", "3"),
               ("Edit4", "0,9"), ("Button2", None)], {"Edit24": "14,4927536231884"}),
    "Form5": ([("Edit1", "35,01"), ("Button1", None)], {"Edit2": "6", "Edit3": "46"}),
    "Form6": ([("RadioButton1", None), ("Edit1", "230"), ("Edit2", "16"), ("Edit3", "25"), ("Edit4", "2,5"),
               ("Button1", None)], {"Edit5": "6,4", "Edit6": "2,78260869565217"}),
    "Form7": ([("ComboBox1", "16"), ("Button1", None)], {"Edit2": "80"}),
    "Form8": ([("Edit1", "30"), ("Edit2", "0,6"), ("Edit3", "0,8"), ("Button1", None)], {"Edit4": "17,5"}),
    "Form12": ([("Edit1", "10"), ("Edit2", "50"), ("Edit3", "16"), ("Edit4", "16"), ("Button1", None)],
               {"Edit5": "1,63701067615658", "Edit6": "2,44770642201835", "Edit7": "2,81345565749235"}),
    "Form13": ([("Edit1", "25"), ("Edit2", "30"), ("Edit3", "1000"), ("Button1", None)],
               {"Edit5": "14,6168224299065", "Edit6": "17,0541808415398", "Edit7": "19,6025067144136"}),
}

counts = {True: 0, False: 0}


def check(name, ok, seen=""):
    counts[bool(ok)] += 1
    print(f"{'ok  ' if ok else 'FAIL'} {name}" + (f"  [{seen}]" if seen != "" else ""), flush=True)
    return ok


class Design:
    """A window's .ui design: its caption, its controls' rectangles in the client area, its menus."""

    def __init__(self, name):
        folder = "app" if name in ("Form1", "Form4") else "ui"
        design = ET.parse(ROOT / folder / f"{name.lower()}.ui").getroot()
        window = design.find("widget")
        caption = window.find("property[@name='windowTitle']/string")
        self.caption = "Corrente d'impiego - LINEA MONOFASE" if name == "Form3" else caption.text
        self.rects = {}
        for widget in window.iter("widget"):
            rect = widget.find("property[@name='geometry']/rect")
            if rect is not None:
                self.rects[widget.get("name")] = [int(rect.find(k).text) for k in ("x", "y", "width", "height")]
        self.width = self.rects[name][2]
        self.menus = [(menu.find("property[@name='title']/string").text,
                       [item.get("name") for item in menu.findall("addaction")])
                      for menu in window.iter("widget") if menu.get("class") == "QMenu"]
        self.items = {item.find("property[@name='text']/string").text.split()[0]: item.get("name")
                      for item in design.iter("action")}


DESIGNS = {name: Design(name) for name in ["Form1", *PATHS]}
CAPTIONS = {name: design.caption for name, design in DESIGNS.items()}


class Timeout(Exception):
    pass


class Page:
    """One browser on the site, with the program's windows as a user finds them."""

    def __init__(self, url, language="it-IT", phone=False, width=1280):
        self.url = url
        self.profile = tempfile.mkdtemp(prefix="voltaris-browser-")
        options = webdriver.ChromeOptions()
        options.binary_location = "/usr/bin/chromium"
        for flag in FLAGS + [f"--user-data-dir={self.profile}", f"--lang={language}"]:
            options.add_argument(flag)
        options.add_experimental_option("prefs", {"intl.accept_languages": f"{language},{language[:2]}"})
        if phone:
            options.add_experimental_option("mobileEmulation", {"deviceMetrics": {
                "width": 412, "height": 915, "pixelRatio": 2.625, "touch": True}})
        else:
            options.add_argument(f"--window-size={width},1000")
        self.driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
        self.press = self.tap_at if phone else self.click_at
        self.driver.set_script_timeout(REACTION)
        self.driver.get("data:text/html,<title>before</title>")
        self.driver.execute_cdp_cmd("Browser.grantPermissions", {
            "origin": url.rstrip("/"), "permissions": ["clipboardReadWrite", "clipboardSanitizedWrite"]})
        self.open_site()

    def open_site(self):
        self.driver.get(self.url)
        self.wait_for("Form1", LOADING)

    def close(self):
        self.driver.quit()
        shutil.rmtree(self.profile, ignore_errors=True)

    def js(self, script, *arguments):
        return self.driver.execute_script(script, *arguments)

    def happens(self, condition, seconds=REACTION):
        try:
            return self.wait(condition, "", seconds)
        except Timeout:
            return False

    def wait(self, condition, what, seconds=REACTION):
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            value = condition()
            if value:
                return value
            time.sleep(0.05)
        raise Timeout(f"no {what} after {seconds} s")

    def windows(self):
        return self.js("return window.voltaris ? voltaris.voltarisVisibleWindows() : []") or []

    def top(self):
        """The window the user works in: a fault box over it, else the one window shown."""
        titled = [window for window in self.windows() if window["title"] or window["dialog"]]
        return titled[-1] if titled else None

    def wait_for(self, name, seconds=REACTION):
        caption = CAPTIONS.get(name, name)
        return self.wait(lambda: (top := self.top()) and top["title"] == caption and top, caption, seconds)

    def shown(self):
        return (self.top() or {"title": "nothing"})["title"]

    def canvas(self):
        return self.js("const r = document.querySelector('#screen canvas').getBoundingClientRect();"
                       "return [r.left, r.top, r.width];")

    def control(self, window, name, control):
        """The centre of a control of the design, in the page's pixels."""
        x, y, width, height = DESIGNS[name].rects[control]
        left, top, _ = self.canvas()
        return (left + window["client"][0] + window["scale"] * (x + width / 2),
                top + window["client"][1] + window["scale"] * (y + height / 2))

    def click_at(self, point):
        actions = ActionBuilder(self.driver)
        actions.pointer_action.move_to_location(round(point[0]), round(point[1])).pointer_down().pause(0.05)
        actions.pointer_action.pointer_up()
        actions.perform()

    def tap_at(self, point):
        touch = {"x": round(point[0]), "y": round(point[1])}
        self.driver.execute_cdp_cmd("Input.dispatchTouchEvent", {"type": "touchStart", "touchPoints": [touch]})
        self.driver.execute_cdp_cmd("Input.dispatchTouchEvent", {"type": "touchEnd", "touchPoints": []})

    def click(self, name, control):
        self.press(self.control(self.wait_for(name), name, control))

    def keys(self, *keys, held=None):
        actions = ActionChains(self.driver)
        if held:
            actions.key_down(held)
        actions.send_keys(*keys)
        if held:
            actions.key_up(held)
        actions.perform()

    def fill(self, name, control, text):
        self.click(name, control)
        self.keys("a", held=Keys.CONTROL)
        self.keys(Keys.BACKSPACE, text)

    def do(self, name, steps):
        for control, text in steps:
            if text is None:
                self.click(name, control)
            else:
                self.fill(name, control, text)

    def copied(self, copy):
        """What the clipboard holds after the copying keys."""
        refused = self.driver.execute_async_script(
            "const done = arguments[1]; navigator.clipboard.writeText(arguments[0]).then(() => done(''), done);",
            NOTHING_COPIED)
        if refused:
            raise Timeout(f"the clipboard refused a text: {refused}")
        copy()
        read = "navigator.clipboard.readText().then(arguments[0], (e) => arguments[0](String(e)));"
        try:
            return self.wait(lambda: (text := self.driver.execute_async_script(read)) != NOTHING_COPIED and text,
                             "copy", 10)
        except Timeout:
            return NOTHING_COPIED

    def read(self, name, control):
        """A result box's text, as a user takes it: a click into it, Ctrl+A, Ctrl+C."""
        def copy():
            self.click(name, control)
            self.keys("a", held=Keys.CONTROL)
            self.keys("c", held=Keys.CONTROL)
        return self.copied(copy)

    def fault(self):
        """The fault box's caption, and its message as a user copies it: a click
        into it, Ctrl+A, Ctrl+C; then its OK, by Return."""
        box = self.wait(lambda: (top := self.top()) and top["dialog"] and top, "fault box")
        left, top, _ = self.canvas()
        width = box["bottomRight"][0] - box["client"][0]

        def copy():  # the message stands right of the icon, at the top
            self.press((left + box["client"][0] + 0.6 * width, top + box["client"][1] + 20 * box["scale"]))
            self.keys("a", held=Keys.CONTROL)
            self.keys("c", held=Keys.CONTROL)
        message = self.copied(copy)
        self.keys(Keys.ENTER)
        self.wait(lambda: not self.top()["dialog"], "fault box closing")
        return box["title"], message

    def choose(self, name, menu, item):
        """A menu item, chosen as a user chooses it: a click on the menu bar, then on the item."""
        window = self.wait_for(name)
        left, top, _ = self.canvas()
        bar_y = (window["topLeft"][1] + 2 * BORDER + TITLE_BAR + window["client"][1]) / 2
        self.press((left + window["client"][0] + 14 * window["scale"], top + bar_y))
        titles = [title for title, _ in DESIGNS[name].menus]
        popup = self.wait(self.popup, "menu")
        for _ in range(titles.index(menu)):
            self.keys(Keys.ARROW_RIGHT)
            popup = self.wait(lambda: (shown := self.popup()) and shown["topLeft"] != popup["topLeft"] and shown,
                              f"menu {menu}")
        items = dict(DESIGNS[name].menus)[menu]
        height = popup["bottomRight"][1] - popup["topLeft"][1]
        self.press((left + (popup["topLeft"][0] + popup["bottomRight"][0]) / 2,
                    top + popup["topLeft"][1] + height * (items.index(item) + 0.5) / len(items)))

    def popup(self):
        return next((window for window in self.windows() if not window["title"] and not window["dialog"]), None)

    def close_box(self, name):
        window = self.wait_for(name)
        left, top, _ = self.canvas()
        self.press((left + window["bottomRight"][0] - BORDER - 10, top + window["topLeft"][1] + BORDER + 9))

    def open(self, name):
        for step in PATHS[name]:
            if len(step) == 3:
                self.choose(*step)
            else:
                self.click(*step)
        return self.wait_for(name)

    def back_to_main(self):
        while (shown := self.shown()) != CAPTIONS["Form1"]:
            self.close_box(next(name for name, caption in CAPTIONS.items() if caption == shown))
            self.wait(lambda: self.shown() != shown, "window after closing")

    def chiudi(self, name):
        menu, items = DESIGNS[name].menus[0]
        self.choose(name, menu, items[-1])


def guarded(group):
    """Runs one group of checks; a step that never happens fails the group, not the run."""
    def run(page, *arguments):
        try:
            group(page, *arguments)
        except Exception as error:  # any fault of the page or the driver counts
            check(f"{group.__name__}: {error.__class__.__name__}", False, str(error).splitlines()[0])
            page.open_site()
    return run


@guarded
def every_window_and_its_closing(page):
    def closed(name, how):
        page.wait_for(RETURNS[name])
        check(f"{name} closed by {how} returns to {RETURNS[name]}, the tab's title with it",
              page.driver.title == CAPTIONS[RETURNS[name]], page.driver.title)
        page.back_to_main()

    for name in PATHS:
        window = page.open(name)
        frame_left, frame_right = window["topLeft"][0], window["bottomRight"][0]
        client_width = round((frame_right - BORDER - window["client"][0]) / window["scale"])
        _, _, canvas_width = page.canvas()
        check(f"{name} is reached from the main window, at its size, centred, its caption the tab's title",
              client_width == DESIGNS[name].width and abs(frame_left + frame_right - canvas_width) <= 2
              and page.driver.title == CAPTIONS[name],
              f"{page.driver.title}, client width {client_width}, frame {frame_left}..{frame_right}")
        if name in EXAMPLES:
            steps, results = EXAMPLES[name]
            page.do(name, steps)
            seen = {box: page.read(name, box) for box in results}
            check(f"{name} gives the worked example's digits", seen == results, seen)
            page.chiudi(name)
            closed(name, "Chiudi")
            page.open(name)
        page.close_box(name)
        closed(name, "its close box")


@guarded
def a_fault_then_printing(page):
    page.open("Form5")
    page.do("Form5", EXAMPLES["Form5"][0])
    page.do("Form5", [("Edit1", "x"), ("Button1", None)])
    title, message = page.fault()
    check("a non-number gives its fault box",
          (title, message) == ("Voltaris", "'x' is not a valid floating point value."), f"{title}: {message}")
    check("the fault keeps the earlier results", page.read("Form5", "Edit2") == "6")
    page.do("Form5", [("Edit1", "35"), ("Button1", None)])
    seen = [page.read("Form5", "Edit2"), page.read("Form5", "Edit3")]
    check("after OK the window still calculates", seen == ["4", "35"], seen)

    page.js("window.printed = 0; window.print = () => { window.printed += 1; };")
    page.choose("Form5", "File", DESIGNS["Form5"].items["Stampa"])
    page.wait(lambda: page.js("return window.printed"), "print")
    window = page.wait_for("Form5")
    ratio = page.js("return devicePixelRatio")
    client = [round((window["bottomRight"][i] - BORDER - window["client"][i]) * ratio) for i in (0, 1)]
    image = page.driver.execute_async_script(
        "const image = document.getElementById('print-image'), done = arguments[0];"
        "fetch(image.src).then((r) => r.blob())"
        ".then((b) => done([image.naturalWidth, image.naturalHeight, b.type]));")
    page.driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"media": "print"})
    printed_alone = page.js("return [getComputedStyle(document.getElementById('print-area')).display,"
                            " getComputedStyle(document.getElementById('screen')).display]")
    page.driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"media": ""})
    check("Stampa prints the client area's image alone", page.js("return window.printed") == 1
          and image == [*client, "image/png"] and printed_alone == ["block", "none"],
          f"{image} for {client}, print shows {printed_alone}")
    page.back_to_main()


@guarded
def keys_after_a_click_on_the_page(page):
    page.open("Form5")
    page.click_at(page.js("const r = document.querySelector('footer').getBoundingClientRect();"
                          "return [r.left + 2, r.top + r.height / 2];"))
    page.fill("Form5", "Edit1", "35,01")
    seen = page.read("Form5", "Edit1")
    check("after a click on the page around it, a click into a box gives the box the keys", seen == "35,01", seen)
    page.back_to_main()


@guarded
def the_link(page):
    page.js("window.opened = [];"
            "window.open = (url, target) => { opened.push([String(url), target]); return null; };")
    window = page.open("Form4")
    page.click_at(page.control(window, "Form4", "Label5"))
    page.wait(lambda: page.js("return opened.length"), "link opened by the mouse")
    by_mouse = page.js("return opened")
    page.keys(Keys.TAB)
    page.keys(Keys.SPACE)
    page.wait(lambda: page.js("return opened.length") > 1, "link opened by the keyboard")
    opened = page.js("return opened")
    address = ["https://www.ardenor.example", "_blank"]
    check("the Info link opens its address once by a click, once by Tab and Space",
          by_mouse == [address] and opened == [address, address], opened)
    page.click("Form4", "Button1")
    page.wait_for("Form1")


def altgr_at(page, windows_style):
    """'@' as Chrome sends AltGr with its key: on Linux alone, on Windows after Ctrl and with Ctrl and Alt."""
    keys = [("AltGraph", "AltRight", 225), ("@", "Semicolon", 186)]
    if windows_style:
        keys = [("Control", "ControlLeft", 17), ("AltGraph", "AltRight", 18), ("@", "Semicolon", 186)]
    for kind, order in (("keyDown", keys), ("keyUp", keys[::-1])):
        for key, code, number in order:
            event = {"type": kind, "key": key, "code": code, "windowsVirtualKeyCode": number,
                     "modifiers": 3 if windows_style else 0}  # Alt and Ctrl
            if kind == "keyDown":
                event |= {"text": key, "unmodifiedText": key} if key == "@" else {"type": "rawKeyDown"}
            page.driver.execute_cdp_cmd("Input.dispatchKeyEvent", event)


@guarded
def altgr_and_alt_letters(page):
    for system, windows_style in (("Linux", False), ("Windows", True)):
        page.open("Form5")
        page.click("Form5", "Edit1")
        page.keys("x", held=Keys.ALT)
        altgr_at(page, windows_style)
        page.click("Form5", "Button1")
        try:
            _, message = page.fault()
        except Timeout:
            message = "Calcola did nothing"
        check(f"AltGr types '@' and counts as typed, as Chrome on {system} sends it; Alt+x types nothing",
              message == "'@' is not a valid floating point value.", message)
        page.back_to_main()


@guarded
def browser_back(page):
    page.driver.get("data:text/html,<title>before</title>")  # a page to go back to, and no other history
    page.open_site()
    page.open("Form12")
    page.driver.back()
    page.wait_for("Form10")
    page.driver.back()
    page.wait_for("Form1")
    check("Back closes the visible window as Chiudi does, to the main window",
          page.driver.title == CAPTIONS["Form1"], page.driver.title)
    page.driver.back()
    check("Back at the main window leaves the page",
          page.happens(lambda: not page.driver.current_url.startswith(page.url)), page.driver.current_url[:40])


@guarded
def english_on_a_narrow_page(page):
    page.click("Form1", "Button2")
    check("on a page narrower than the widest window, a click with the mouse lands on its button",
          page.happens(lambda: page.shown() == CAPTIONS["Form5"]), page.shown())
    page.do("Form5", [("Edit1", "35.01"), ("Button1", None)])
    seen = [page.read("Form5", "Edit2"), page.read("Form5", "Edit3")]
    page.do("Form5", [("Edit1", "1.5"), ("Button1", None)])
    seen.append(page.read("Form5", "Edit2"))
    check("an English browser takes and gives the point", seen == ["6", "46", "1.5"], seen)


@guarded
def offline(page, server):
    page.wait(lambda: page.js("return navigator.serviceWorker.controller !== null"), "service worker", LOADING)
    server.terminate()
    server.wait()
    page.driver.refresh()
    check("the page starts again with no server", page.happens(lambda: page.shown() == CAPTIONS["Form1"], LOADING),
          page.shown())


@guarded
def phone(page):
    def whole(name):
        window = page.wait_for(name)
        left, top, _ = page.canvas()
        width, scroll_width = page.js("return [innerWidth, document.documentElement.scrollWidth]")
        return (left + window["topLeft"][0] >= 0 and left + window["bottomRight"][0] <= width
                and top + window["topLeft"][1] >= 0 and scroll_width <= width,
                f"frame {window['topLeft']}..{window['bottomRight']}, page {scroll_width} of {width}")
    check("a phone shows the whole main window", *whole("Form1"))
    page.open("Form3")  # by taps, as every press on a phone
    check("a phone shows the whole widest window, the load current's", *whole("Form3"))
    page.driver.back()  # Qt 6.4 takes no touch on the frame it draws: no close box
    page.open("Form5")
    page.click("Form5", "Edit1")
    page.keys("35,01")
    page.click("Form5", "Button1")
    check("a tap focuses a box and typing fills it", page.read("Form5", "Edit2") == "6")


def main():
    site = sys.argv[1]
    server = subprocess.Popen(["/usr/bin/python3", str(ROOT / "scripts/serve_site.py"), site, "0"],
                              stdout=subprocess.PIPE, text=True)
    url = server.stdout.readline().strip()
    try:
        page = Page(url)
        check("the main window appears", True, page.shown())
        for group in (every_window_and_its_closing, a_fault_then_printing,
                      keys_after_a_click_on_the_page, the_link,
                      altgr_and_alt_letters, browser_back):
            group(page)
        page.close()
        page = Page(url, phone=True)
        phone(page)
        page.close()
        page = Page(url, language="en-US", width=600)
        english_on_a_narrow_page(page)
        offline(page, server)
        page.close()
    finally:
        server.terminate()
        server.wait()
    print(f"{counts[True]} passed, {counts[False]} failed")
    return 1 if counts[False] else 0


if __name__ == "__main__":
    sys.exit(main())
