#!/usr/bin/env python3
"""The site driven as a user drives it, with real mouse, key and touch events
on the page's own controls, held to the rows of tests/worked_examples.json that
the desktop windows are held to.

python3 browser_check.py SITE_FOLDER [ENGINE ...]   ENGINE: chromium (every
check), webkitgtk (every window and closing route, the worked examples and the
faults, under a private Xvfb), firefox (tests/web/firefox_check.mjs: the worked
examples and the faults); all three by default. Prints one line per check and
the counts last; ends non-zero on any failure."""
import json
import os
import pathlib
import shutil
import signal
import subprocess
import sys
import tempfile
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.actions import interaction
from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.common.actions.pointer_input import PointerInput
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

ROOT = pathlib.Path(__file__).resolve().parents[2]
TABLE = json.loads((ROOT / "tests/worked_examples.json").read_text(encoding="utf-8"))
TOOLS = pathlib.Path(os.environ.get("XDG_CACHE_HOME", pathlib.Path.home() / ".cache")) / "voltaris-web-check"
NPM_TOOLS = ["axe-core@4.10.2", "puppeteer-core@24.43.1"]
LOADING = 240  # seconds for the page and its core to load and compile on a busy machine
REACTION = 30  # seconds for the page to answer one event
CHROMIUM_FLAGS = ["--headless=new", "--no-sandbox", "--disable-gpu", "--disable-background-networking",
                  "--disable-component-update", "--disable-sync", "--no-first-run", "--disable-quic"]
MINIBROWSER = "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser"
PHONE = {"deviceMetrics": {"width": 360, "height": 740, "pixelRatio": 3, "touch": True},
         "userAgent": "Mozilla/5.0 (Linux; Android 14; Pixel 7) AppleWebKit/537.36 (KHTML, like Gecko) "
                      "Chrome/120.0.0.0 Mobile Safari/537.36"}

counts = {True: 0, False: 0}


def check(name, ok, seen=""):
    counts[bool(ok)] += 1
    print(f"{'ok  ' if ok else 'FAIL'} {name}" + (f"  [{seen}]" if not ok and seen not in ("", None) else ""),
          flush=True)
    return ok


class Timeout(Exception):
    pass


def rows(section, locale="it"):
    return [row for row in TABLE[section] if row.get("locale", "it") == locale]


class Page:
    """One browser on the site, used through the page's own controls."""

    def __init__(self, engine, url, language="it-IT", phone=False):
        self.url, self.phone, self.profile = url, phone, tempfile.mkdtemp(prefix="voltaris-browser-")
        if engine == "chromium":
            options = webdriver.ChromeOptions()
            options.binary_location = "/usr/bin/chromium"
            for flag in CHROMIUM_FLAGS + [f"--user-data-dir={self.profile}", f"--lang={language}",
                                          "--window-size=1280,1000"]:
                options.add_argument(flag)
            options.add_experimental_option("prefs", {"intl.accept_languages": f"{language},{language[:2]}"})
            if phone:
                options.add_experimental_option("mobileEmulation", PHONE)
            self.driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
        else:
            options = webdriver.WebKitGTKOptions()
            options.binary_location = MINIBROWSER
            options.add_argument("--automation")
            self.driver = webdriver.WebKitGTK(executable_path="/usr/bin/WebKitWebDriver", options=options)
        self.driver.set_script_timeout(LOADING)
        self.start()

    def start(self):
        self.driver.get(self.url)
        self.wait(lambda: self.js("return window.voltarisReady === true && document.readyState === 'complete'"),
                  "window.voltarisReady", LOADING)

    def close(self):
        self.driver.quit()
        shutil.rmtree(self.profile, ignore_errors=True)

    def js(self, script, *arguments):
        return self.driver.execute_script(script, *arguments)

    def wait(self, condition, what, seconds=REACTION):
        deadline = time.monotonic() + seconds
        while True:
            try:
                value = condition()
            except Exception:  # a page between two states
                value = None
            if value:
                return value
            if time.monotonic() > deadline:
                raise Timeout(f"no {what} after {seconds} s")
            time.sleep(0.05)

    def shown(self):
        return self.js("return [...document.querySelectorAll('section.window')].filter((s) => !s.hidden)"
                       ".map((s) => s.id)")

    def value(self, name):
        return self.js("return document.getElementById(arguments[0]).value", name)

    def enabled(self, name):
        return self.js("return !document.getElementById(arguments[0]).disabled", name)

    def fault_open(self):
        return self.js("return document.getElementById('fault').open")

    def press(self, name):
        """A click with the mouse, or a tap on a phone, on the control of that id."""
        control = self.driver.find_element(By.ID, name)
        self.js("arguments[0].scrollIntoView({block: 'center'})", control)
        if self.phone:
            actions = ActionBuilder(self.driver, mouse=PointerInput(interaction.POINTER_TOUCH, "finger"))
            actions.pointer_action.move_to(control).pointer_down().pause(0.05).pointer_up()
            actions.perform()
        else:
            ActionChains(self.driver).move_to_element(control).click().perform()

    def keys(self, *keys):
        ActionChains(self.driver).send_keys(*keys).perform()

    def fill(self, name, text):
        """Into the box: select all, Backspace, the text; an empty text as a digit typed and taken back."""
        self.press(name)
        ActionChains(self.driver).key_down(Keys.CONTROL).send_keys("a").key_up(Keys.CONTROL).perform()
        self.keys(Keys.BACKSPACE, *(text or ["0", Keys.BACKSPACE]))

    def home(self):
        """Back at the main window through the close controls, a fault box answered first."""
        if self.fault_open():
            self.press("fault-ok")
        for _ in range(4):
            shown = self.shown()
            if shown == ["Form1"]:
                return
            self.press(f"{shown[0]}-close")
            self.wait(lambda: self.shown() != shown, f"window after closing {shown[0]}")
        raise Timeout(f"still {self.shown()} after closing")

    def open(self, name, path=None):
        self.home()
        for window, control in path or TABLE["paths"].get(name, []):
            self.wait(lambda: self.shown() == [window], window)
            self.press(f"{window}-{control}")
        self.wait(lambda: self.shown() == [name], name)

    def replay(self, row):
        """The row on a freshly loaded page, as each desktop test starts a fresh program (a choice
        left selected by an earlier row would be no new choice)."""
        self.start()
        self.open(row["window"], row.get("path"))
        for step in row["steps"]:
            name = f"{row['window']}-{step[0]}"
            self.wait(lambda: self.enabled(name), f"{name} enabled")
            if len(step) == 1:
                self.press(name)
            else:
                self.fill(name, step[1])
        return f"{row['window']}-{row['steps'][-1][0]}"

    def results(self, row):
        return {box: self.value(f"{row['window']}-{box}") for box in row["results"]}

    def caption(self):
        return self.js("const s = document.querySelector('section.window:not([hidden])');"
                       "return s && document.getElementById(s.id + '-caption').textContent")


