"""The page in a real headless Chromium: the skin over the core and its wiring. The rules are the
core suite's; every expected place, text and colour here comes from the core (the oracle)."""
import hashlib
import pathlib
import shutil
import time
import unittest

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

from page_rig import PageTest

# An element's place in the client area, in CSS pixels.
PLACE = """const r = arguments[0].getBoundingClientRect(),
c = document.getElementById('client').getBoundingClientRect();
return [r.left - c.left, r.top - c.top, r.width, r.height]"""
FRAME = """return [...document.querySelectorAll('.frame')].map(f => f.hidden ? null :
[f.offsetLeft, f.offsetTop, f.offsetWidth, f.offsetHeight, getComputedStyle(f).backgroundColor])"""
# Waits for the worker's look for a new build to end: whether one is kept, waiting.
SETTLED = """return navigator.serviceWorker.getRegistration().then(r => r.update().then(() =>
new Promise(settle => r.installing ? r.installing.onstatechange = settle : settle()))
.then(() => !!r.waiting))"""


class MouseMission(PageTest):
    PLANS = ("varied", "quick")

    def test_a_building_and_what_screen_readers_find(self):
        self.load()
        self.shot("normal")
        s = self.screen
        self.assertEqual(self.driver.title, s["caption"])
        client = self.find("#client").rect
        self.assertEqual([client["width"], client["height"]], s["client"])
        self.assertEqual(self.colour(self.find("#client")), s["background"])
        facade = self.element("Label1")
        self.assertEqual([self.js(PLACE, facade), self.colour(facade)],
                         [s["facade"], s["facadeColour"]])
        for index, room in enumerate(s["rooms"]):
            cell = self.cell(index)
            self.assertEqual([self.js(PLACE, cell), self.colour(cell), cell.text],
                             [room["place"], s["cellColour"], ""])
        bar = self.driver.find_elements(By.CSS_SELECTOR, "#menu-bar > li")
        self.assertEqual([item.text for item in bar],
                         [item["caption"] for item in s["menu"] if not item["parent"]])
        nodes = self.accessible()
        self.assertEqual([name for role, name, _ in nodes if role == "button"],
                         [room["name"] for room in s["rooms"]])
        for node in ("main", s["caption"], ""), ("toolbar", s["building"], ""), \
                    ("image", s["facadeName"], ""):
            self.assertIn(node, nodes)

    def test_b_a_whole_mission_by_mouse(self):
        start, first, *rest = self.expected["missions"][0]
        self.play(start)
        self.play(first, lambda: self.clicks_while_a_box_waits(first["room"]))
        for step in rest:
            self.play(step)

        # The continue dialog, over the disabled window: the page's clicks, Escape and a held
        # Enter change nothing; YES gives the window back, with the keys on the last room.
        self.shot("dialog")
        self.assertEqual(self.js("return ['question-title', 'question-text', 'yes', 'no']"
                                 ".map(id => document.getElementById(id).textContent)"),
                         self.screen["dialog"])
        self.assertEqual(self.focused(), "Command1")
        self.assertIn(("dialog", *self.screen["dialog"][:2]), self.accessible())
        other = self.cell((rest[-1]["room"] + 1) % 25)
        self.click_at(self.find("#question-text"))
        self.click_at(other)
        self.js("arguments[0].click(); document.querySelector('[data-control=S]').click()", other)
        self.keys(Keys.ESCAPE)
        self.held_enter()
        self.assertIsNone(self.settle())
        self.assertEqual((self.state()["window"]["dialog"], self.colour(other),
                          self.accessible(focused=True)),
                         (True, self.screen["cellColour"], [("button", self.screen["dialog"][2], "")]))
        self.find("#yes").click()
        window = self.state()["window"]
        self.assertEqual((window["dialog"], window["inert"]), (False, False))
        self.assertEqual(self.focused(), f"Label2_{rest[-1]['room']}")

    def clicks_while_a_box_waits(self, room):
        self.cell(room).click()
        box = self.settle()
        self.shot("box")
        self.assertIn(("dialog", *box), self.accessible())
        other = self.cell((room + 1) % 25)
        for target in other, self.element("S"), self.element("E"), self.find("#box-text"):
            self.click_at(target)
            self.js("arguments[0].click()", target)
        self.assertEqual((self.state()["box"], self.accessible(focused=True)),
                         (box, [("button", "OK", "")]))

    def test_c_a_larger_font_grows_the_dialog_no_and_quit_end_the_program(self):
        self.js("document.documentElement.style.fontSize = '40px'")
        for step in self.expected["missions"][1]:
            self.play(step)
        fits = self.js("return ['question-text', 'yes', 'no'].map(id => {"
                       "const e = document.getElementById(id);"
                       "return e.scrollWidth <= e.clientWidth && e.scrollHeight <= e.clientHeight})")
        self.assertEqual(fits, [True] * 3)
        client = self.find("#question-client").rect
        self.assertGreater(client["width"], 2 * 170)
        self.assertAlmostEqual(client["width"] / client["height"], 2550 / 960, delta=0.05)
        self.shot("dialog_large_font")
        self.find("#no").click()
        self.assert_ended("ended")
        # A new game is a fresh program, with no high score; 終了 ends it too.
        self.find("#again").click()
        self.ready()
        self.element("SC").click()
        self.element("HSC").click()
        self.assertEqual(self.settle(),
                         [self.expected["boxTitle"], self.expected["freshHighScore"]])
        self.ok()
        self.assertIsNone(self.settle())
        self.element("E").click()
        self.assert_ended("ended_by_quit")

    def assert_ended(self, shot):
        self.assertEqual(self.state()["window"], None)
        self.wait(lambda: self.js("return !document.getElementById('question')"), "no dialog")
        self.assertTrue(self.find("#ended").is_displayed())
        self.assertEqual(self.focused(), "again")
        self.shot(shot)


