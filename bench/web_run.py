#!/usr/bin/python3
"""The web page's benchmark: prints, as a Markdown table, the transfer size of everything a first
visit loads (each file as a server would send it gzipped), and the time from navigation to a
building ready for input against a bare static page with the same layout (web_bare.html), both
loaded alternately in one headless Chromium, with its cache and the service worker bypassed.

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


def ready_ms(driver, url):
    driver.get("about:blank")
    driver.get(url)
    end = time.monotonic() + 20
    while time.monotonic() < end:
        mark = driver.execute_script("const m = performance.getEntriesByName('quv-ready');"
                                     "return m.length && m[0].startTime")
        if mark:
            return mark
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
            ready_ms(driver, base)
            driver.execute_script("return navigator.serviceWorker.ready.then(() => true)")
            time.sleep(0.5)
            first = sorted(fetched)
            driver.execute_cdp_cmd("Network.enable", {})
            driver.execute_cdp_cmd("Network.setCacheDisabled", {"cacheDisabled": True})
            driver.execute_cdp_cmd("Network.setBypassServiceWorker", {"bypass": True})
            times = {"game": [], "bare": []}
            for _ in range(args.runs):
                times["game"].append(ready_ms(driver, base))
                times["bare"].append(ready_ms(driver, base + "bare.html"))
        finally:
            driver.quit()
            server.shutdown()

    def file_of(path):
        return os.path.join(args.site, path.lstrip("/") or "index.html")
    raw = sum(os.path.getsize(file_of(path)) for path in first)
    packed = sum(len(gzip.compress(open(file_of(path), "rb").read(), 9)) for path in first)
    game, bare = (statistics.median(times[who]) for who in ("game", "bare"))
    if not (10_000 < packed < 10_000_000 and 0 < bare < 20_000 and 0 < game < 20_000):
        sys.exit(f"implausible figures: {packed} bytes, {game} ms against {bare} ms")
    ratio = game / bare
    print("| measure | page | bare page | page / bare | target |")
    print("|---|---:|---:|---:|---|")
    print(f"| transfer of a first visit, KiB gzipped ({len(first)} files; {raw / 1024:.1f} KiB "
          f"as stored) | {packed / 1024:.1f} | | | "
          f"≤ 64: {'met' if packed <= 64 * 1024 else 'NOT met'} |")
    print(f"| navigation to ready for input, ms (median of {args.runs}) | {game:.1f} | {bare:.1f} "
          f"| {ratio:.2f} | ≤ 1.5: {'met' if ratio <= 1.5 else 'NOT met'} |")


if __name__ == "__main__":
    main()
