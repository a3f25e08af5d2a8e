#!/usr/bin/env python3
"""The site's first visit against a bare Qt window page built the same way:
each page served from this machine, compressed, to headless Chromium with an
empty profile; the bytes transferred (compressed, headers included) and the
time from navigation to the first paint of the page's window (the
'voltaris-first-paint' mark both set). The pages take turns; the medians are
compared with the targets: at most 1.3 times the bare page's, for both."""
import argparse
import os
import statistics
import subprocess
import sys
import tempfile
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

HERE = os.path.dirname(os.path.abspath(__file__))
SERVER = os.path.join(HERE, "..", "scripts", "serve_site.py")
TARGET = 1.3


def serve(folder):
    server = subprocess.Popen([sys.executable, SERVER, folder, "0"], stdout=subprocess.PIPE, text=True)
    return server, server.stdout.readline().strip()


def visit(address):
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for flag in ("--headless=new", "--no-sandbox", "--disable-gpu-sandbox", "--enable-unsafe-swiftshader",
                 "--use-gl=angle", "--use-angle=swiftshader", "--ignore-gpu-blocklist", "--no-first-run",
                 "--disable-background-networking", "--disable-component-update", "--disable-sync",
                 "--disable-quic", "--window-size=1280,1024", "--lang=it-IT"):
        options.add_argument(flag)
    with tempfile.TemporaryDirectory() as profile:
        options.add_argument(f"--user-data-dir={profile}")
        driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
        try:
            driver.get(address)
            deadline = time.monotonic() + 120
            while time.monotonic() < deadline:
                painted = driver.execute_script(
                    "const m = performance.getEntriesByName('voltaris-first-paint');"
                    "return m.length ? m[0].startTime : null;")
                if painted is not None:
                    break
                time.sleep(0.05)
            else:
                raise RuntimeError(f"{address}: no first paint within two minutes")
            transferred = driver.execute_script(
                "return performance.getEntriesByType('navigation')"
                ".concat(performance.getEntriesByType('resource'))"
                ".reduce((sum, entry) => sum + entry.transferSize, 0);")
            return painted / 1000, transferred
        finally:
            driver.quit()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--runs", type=int, default=15)
    parser.add_argument("site")
    parser.add_argument("bare_site")
    arguments = parser.parse_args()
    pages = {"Voltaris BT": arguments.site, "bare window": arguments.bare_site}
    servers = {name: serve(folder) for name, folder in pages.items()}
    try:
        for name, (_, address) in servers.items():
            visit(address)  # one unmeasured visit of each
        figures = {name: [] for name in pages}
        order = list(pages)
        for run in range(arguments.runs):
            for name in order if run % 2 == 0 else reversed(order):
                figures[name].append(visit(servers[name][1]))
    finally:
        for server, _ in servers.values():
            server.terminate()
    medians = {}
    for name, runs in figures.items():
        seconds = statistics.median(run[0] for run in runs)
        transferred = statistics.median(run[1] for run in runs)
        medians[name] = (seconds, transferred)
        print(f"{name}: first paint {seconds:.2f} s, {transferred / 1e6:.2f} MB transferred "
              f"(median of {len(runs)})")
    program, bare = medians["Voltaris BT"], medians["bare window"]
    failed = False
    for label, index in (("time to first paint", 0), ("bytes transferred", 1)):
        ratio = program[index] / bare[index]
        verdict = "PASS" if ratio <= TARGET else "FAIL"
        failed |= ratio > TARGET
        print(f"{verdict}: {label} {ratio:.2f} times the bare page's (target at most {TARGET})")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