class KeyboardMission(PageTest):
    CLOCK_MS = 1_733_000_000_000

    def walk_to(self, target):
        rooms = self.screen["rooms"]
        here = rooms[int(self.focused().split("_")[1])]
        columns = rooms[target]["column"] - here["column"]
        floors = rooms[target]["floor"] - here["floor"]
        keys = [Keys.ARROW_RIGHT if columns > 0 else Keys.ARROW_LEFT] * abs(columns) + \
            [Keys.ARROW_UP if floors > 0 else Keys.ARROW_DOWN] * abs(floors)
        if keys:
            self.keys(*keys)
        self.assertEqual(self.focused(), f"Label2_{target}")

    def test_a_menu_bar_keys(self):
        self.load()
        # The menu bar is the page's first stop for Tab, the building (its last room) the next.
        for keys, focused in [(((Keys.SHIFT, Keys.F10),), ""), ((Keys.TAB,), "S"),
                              ((Keys.TAB,), "Label2_0"), ((Keys.F10,), "S"), ((Keys.ARROW_RIGHT,), "E"),
                              ((Keys.ARROW_RIGHT, Keys.ARROW_RIGHT, Keys.ARROW_LEFT), "SC"),
                              ((Keys.ARROW_DOWN,), "GSC"), ((Keys.ARROW_DOWN,) * 2, "GSC")]:
            self.keys(*keys)
            self.assertEqual(self.focused(), focused)
            if focused.startswith("Label2_"):  # The keys entering the building show the frame.
                self.assertNotEqual(self.js(FRAME), [None] * 4)
        self.assertLessEqual({("menubar", "")} | {("menuitem", item["caption"])
                                                   for item in self.screen["menu"]},
                             {node[:2] for node in self.accessible()})
        self.keys(Keys.ESCAPE)
        self.assertEqual((self.focused(), self.element("SC").get_attribute("aria-expanded")),
                         ("SC", "false"))
        self.keys(Keys.F10)
        self.assertEqual(self.focused(), "Label2_0")
        # Tab goes round the rooms, as on the desktop, and back as WebKitGTK sends Shift+Tab too.
        for press, focused in [(lambda: self.keys((Keys.SHIFT, Keys.TAB)), "Label2_24"),
                               (lambda: self.keys(Keys.TAB), "Label2_0"),
                               (self.webkit_shift_tab, "Label2_24"),
                               (lambda: self.keys(Keys.TAB), "Label2_0")]:
            press()
            self.assertEqual(self.focused(), focused)

    def test_b_a_whole_mission_by_keyboard(self):
        enter = lambda: self.keys(Keys.ENTER)
        start, *visits = self.expected["missions"][0]
        self.play(start, lambda: self.keys(Keys.F10, Keys.ENTER), enter)
        # The keys are back on the room they left; the walls stop the arrows; a held Enter
        # visits nothing.
        self.keys(Keys.ARROW_LEFT, Keys.ARROW_UP)
        self.assertEqual(self.focused(), "Label2_0")
        self.held_enter()
        self.assertIsNone(self.settle())
        for number, step in enumerate(visits):
            room = step["room"]
            self.walk_to(room)
            self.assertEqual(self.js(FRAME), [side + [self.screen["frameColour"]]
                                              for side in self.screen["rooms"][room]["frame"]])
            self.play(step, lambda: self.keys(Keys.SPACE if number == 1 else Keys.ENTER), enter)
            if number == 2:
                self.shot("keyboard_mid_mission")
            if not step["dialog"]:
                self.assertEqual(self.focused(), f"Label2_{room}")

        # The dialog: Tab between the buttons, a held Enter answers nothing, Enter answers.
        self.assertEqual(self.focused(), "Command1")
        self.keys(Keys.TAB)
        self.assertEqual(self.focused(), "Command2")
        self.keys((Keys.SHIFT, Keys.TAB))
        self.assertEqual(self.focused(), "Command1")
        self.webkit_shift_tab()
        self.keys(Keys.TAB)
        self.assertEqual(self.focused(), "Command1")
        self.held_enter()
        self.assertTrue(self.state()["window"]["dialog"])
        self.keys(Keys.ENTER)
        self.assertEqual((self.state()["window"]["dialog"], self.focused()),
                         (False, f"Label2_{visits[-1]['room']}"))

        # The high score from the menu by keys; the keys come back to the room.
        self.keys(Keys.F10, Keys.ARROW_LEFT, Keys.ARROW_DOWN, Keys.ARROW_DOWN, Keys.ENTER)
        self.assertEqual(self.settle(),
                         [self.expected["boxTitle"], self.expected["highScore"]])
        self.keys(Keys.ENTER)
        self.assertIsNone(self.settle())
        self.assertEqual(self.focused(), f"Label2_{visits[-1]['room']}")
        # A mouse press on a room (released elsewhere: no visit) takes the frame away.
        self.assertNotEqual(self.js(FRAME), [None] * 4)
        ActionChains(self.driver).move_to_element(self.cell(0)).click_and_hold() \
            .move_to_element(self.find("#menu-bar")).release().perform()
        self.assertEqual(self.js(FRAME), [None] * 4)