def guarded(group):
    """Runs one group of checks; a step that never happens fails the group, not the run."""
    def run(page, *arguments):
        try:
            group(page, *arguments)
        except Exception as error:  # any fault of the page or the driver counts
            where = " ".join(str(argument) for argument in arguments if isinstance(argument, str))
            check(f"{group.__name__} {where}: {error.__class__.__name__}", False, str(error).splitlines()[0][:300])
            try:
                page.start()
            except Exception:
                pass
    run.__name__ = group.__name__
    return run


def every_window_and_its_closing(page, engine):
    for name, returns in TABLE["closes"].items():
        window_and_its_closing(page, engine, name, returns)


@guarded
def window_and_its_closing(page, engine, name, returns):
    page.open(name)
    check(f"{engine}: {name} is reached from the main window, its caption the tab's title",
          page.driver.title == page.caption() != "", page.driver.title)
    routes = [("its close control", lambda: page.press(f"{name}-close"))]
    if name in TABLE["chiudi"]:
        routes.append(("Chiudi", lambda: page.press(f"{name}-{TABLE['chiudi'][name]}")))
    routes.append(("Back", page.driver.back))
    for how, close in routes:
        page.open(name)
        close()
        try:
            page.wait(lambda: page.shown() == [returns], returns)
        except Timeout:
            pass
        check(f"{engine}: {name} closed by {how} returns to {returns}",
              page.shown() == [returns] and page.driver.title == page.caption(),
              f"{page.shown()}, {page.driver.title}")


@guarded
def back_leaves_the_page_at_the_main_window(page):
    page.driver.get("data:text/html,<title>before</title>")
    page.start()
    page.driver.back()
    check("Back at the main window leaves the page",
          page.wait(lambda: not page.driver.current_url.startswith(page.url), "leaving", REACTION),
          page.driver.current_url[:60])
    page.start()


def example(page, engine, row):
    try:
        page.replay(row)
        seen = page.wait(lambda: (shown := page.results(row)) == row["results"] and shown, "results", 5)
    except Timeout:
        seen = page.results(row) if page.shown() == [row["window"]] else page.shown()
    except Exception as error:  # a control the page lacks
        seen = str(error).splitlines()[0][:200]
        page.start()
    faulted = page.fault_open()
    check(f"{engine}: {row['window']} {row['name']}", seen == row["results"] and not faulted,
          f"{seen}, a fault box open" if faulted else seen)


