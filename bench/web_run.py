#!/usr/bin/python3
"""The web page's benchmark: prints, as a Markdown table, the transfer size of everything a first
visit loads (each file as a server would send it gzipped), and the times from navigation to the
first contentful paint, to a building ready for input (it takes input: the page holds what comes
before its module runs) and to the game running (the module answers) against a bare static page
with the same layout (web_bare.html), which is all three once parsed, both loaded alternately in one headless Chromium, with its cache and the
service worker bypassed, on a desktop (800 × 600) and on a phone's touch screen (360 × 640 at
three device pixels to a CSS pixel).

    bench/web_run.py [--site DIR] [--runs N]      (DIR: the built site, build-web/site)
"""
import argparse
import gzip
import http.server
import os
import statistics
import sys
import tempfile
import threading
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

FLAGS = ["--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
         "--disable-background-networking", "--disable-component-update", "--disable-sync",
         "--window-size=800,600"]
BARE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "web_bare.html")


def serve(site, fetched):
    """The site at /, the bare page at /bare.html; every path asked for goes into fetched."""
    class Handler(http.server.SimpleHTTPRequestHandler):
        def __init__(self, *args, **kwargs):
            super().__init__(*args, directory=site, **kwargs)

        def translate_path(self, path):
            fetched.add(path.split("?")[0])
            return BARE if path == "/bare.html" else super().translate_path(path)

        def log_message(self, *args):
            pass

    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server


# The screens measured on: CDP's device metrics, and whether the screen is touched.
SCREENS = {"desktop": ({"width": 800, "height": 600, "deviceScaleFactor": 1, "mobile": False},
                       False),
           "phone": ({"width": 360, "height": 640, "deviceScaleFactor": 3, "mobile": True}, True)}


# The marks of one load, in the order of MEASURES.
MARKS = {"game": ["first-contentful-paint", "quv-ready", "quv-running"],
         "bare": ["first-contentful-paint", "quv-ready", "quv-ready"]}
MEASURES = (("first contentful paint", 1.1), ("ready for input", 1.5),
            ("the game running", None))


def times_ms(driver, url, names):
    """The times of one load's marks, in ms from navigation."""
    driver.get("about:blank")
    driver.get(url)
    end = time.monotonic() + 20
    while time.monotonic() < end:
        marks = driver.execute_script(
            "const m = arguments[0].map(name => performance.getEntriesByName(name));"
            "return m.every(e => e.length) && m.map(e => e[0].startTime)", names)
        if marks:
            return marks
        time.sleep(0.005)
    sys.exit(f"{url} was not ready within 20 s")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--site", default="build-web/site")
    parser.add_argument("--runs", type=int, default=21)
    args = parser.parse_args()
    fetched = set()
    server = serve(os.path.abspath(args.site), fetched)
    base = f"http://127.0.0.1:{server.server_port}/"
    with tempfile.TemporaryDirectory(prefix="quv-bench-") as profile:
        options = webdriver.ChromeOptions()
        options.binary_location = "/usr/bin/chromium"
        for flag in FLAGS + [f"--user-data-dir={profile}"]:
            options.add_argument(flag)
        driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
        try:
            # The first visit, as a new player makes it: the page, and what its worker keeps.
            times_ms(driver, base, MARKS["game"])
            driver.execute_script("return navigator.serviceWorker.ready.then(() => true)")
            time.sleep(0.5)
            first = sorted(fetched)
            driver.execute_cdp_cmd("Network.enable", {})
            driver.execute_cdp_cmd("Network.setCacheDisabled", {"cacheDisabled": True})
            driver.execute_cdp_cmd("Network.setBypassServiceWorker", {"bypass": True})
            times = {(screen, who): [] for screen in SCREENS for who in ("game", "bare")}
            for screen, (metrics, touch) in SCREENS.items():
                driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", metrics)
                driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": touch})
                for _ in range(args.runs):
                    times[screen, "game"].append(times_ms(driver, base, MARKS["game"]))
                    times[screen, "bare"].append(times_ms(driver, base + "bare.html",
                                                          MARKS["bare"]))
        finally:
            driver.quit()
            server.shutdown()

    def file_of(path):
        return os.path.join(args.site, path.lstrip("/") or "index.html")
    raw = sum(os.path.getsize(file_of(path)) for path in first)
    packed = sum(len(gzip.compress(open(file_of(path), "rb").read(), 9)) for path in first)
    medians = {key: [statistics.median(run[i] for run in runs) for i in range(len(MEASURES))]
               for key, runs in times.items()}
    if not (10_000 < packed < 10_000_000 and
            all(0 < ms < 20_000 for pair in medians.values() for ms in pair)):
        sys.exit(f"implausible figures: {packed} bytes, {medians}")
    print("| measure | page | bare page | page / bare | target |")
    print("|---|---:|---:|---:|---|")
    print(f"| transfer of a first visit, KiB gzipped ({len(first)} files; {raw / 1024:.1f} KiB "
          f"as stored) | {packed / 1024:.1f} | | | "
          f"≤ 64: {'met' if packed <= 64 * 1024 else 'NOT met'} |")
    for screen in SCREENS:
        for i, (measure, target) in enumerate(MEASURES):
            game, bare = medians[screen, "game"][i], medians[screen, "bare"][i]
            ratio = game / bare
            verdict = f"≤ {target}: {'met' if ratio <= target else 'NOT met'}" if target else "—"
            print(f"| {screen}: navigation to {measure}, ms (median of {args.runs}) | "
                  f"{game:.1f} | {bare:.1f} | {ratio:.2f} | {verdict} |")


if __name__ == "__main__":
    main()