class Phone(PageTest):
    PLANS = ("quick", "varied")
    # Phones and a tablet, and how much the 315-px 1:1 window grows at least (turned, it shrinks).
    SCREENS = [(360, 640, 3, 1.1), (640, 360, 3, 0.9), (390, 844, 3, 1.1), (768, 1024, 2, 2.0)]

    def turn(self, width, height, ratio):
        """Turns the screen and waits until the page has heard of it."""
        self.js("window.turned = innerWidth === arguments[0] && innerHeight === arguments[1];"
                "addEventListener('resize', () => { turned = true; })", width, height)
        self.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": width, "height": height, "deviceScaleFactor": ratio, "mobile": True})
        self.wait(lambda: self.js("return window.turned"), "the turn")

    def assert_fits(self, width, height, growth):
        """The window whole on the screen, grown by at least growth, laid out at its dpi."""
        box = self.wait(lambda: self.js(
            "const [w, h] = arguments, e = document.scrollingElement, r = document.getElementById("
            "'window').getBoundingClientRect(); return r.left >= 0 && r.top >= 0 && r.right <= w "
            "&& r.bottom <= h && e.scrollWidth <= w && e.scrollHeight <= h && r", width, height),
            "the window whole")
        self.assertGreaterEqual(box["width"], growth * 315)
        screen = self.screen_at(self.find("#window").get_attribute("data-dpi"))
        cells = [self.cell(index) for index in range(25)]
        self.assertEqual([self.js(PLACE, cell) for cell in cells],
                         [room["place"] for room in screen["rooms"]])
        # Laid out larger, not stretched: each room shows its one colour to its edges.
        self.assertEqual(self.shown_colours(cells), [[self.colour(cell)] for cell in cells])

    def test_whole_missions_by_taps_upright_and_turned(self):
        self.driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled",
                                    {"enabled": True, "maxTouchPoints": 5})
        self.turn(*self.SCREENS[0][:3])
        self.load()
        # A whole mission upright, then one turned; the tablet and the tall phone only show.
        for (width, height, ratio, growth), mission in zip(self.SCREENS,
                                                           self.expected["missions"] + [[]] * 2):
            self.turn(width, height, ratio)
            self.assert_fits(width, height, growth)
            self.shot(f"phone_{width}x{height}")
            for step in mission:
                room = self.cell(step["room"]) if step["room"] >= 0 else self.element("S")
                self.play(step, lambda: self.tap(room), lambda: self.tap(self.find("#box-ok")))
            if mission:  # The dialog waits: taps on the window do nothing; YES answers a tap.
                # Turned while it waits, it is laid out again, in proportion to the window.
                per_dpi = lambda: self.js(
                    "return document.getElementById('question-client').offsetWidth * 96 / "
                    "document.getElementById('window').dataset.dpi")
                before = per_dpi()
                self.turn(*self.SCREENS[1 - self.SCREENS.index((width, height, ratio, growth))][:3])
                self.assertAlmostEqual(per_dpi(), before, delta=0.03 * before)
                for target in self.cell(0), self.element("S"), self.find("#yes"):
                    self.tap(target)
                self.assertEqual((self.settle(), self.state()["window"]["dialog"]), (None, False))
        # The menu by taps: a tap elsewhere closes it, a tap on an item chooses it.
        score, title = self.element("SC"), self.find("#window-title")
        for target, expanded in (score, "true"), (title, "false"), (score, "true"):
            self.tap(target)
            self.assertEqual(score.get_attribute("aria-expanded"), expanded)
        self.tap(self.element("HSC"))
        self.assertEqual(self.settle(), [self.expected["boxTitle"], self.expected["highScore"]])
        self.tap(self.find("#box-ok"))
        self.assertIsNone(self.settle())


