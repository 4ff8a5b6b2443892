"""The page tests' rig: the site served from 127.0.0.1 on a free port, a headless Chromium with a
fresh profile driving it, the core's expectations (the oracle, under Node with the page's frozen
clock), and the reads every test needs. Screenshots go to QUV_SHOTS for a person to look at."""
import http.server
import json
import os
import shlex
import shutil
import subprocess
import tempfile
import threading
import time
import unittest

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

SITE = os.environ["QUV_SITE"]
SHOTS = os.environ["QUV_SHOTS"]
CHROMIUM_FLAGS = [
    "--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
    "--disable-background-networking", "--disable-component-update", "--disable-sync",
    "--window-size=800,600",
]


def oracle(clock_ms, *plans):
    command = shlex.split(os.environ["QUV_ORACLE"]) + list(plans)
    out = subprocess.run(command, check=True, capture_output=True, text=True,
                         env=dict(os.environ, QUV_FROZEN_MS=str(clock_ms))).stdout
    return json.loads(out)


class Site:
    """The static site, as python3 -m http.server serves it, until stop()."""

    def __init__(self):
        class Quiet(http.server.SimpleHTTPRequestHandler):
            def __init__(self, *args, **kwargs):
                super().__init__(*args, directory=SITE, **kwargs)

            def log_message(self, *args):
                pass

        self.server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Quiet)
        self.url = f"http://127.0.0.1:{self.server.server_port}/"
        threading.Thread(target=self.server.serve_forever, daemon=True).start()

    def stop(self):
        self.server.shutdown()
        self.server.server_close()


class PageTest(unittest.TestCase):
    CLOCK_MS = 1_700_000_000_000  # the instant the page's clock shows, so its draws are known
    PLANS = ("varied",)

    @classmethod
    def setUpClass(cls):
        cls.expected = oracle(cls.CLOCK_MS, *cls.PLANS)
        cls.screen = cls.expected["screen"]
        cls.site = Site()
        cls.profile = tempfile.mkdtemp(prefix="quv-chromium-")
        options = webdriver.ChromeOptions()
        options.binary_location = "/usr/bin/chromium"
        for flag in CHROMIUM_FLAGS + [f"--user-data-dir={cls.profile}"]:
            options.add_argument(flag)
        cls.driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
        cls.driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument",
                                   {"source": f"Date.now = () => {cls.CLOCK_MS};"})
        os.makedirs(SHOTS, exist_ok=True)

    @classmethod
    def tearDownClass(cls):
        cls.driver.quit()
        cls.site.stop()
        shutil.rmtree(cls.profile, ignore_errors=True)

    # Reads.
    def js(self, script, *args):
        return self.driver.execute_script(script, *args)

    def wait(self, condition, what, timeout=10):
        end = time.monotonic() + timeout
        while time.monotonic() < end:
            value = condition()
            if value:
                return value
            time.sleep(0.01)
        self.fail(f"waited in vain for {what}")

    def load(self):
        self.driver.get(self.site.url)
        self.wait(lambda: self.js("const w = document.getElementById('window');"
                                  "return w && 'ready' in w.dataset"), "the building")

    def element(self, control):
        return self.driver.find_element(By.CSS_SELECTOR, f'[data-control="{control}"]')

    def cell(self, index):
        return self.element(f"Label2_{index}")

    def colour(self, element):
        return self.js("return getComputedStyle(arguments[0]).backgroundColor", element)

    def background(self):
        return self.colour(self.driver.find_element(By.ID, "client"))

    def focused(self):
        return self.js("const e = document.activeElement; return e.dataset.control || e.id")

    def box(self):
        """The open box's [title, text], or None."""
        return self.js("return document.getElementById('box').open ? "
                       "[document.getElementById('box-title').textContent,"
                       " document.getElementById('box-text').textContent] : null")

    def window_state(self):
        return self.js("const w = document.getElementById('window'); return w ? {"
                       "inert: w.inert, busy: w.hasAttribute('aria-busy'),"
                       "description: w.getAttribute('aria-description') || '',"
                       "dialog: document.getElementById('question').open} : null")

    def settle(self):
        """Waits until a box is open or the game's call has finished; the box, or None."""
        def settled():
            box = self.box()
            if box:
                return ("box", box)
            state = self.window_state()
            return None if state and state["busy"] else ("done", None)
        return self.wait(settled, "a box or the end of the call")[1]

    def accessible_nodes(self):
        nodes = self.driver.execute_cdp_cmd("Accessibility.getFullAXTree", {})["nodes"]
        value = lambda node, key: node.get(key, {}).get("value", "")
        return [(value(node, "role"), value(node, "name"), value(node, "description"))
                for node in nodes if not node.get("ignored")]

    # Input.
    def keys(self, *keys):
        ActionChains(self.driver).send_keys(*keys).perform()

    def held_enter(self):
        """An Enter that the keyboard repeats because it is held down."""
        event = {"key": "Enter", "code": "Enter", "windowsVirtualKeyCode": 13}
        self.driver.execute_cdp_cmd("Input.dispatchKeyEvent",
                                    dict(event, type="keyDown", text="\r", autoRepeat=True))
        self.driver.execute_cdp_cmd("Input.dispatchKeyEvent", dict(event, type="keyUp"))

    def click_at(self, element):
        """A real click where the element is, whatever lies on top of it."""
        ActionChains(self.driver).move_to_element(element).click().perform()

    def shot(self, name):
        self.driver.save_screenshot(os.path.join(SHOTS, f"{name}.png"))

    # Play.
    def play(self, step, act, close):
        """Runs one action and checks every box it shows against the oracle's step: title, text,
        the visited room's colour and the background behind it; then the screen after it."""
        act()
        seen = []
        while (box := self.settle()) is not None:
            room = step["room"]
            seen.append({"text": box[1], "cell": self.colour(self.cell(room)) if room >= 0 else "",
                         "background": self.background()})
            self.assertEqual(box[0], "QUV")
            close()
        self.assertEqual(seen, step["boxes"])
        state = self.window_state()
        self.assertEqual((state["dialog"], state["inert"], state["description"]),
                         (step["dialog"], not step["enabled"], step["description"]))
        self.assertEqual(self.background(), step["background"])
        if step["room"] >= 0:
            self.assertEqual(self.colour(self.cell(step["room"])), step["cell"])


def main():
    unittest.main(verbosity=2)
