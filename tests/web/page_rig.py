"""The page tests' rig: the site served from 127.0.0.1 on a free port, a headless Chromium with a
fresh profile and a frozen clock, the core's expectations (the oracle, under Node with the same
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

FLAGS = ["--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
         "--disable-background-networking", "--disable-component-update", "--disable-sync",
         "--window-size=800,600"]
# The page's state in one read: the open box's [title, text as shown, its spaces uncollapsed or
# not], and the window's, or null once the game has ended.
STATE = """const w = document.getElementById('window'), b = document.getElementById('box'),
q = document.getElementById('question'), open = d => d.open && !d.matches('.leaving');
return {box: open(b) ? [b.querySelector('#box-title').textContent,
                      b.querySelector('#box-text').innerText] : null,
        window: w && {inert: document.getElementById('menu-bar').ariaDisabled === 'true',
                      busy: w.hasAttribute('aria-busy'),
                      description: w.getAttribute('aria-description') || '',
                      dialog: open(q)}}"""


class Site(http.server.ThreadingHTTPServer):
    """The static site as python3 -m http.server serves it, from root (a new build is a new root),
    each answer to be checked again before it is used, as a static host's expires."""

    def __init__(self):
        class Handler(http.server.SimpleHTTPRequestHandler):
            def __init__(self, *args, **kwargs):
                super().__init__(*args, directory=args[2].root, **kwargs)

            def end_headers(self):
                self.send_header("Cache-Control", "no-cache")
                super().end_headers()

            def log_message(self, *args):
                pass

        self.root = os.environ["QUV_SITE"]
        super().__init__(("127.0.0.1", 0), Handler)
        self.url = f"http://127.0.0.1:{self.server_port}/"
        threading.Thread(target=self.serve_forever, daemon=True).start()