def fault(page, engine, row):
    """The one fault box with the row's message; OK gives the focus back; the results as the row says."""
    pressed = None
    try:
        pressed = page.replay(row)
        page.wait(page.fault_open, "fault box")
        message = page.js("return document.getElementById('fault-message').textContent")
        page.press("fault-ok")
        page.wait(lambda: not page.fault_open(), "fault box closing")
        focus = page.js("return document.activeElement.id")
        seen = (message, focus, page.results(row))
    except Exception as error:  # no fault box, or a control the page lacks
        seen = str(error).splitlines()[0][:200]
        page.start()
    expected = (row["fault"], pressed, row["results"])
    check(f"{engine}: {row['window']} {row['name']}: the fault box, OK, the focus back, the results",
          seen == expected, seen)


@guarded
def worked_examples_and_faults(page, engine, locale="it"):
    for row in rows("examples", locale):
        example(page, engine, row)
    for row in rows("faults", locale):
        fault(page, engine, row)


def enabling_chains(page):
    for row in TABLE["chains"]:
        enabling_chain(page, row["window"], row)


@guarded
def enabling_chain(page, name, row):
    broken, done = [], set()
    page.open(name, row.get("path"))
    for edited, _ in row["chain"]:
        if edited in done:
            continue
        done.add(edited)
        targets = [t for e, t in row["chain"] if e == edited]
        control = f"{name}-{edited}"
        broken += [f"{t} enabled before {edited}" for t in targets if page.enabled(f"{name}-{t}")]
        page.press(control)  # a choice is clicked; a box is typed into
        if page.js("return document.getElementById(arguments[0]).type", control) != "radio":
            page.keys("1")
        broken += [f"{t} disabled after {edited}" for t in targets if not page.enabled(f"{name}-{t}")]
    check(f"{name}: each edit enables the next of its chain", not broken, ", ".join(broken))


def no_accessibility_violation(page):
    for name in ["Form1", *TABLE["paths"]]:
        accessibility(page, name)


def violations(page):
    if not page.js("return typeof axe === 'object'"):
        page.js((TOOLS / "node_modules/axe-core/axe.min.js").read_text())
    return page.driver.execute_async_script(
        "const done = arguments[0]; axe.run(document).then((r) => done(r.violations.map("
        "(v) => v.id + ': ' + v.nodes.map((n) => n.target.join(' ')).join(', '))), (e) => done([String(e)]));")


@guarded
def accessibility(page, name):
    """axe-core's rules on the window filled by its first worked example (or as opened), then with its fault box."""
    first = next((row for row in rows("examples") if row["window"] == name), None)
    if first:
        page.replay(first)
        state = "filled"
    else:
        page.open(name)
        state = "as opened"
    check(f"axe-core: {name} {state}, no violation", not (seen := violations(page)), seen)
    failing = next((row for row in rows("faults") if row["window"] == name), None)
    if failing:
        page.replay(failing)
        page.wait(page.fault_open, "fault box")
        check(f"axe-core: {name} with its fault box, no violation", not (seen := violations(page)), seen)
        page.press("fault-ok")


PHONE_MEASURE = """
        const section = document.querySelector('section.window:not([hidden])'), small = [], faults = [];
        const seen = (node) => node.getClientRects().length > 0;
        const targets = [...section.querySelectorAll('button, input:not([type=radio]), label.choice')].filter(seen);
        for (const node of targets) {
          const r = node.getBoundingClientRect();
          if (r.width < 48 || r.height < 48) small.push(`${node.id || node.htmlFor} ${Math.round(r.width)}x${Math.round(r.height)}`);
        }
        for (const box of section.querySelectorAll('input[type=text]')) {
          if (!seen(box)) continue;
          const size = parseFloat(getComputedStyle(box).fontSize);
          if (size < 16) faults.push(`${box.id} text ${size}px`);
          const mode = box.id === 'Form3-Edit1' ? 'numeric' : 'decimal';
          if (!box.readOnly && box.inputMode !== mode) faults.push(`${box.id} inputmode ${box.inputMode || 'none'}`);
        }
        const width = document.scrollingElement.scrollWidth;
        if (width > innerWidth) faults.push(`scrolls sideways: ${width} of ${innerWidth}`);
        return faults.concat(small.length ? ['under 48x48: ' + small.join(', ')] : []);"""


def phone(page):
    for name in ["Form1", *TABLE["paths"]]:
        phone_window(page, name)
    example(page, "phone, by taps", next(row for row in rows("examples") if row["window"] == "Form5"))


@guarded
def phone_window(page, name):
    page.open(name)
    if name == "Form3":  # every row of loads in view
        page.fill("Form3-Edit1", "10")
        page.press("Form3-Button1")
    check(f"phone 360x740: {name} fits, its text and targets large enough, its keyboards right",
          not (seen := page.js(PHONE_MEASURE)), "; ".join(seen))


@guarded
def english(page):
    languages = page.js("return navigator.languages")
    check("an English browser says so", languages[0].startswith("en"), languages)
    worked_examples_and_faults(page, "chromium, English", "en")