class FirstPaint(PageTest):
    PLANS = ("quick",)

    def test_the_building_shows_and_takes_input_before_the_module_runs(self):
        self.driver.execute_cdp_cmd("Network.enable", {})
        self.driver.execute_cdp_cmd("Network.setBlockedURLs", {"urls": ["*/quv.js"]})
        self.driver.get(self.site.url)
        cells = [self.cell(index) for index in range(25)]
        self.assertEqual([[self.js(PLACE, cell), self.colour(cell)] for cell in cells],
                         [[room["place"], self.screen["cellColour"]]
                          for room in self.screen["rooms"]])
        start = self.element("S")
        self.assertEqual(start.text, "スタート")
        self.shot("first_paint")
        # スタート clicked before the module comes is held; the page takes over the window it drew,
        # menu bar and all, and plays the click.
        start.click()
        self.driver.execute_cdp_cmd("Network.setBlockedURLs", {"urls": []})
        self.js("document.head.append(Object.assign(document.createElement('script'), "
                "{src: 'quv.js'}))")
        self.wait(lambda: self.js("return 'ready' in document.getElementById('window').dataset"),
                  "the module")
        self.play(self.expected["missions"][0][0], lambda: None)


class Site(PageTest):
    PLANS = ("quick",)

    # The first visit of a fresh profile: the worker must keep the whole site by itself. Two copies
    # share the origin's Cache Storage with another site ('app'), and each keeps to its own sets.
    def test_installable_and_plays_offline_after_one_visit_an_update_and_any_file(self):
        origin, build_a, self.site.root = self.site.url, self.site.root, self.profile
        for copy in "quv-beta/", "quv/":
            shutil.copytree(build_a, self.profile + "/" + copy)
            self.site.url = origin + copy
            self.load()
            self.js("return caches.open('app').then(() => navigator.serviceWorker.ready)"
                    ".then(() => 1)")
        self.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": 800, "height": 600, "deviceScaleFactor": 2, "mobile": False})
        self.shot("zoom_200")
        self.wait(lambda: self.js("return !!navigator.serviceWorker.controller"), "the worker")
        errors = self.driver.execute_cdp_cmd("Page.getInstallabilityErrors", {})
        manifest = self.driver.execute_cdp_cmd("Page.getAppManifest", {})
        self.assertEqual((errors["installabilityErrors"], manifest["errors"]), ([], []))
        # A new build, B, on /quv/, each file's hash in its worker: the next start takes it, whole,
        # once it is fetched; not while a file does not match its hash (a deploy caught halfway).
        build_b = pathlib.Path(self.profile, "quv")
        for name, old, new in (("index.html", b"</body>", b"<!-- B --></body>"),
                               ("quv.js", b"", b"self.quvB = true;\n"),
                               ("sw.js", b"BUILD = '", b"BUILD = 'B")):
            file, was = build_b / name, (build_b / name).read_bytes()
            file.write_bytes(was.replace(old, new, 1))
            hashes = (hashlib.sha256(b).hexdigest().encode() for b in (was, file.read_bytes()))
            (build_b / "sw.js").write_bytes((build_b / "sw.js").read_bytes().replace(*hashes))
        quv_b = (build_b / "quv.js").read_bytes()
        for quv_js, whole in (pathlib.Path(build_a, "quv.js").read_bytes(), False), (quv_b, True):
            (build_b / "quv.js").write_bytes(quv_js)
            self.restart()
            self.assertEqual(self.js(SETTLED), whole)
        self.assertFalse(self.js("return !!self.quvB"))
        for when in "online", "offline":
            self.driver.get(self.site.url + "LICENSE")
            self.restart()
            self.assertEqual(self.js("return [document.body.innerHTML.includes('<!-- B -->'), "
                                     "!!self.quvB]"), [True, True], when)
            # Then only the worker's copies may answer: the browser's cache goes with the server.
            self.driver.execute_cdp_cmd("Network.clearBrowserCache", {})
            self.site.shutdown()
            self.site.server_close()
        self.play(self.expected["missions"][0][0])
        self.shot("offline")
        # Only /quv/'s older set is gone: the other site's cache and /quv-beta/, with A, are kept.
        self.assertEqual(sorted(key.split(" ")[-1] for key in self.js("return caches.keys()")),
                         ["app", origin + "quv-beta/", origin + "quv/"])
        self.site.url = origin + "quv-beta/"
        self.load()
        self.play(self.expected["missions"][0][0])

    def restart(self):
        """Starts again with no page of the site open: the old worker lets go a moment after."""
        self.driver.get("about:blank")
        time.sleep(0.5)
        self.load()


if __name__ == "__main__":
    unittest.main(verbosity=2)