class PageTest(unittest.TestCase):
    CLOCK_MS = 1_700_000_000_000
    PLANS = ("varied",)

    @classmethod
    def setUpClass(cls):
        command = shlex.split(os.environ["QUV_ORACLE"]) + list(cls.PLANS)
        cls.expected = json.loads(subprocess.run(
            command, check=True, capture_output=True, text=True,
            env=dict(os.environ, QUV_FROZEN_MS=str(cls.CLOCK_MS))).stdout)
        cls.screen = cls.expected["screen"]
        cls.site = Site()
        cls.profile = tempfile.mkdtemp(prefix="quv-chromium-")
        options = webdriver.ChromeOptions()
        options.binary_location = "/usr/bin/chromium"
        for flag in FLAGS + [f"--user-data-dir={cls.profile}"]:
            options.add_argument(flag)
        cls.driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
        cls.driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument",
                                   {"source": f"Date.now = () => {cls.CLOCK_MS};"})
        os.makedirs(os.environ["QUV_SHOTS"], exist_ok=True)

    @classmethod
    def tearDownClass(cls):
        cls.driver.quit()
        cls.site.shutdown()
        cls.site.server_close()
        shutil.rmtree(cls.profile, ignore_errors=True)

    def js(self, script, *args):
        return self.driver.execute_script(script, *args)

    def wait(self, condition, what):
        end = time.monotonic() + 10
        while time.monotonic() < end:
            if value := condition():
                return value
            time.sleep(0.01)
        self.fail(f"waited in vain for {what}")

    def load(self):
        self.driver.get(self.site.url)
        self.ready()

    def ready(self):
        self.wait(lambda: self.js("return 'ready' in "
                                  "(document.getElementById('window') || {dataset: {}}).dataset"),
                  "the building")

    def find(self, selector):
        return self.driver.find_element(By.CSS_SELECTOR, selector)

    def element(self, control):
        return self.find(f'[data-control="{control}"]')

    def cell(self, index):
        return self.element(f"Label2_{index}")

    def colour(self, element):
        return self.js("return getComputedStyle(arguments[0]).backgroundColor", element)

    def focused(self):
        return self.js("const e = document.activeElement; return e.dataset.control || e.id")

    def state(self):
        return self.js(STATE)

    def settle(self):
        """Waits until a box is open or the game's call has finished; the box, or None."""
        return self.wait(lambda: (lambda s: (s["box"] or not (s["window"] or {}).get("busy"))
                                  and [s["box"]])(self.state()), "a box or the call's end")[0]

    def accessible(self, focused=False):
        """Chromium's accessibility tree as (role, name, description), or only the focused node
        in the page."""
        nodes = self.driver.execute_cdp_cmd("Accessibility.getFullAXTree", {})["nodes"]
        found = [tuple(node.get(key, {}).get("value", "") for key in ("role", "name", "description"))
                 for node in nodes if not node.get("ignored") and (not focused or {
                     "name": "focused", "value": {"type": "booleanOrUndefined", "value": True}}
                     in node.get("properties", []))]
        return [node for node in found if not focused or node[0] != "RootWebArea"]

    def keys(self, *keys):
        """Types keys; a pair (modifier, key) is typed with the modifier held."""
        chain = ActionChains(self.driver)
        for key in keys:
            if isinstance(key, tuple):
                chain.key_down(key[0]).send_keys(key[1]).key_up(key[0])
            else:
                chain.send_keys(key)
        chain.perform()

    def webkit_shift_tab(self):
        """Shift+Tab as WebKitGTK sends it: no key, only its code."""
        self.js("for (const type of ['keydown', 'keyup']) document.activeElement.dispatchEvent(new "
                "KeyboardEvent(type, {key: 'Unidentified', code: 'Tab', shiftKey: true, "
                "bubbles: true, cancelable: true}))")

    def held_enter(self):
        """An Enter that the keyboard repeats because it is held down."""
        key = {"key": "Enter", "code": "Enter", "windowsVirtualKeyCode": 13}
        self.driver.execute_cdp_cmd("Input.dispatchKeyEvent",
                                    dict(key, type="keyDown", text="\r", autoRepeat=True))
        self.driver.execute_cdp_cmd("Input.dispatchKeyEvent", dict(key, type="keyUp"))

    def click_at(self, element):
        """A real click where the element is, whatever lies on top of it."""
        ActionChains(self.driver).move_to_element(element).click().perform()

    def ok(self):
        self.find("#box-ok").click()

    def tap(self, element):
        """A finger's tap on the middle of the element."""
        x, y = self.js("const r = arguments[0].getBoundingClientRect();"
                       "return [r.left + r.width / 2, r.top + r.height / 2]", element)
        for kind, points in ("touchStart", [{"x": x, "y": y}]), ("touchEnd", []):
            self.driver.execute_cdp_cmd("Input.dispatchTouchEvent",
                                        {"type": kind, "touchPoints": points})

    def screen_at(self, dpi):
        return json.loads(subprocess.run(
            shlex.split(os.environ["QUV_ORACLE"]) + [f"dpi={dpi}"], check=True,
            capture_output=True, text=True).stdout)["screen"]

    def shown_colours(self, elements):
        """The colours each element shows in a screenshot of the viewport, one list each."""
        shot = self.driver.execute_cdp_cmd("Page.captureScreenshot", {})["data"]
        return self.js("""const [shot, elements] = arguments, k = devicePixelRatio;
return createImageBitmap(new Blob([Uint8Array.from(atob(shot), c => c.charCodeAt(0))]))
.then(image => { const g = new OffscreenCanvas(image.width, image.height).getContext('2d');
  g.drawImage(image, 0, 0);
  return elements.map(e => { const r = e.getBoundingClientRect(), seen = new Set(), d = g
    .getImageData(...[r.left, r.top, r.width, r.height].map(x => Math.round(x * k))).data;
    for (let i = 0; i < d.length; i += 4) seen.add(`rgb(${d[i]}, ${d[i + 1]}, ${d[i + 2]})`);
    return [...seen]; }); })""", shot, elements)

    def shot(self, name):
        self.driver.save_screenshot(os.path.join(os.environ["QUV_SHOTS"], f"{name}.png"))

    def play(self, step, act=None, close=None):
        """Runs one action (by default a click on its room, or on スタート) and checks every box
        against the oracle's step: title, text, the visited room's colour, the background behind
        it and the window's name; then the screen after it."""
        room = step["room"]
        (act or (lambda: (self.cell(room) if room >= 0 else self.element("S")).click()))()
        seen = []
        while (box := self.settle()) is not None:
            self.assertEqual(box[0], self.expected["boxTitle"])
            seen.append({"text": box[1], "cell": self.colour(self.cell(room)) if room >= 0 else "",
                         "background": self.colour(self.find("#client")),
                         "name": self.driver.title})
            (close or self.ok)()
        self.assertEqual(seen, step["boxes"])
        window = self.state()["window"]
        self.assertEqual((window["dialog"], window["inert"]), (step["dialog"], not step["enabled"]))
        self.assertLessEqual({("main", step["name"], step["description"]),
                              ("toolbar", step["building"], "")}, set(self.accessible()))
        self.assertEqual(self.colour(self.find("#client")), step["background"])
        if room >= 0:
            self.assertEqual(self.colour(self.cell(room)), step["cell"])