@guarded
def offline_start(page, server):
    page.wait(lambda: page.js("return navigator.serviceWorker.controller !== null"), "service worker", LOADING)
    server.terminate()
    server.wait()
    page.driver.refresh()
    try:
        page.wait(lambda: page.js("return window.voltarisReady === true") and page.shown() == ["Form1"],
                  "main window", LOADING)
        seen = page.shown()
    except Timeout as error:
        seen = str(error)
    check("after a first visit the page starts again with no server", seen == ["Form1"], seen)


def serve(site):
    server = subprocess.Popen([sys.executable, str(ROOT / "scripts/serve_site.py"), site, "0"],
                              stdout=subprocess.PIPE, text=True)
    return server, server.stdout.readline().strip().rstrip("/") + "/"


def stop(process):
    process.terminate()
    try:
        process.wait(30)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()


def install_tools():
    """axe-core and puppeteer-core at pinned versions, outside the checkout (puppeteer-core fetches no browser)."""
    if not all((TOOLS / "node_modules" / tool.rsplit("@", 1)[0] / "package.json").exists() for tool in NPM_TOOLS):
        TOOLS.mkdir(parents=True, exist_ok=True)
        subprocess.run(["npm", "install", "--no-audit", "--no-fund", "--prefix", str(TOOLS), *NPM_TOOLS],
                       check=True, stdout=subprocess.DEVNULL)


class Browser:
    """A page for the checks of a with-block, its browser ended after them whatever happens."""

    def __init__(self, *arguments, **options):
        self.arguments, self.options = arguments, options

    def __enter__(self):
        self.page = Page(*self.arguments, **self.options)
        return self.page

    def __exit__(self, *_):
        self.page.close()


def chromium(site, url):
    with Browser("chromium", url) as page:
        every_window_and_its_closing(page, "chromium")
        back_leaves_the_page_at_the_main_window(page)
        worked_examples_and_faults(page, "chromium")
        enabling_chains(page)
        no_accessibility_violation(page)
    with Browser("chromium", url, phone=True) as page:
        phone(page)
    offline_server, offline_url = serve(site)  # an origin of its own, whose server this check stops
    try:
        with Browser("chromium", offline_url, language="en-US") as page:
            english(page)
            offline_start(page, offline_server)
    finally:
        stop(offline_server)


def webkitgtk(url):
    read, write = os.pipe()
    display = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
                               pass_fds=[write], stderr=subprocess.DEVNULL)
    os.close(write)
    with os.fdopen(read) as answer:
        number = answer.readline().strip()
    environment = dict(os.environ)
    # WebKitGTK tells the page the process's language: Italian, from a locale compiled for this check alone.
    locales = TOOLS / "locale"
    if not (locales / "it_IT.UTF-8").exists():
        subprocess.run(["localedef", "-i", "it_IT", "-f", "UTF-8", str(locales / "it_IT.UTF-8")], check=True)
    os.environ.update(DISPLAY=f":{number}", LANG="it_IT.UTF-8", LOCPATH=str(locales))
    try:
        with Browser("webkitgtk", url) as page:
            languages = page.js("return navigator.languages")
            check("webkitgtk: the browser speaks Italian", languages[0].startswith("it"), languages)
            every_window_and_its_closing(page, "webkitgtk")
            worked_examples_and_faults(page, "webkitgtk")
    finally:
        os.environ.clear()
        os.environ.update(environment)
        stop(display)


def firefox(url):
    run = subprocess.run(["node", str(ROOT / "tests/web/firefox_check.mjs"), url, str(TOOLS)],
                         stdout=subprocess.PIPE, text=True)
    lines = run.stdout.strip().splitlines()
    for line in lines[:-1]:
        print(line, flush=True)
    try:
        passed, failed = (int(word) for word in lines[-1].replace(",", "").split()[::2][:2])
    except (IndexError, ValueError):
        passed, failed = 0, 1
        print(f"FAIL firefox: the check ended with {run.returncode}", flush=True)
    counts[True] += passed
    counts[False] += failed + (1 if run.returncode and not failed else 0)


def main():
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(143))  # a stopped check still ends its browsers and servers
    site, engines = sys.argv[1], sys.argv[2:] or ["chromium", "webkitgtk", "firefox"]
    install_tools()
    server, url = serve(site)
    try:
        for engine in engines:
            try:
                {"chromium": lambda: chromium(site, url), "webkitgtk": lambda: webkitgtk(url),
                 "firefox": lambda: firefox(url)}[engine]()
            except Exception as error:  # a browser that does not start fails its share, not the rest
                check(f"{engine} runs", False, str(error).splitlines()[0][:300])
    finally:
        stop(server)
    print(f"{counts[True]} passed, {counts[False]} failed")
    return 1 if counts[False] else 0


if __name__ == "__main__":
    sys.exit(main())
