#!/usr/bin/env python3
"""The site's first and later visits in headless Chromium, and Lighthouse's
scores: python3 web_startup.py SITE [--runs 15] [--lighthouse FOLDER].

The site is served from this machine by scripts/serve_site.py, once at full
speed and once throttled to a mobile network, and every answer the server
sends is counted there, the service worker's downloads included. A visit is
a fresh Chromium: the first with an empty profile, waiting until the service
worker keeps the site; the second, a new Chromium on that profile. Each is
timed from navigation to the 'voltaris-first-window' mark the page sets when
its first window is shown. Prints each figure against its target and exits
with 1 when a target is missed."""
import argparse
import collections
import json
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import threading
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

HERE = os.path.dirname(os.path.abspath(__file__))
SERVER = os.path.join(HERE, "..", "scripts", "serve_site.py")
CHROMIUM = "/usr/bin/chromium"
CHROMIUM_FLAGS = ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-background-networking",
                  "--disable-component-update", "--disable-sync", "--no-first-run", "--disable-quic")
MOBILE_NETWORK = ("--throttle-kbps", "1600", "--latency-ms", "150")
MARK = "voltaris-first-window"
FIRST_VISIT_BYTES = 200_000
THROTTLED_FIRST_WINDOW = 2.0
LIGHTHOUSE_TARGETS = {"performance": 95, "accessibility": 100, "best-practices": 95}


class Server:
    """scripts/serve_site.py with its log of answers: status, bytes, path."""

    def __init__(self, site, *options):
        self.process = subprocess.Popen([sys.executable, SERVER, site, "0", "--log", *options],
                                        stdout=subprocess.PIPE, text=True)
        self.address = self.process.stdout.readline().strip()
        self.answers = []
        self.lock = threading.Lock()
        threading.Thread(target=self.read, daemon=True).start()

    def read(self):
        for line in self.process.stdout:
            status, sent, path = line.split(" ", 2)
            with self.lock:
                self.answers.append((int(status), int(sent), path.strip()))

    def take(self):
        """The answers sent since the last call, once the server has been quiet
        for a moment (a download the browser started may still be finishing)."""
        while True:
            with self.lock:
                count = len(self.answers)
            time.sleep(0.3)
            with self.lock:
                if len(self.answers) == count:
                    answers, self.answers = self.answers, []
                    return answers

    def stop(self):
        self.process.terminate()
        self.process.wait()


def chromium(profile):
    options = webdriver.ChromeOptions()
    options.binary_location = CHROMIUM
    for flag in (*CHROMIUM_FLAGS, "--window-size=1280,1024", "--lang=it-IT", f"--user-data-dir={profile}"):
        options.add_argument(flag)
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)


def first_window(driver, address):
    """Seconds from navigation to the first window's mark."""
    driver.get(address)
    deadline = time.monotonic() + 60
    while time.monotonic() < deadline:
        shown, ready = driver.execute_script(
            f"const m = performance.getEntriesByName('{MARK}');"
            "return [m.length ? m[0].startTime : null, window.voltarisReady === true];")
        if shown is not None:
            return shown / 1000
        if ready:  # the page is up: the mark comes before that, or never
            deadline = min(deadline, time.monotonic() + 2)
        time.sleep(0.02)
    raise RuntimeError(f"{address}: the page set no '{MARK}' mark")


def wait_until_kept(driver):
    """Waits until the service worker has filled its cache and taken over."""
    driver.set_script_timeout(60)
    state = driver.execute_async_script("""
        const done = arguments[arguments.length - 1];
        navigator.serviceWorker.ready.then((registration) => {
          const worker = registration.active;
          if (worker.state === 'activated') return done(worker.state);
          worker.addEventListener('statechange', () => worker.state === 'activated' && done(worker.state));
        }).catch((error) => done(String(error)));""")
    if state != "activated":
        raise RuntimeError(f"the service worker did not take over: {state}")


def visits(server):
    """A first visit and a second one on the same profile: their times to the
    first window and the answers the server sent for each."""
    with tempfile.TemporaryDirectory() as profile:
        driver = chromium(profile)
        try:
            first = first_window(driver, server.address)
            wait_until_kept(driver)
        finally:
            driver.quit()
        first_answers = server.take()
        driver = chromium(profile)
        try:
            second = first_window(driver, server.address)
        finally:
            driver.quit()
        return (first, first_answers), (second, server.take())


def downloaded_twice(answers):
    """The files whose whole body was sent more than once, a folder's
    address counted as its index.html."""
    bodies = collections.Counter(path.split("?")[0] + ("index.html" if path.split("?")[0].endswith("/") else "")
                                 for status, _, path in answers if status == 200)
    return {path for path, count in bodies.items() if count > 1}


def lighthouse(folder, address, preset, report):
    command = ["node", os.path.join(folder, "node_modules", "lighthouse", "cli", "index.js"), address,
               "--only-categories=performance,accessibility,best-practices", "--output=json",
               f"--output-path={report}", "--quiet", "--locale=it",
               "--chrome-flags=" + " ".join(CHROMIUM_FLAGS)]
    if preset == "desktop":
        command.append("--preset=desktop")
    subprocess.run(command, check=True, env={**os.environ, "CHROME_PATH": CHROMIUM})
    with open(report, encoding="utf-8") as source:
        result = json.load(source)
    scores = {name: round(category["score"] * 100) for name, category in result["categories"].items()}
    failing = [audit["id"] for audit in result["audits"].values()
               if audit.get("score") is not None and audit["score"] < 1
               and audit.get("scoreDisplayMode") in ("binary", "numeric", "metricSavings")]
    return scores, result["audits"]["largest-contentful-paint"]["numericValue"] / 1000, failing


class Verdicts:
    def __init__(self):
        self.failed = False

    def check(self, label, figure, passes, target):
        self.failed |= not passes
        print(f"{'PASS' if passes else 'FAIL'}: {label} {figure} (target {target})")

    @staticmethod
    def show(label, figure):
        print(f"      {label} {figure}")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("site")
    parser.add_argument("--runs", type=int, default=15)
    parser.add_argument("--lighthouse", help="the folder lighthouse is installed in (none: no Lighthouse)")
    parser.add_argument("--lighthouse-runs", type=int, default=3)
    arguments = parser.parse_args()
    verdicts = Verdicts()

    networks = (("this machine, no throttling", ()), ("throttled to 1.6 Mbit/s, 150 ms", MOBILE_NETWORK))
    for network, options in networks if arguments.runs else ():
        server = Server(arguments.site, *options)
        try:
            visits(server)  # one unmeasured pair
            runs = [visits(server) for _ in range(arguments.runs)]
        finally:
            server.stop()
        print(f"\n== {network}: first and second visits, median of {len(runs)}")
        first = statistics.median(run[0][0] for run in runs)
        second = statistics.median(run[1][0] for run in runs)
        first_bytes = statistics.median(sum(sent for _, sent, _ in run[0][1]) for run in runs)
        second_bytes = statistics.median(sum(sent for _, sent, _ in run[1][1]) for run in runs)
        twice = sorted(set().union(*(downloaded_twice(run[0][1]) for run in runs)))
        if options:
            verdicts.check("first visit, first window", f"{first:.2f} s", first <= THROTTLED_FIRST_WINDOW,
                           f"at most {THROTTLED_FIRST_WINDOW} s")
        else:
            verdicts.show("first visit, first window", f"{first:.3f} s")
            verdicts.check("first visit, bytes sent (compressed, headers included, the worker's too)",
                           f"{first_bytes / 1000:.1f} kB", first_bytes <= FIRST_VISIT_BYTES,
                           f"at most {FIRST_VISIT_BYTES / 1000:.0f} kB")
            verdicts.check("files downloaded twice on a first visit", ", ".join(twice) or "none",
                           not twice, "none")
            revalidated = [sent for status, sent, _ in runs[-1][0][1] if status == 304]
            verdicts.show("first visit, answered 304 (kept from what the page had fetched)",
                          f"{len(revalidated)} files, {sum(revalidated) / 1000:.1f} kB")
            largest = sorted(runs[-1][0][1], key=lambda answer: -answer[1])[:4]
            verdicts.show("first visit, the largest answers",
                          ", ".join(f"{path} {sent / 1000:.1f} kB" for _, sent, path in largest))
        verdicts.show("second visit, first window", f"{second:.3f} s")
        verdicts.show("second visit, bytes sent", f"{second_bytes / 1000:.1f} kB")

    if arguments.lighthouse:
        server = Server(arguments.site)
        try:
            with tempfile.TemporaryDirectory() as reports:
                for preset in ("mobile", "desktop"):
                    results = [lighthouse(arguments.lighthouse, server.address, preset,
                                          os.path.join(reports, f"{preset}-{run}.json"))
                               for run in range(arguments.lighthouse_runs)]
                    kept = os.path.join(os.path.dirname(os.path.abspath(arguments.site)),
                                        f"lighthouse-{preset}.json")
                    shutil.copy(os.path.join(reports, f"{preset}-0.json"), kept)
                    print(f"\n== Lighthouse, {preset}, median of {len(results)} (a report: {kept})")
                    for name, target in LIGHTHOUSE_TARGETS.items():
                        score = statistics.median(result[0][name] for result in results)
                        if preset == "desktop" and name == "performance":
                            verdicts.show(f"{name}", f"{score:g}")
                        else:
                            verdicts.check(name, f"{score:g}", score >= target, f"at least {target}")
                    verdicts.show("Largest Contentful Paint",
                                  f"{statistics.median(result[1] for result in results):.2f} s")
                    below = sorted({audit for result in results for audit in result[2]})
                    if below:
                        verdicts.show("audits short of full marks", ", ".join(below))
        finally:
            server.stop()
    return 1 if verdicts.failed else 0


if __name__ == "__main__":
    sys.exit(main())
