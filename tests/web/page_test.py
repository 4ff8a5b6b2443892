"""The page in a real headless Chromium: the skin over the core and its wiring. The rules are the
core's suite's; every expected place, text and colour here comes from the core (the oracle)."""
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

from page_rig import PageTest, main


def rect(element_js):
    return f"const r = {element_js}.getBoundingClientRect(), c = " \
           "document.getElementById('client').getBoundingClientRect();" \
           "return [r.left - c.left, r.top - c.top, r.width, r.height];"


class MouseMission(PageTest):
    PLANS = ("varied", "quick")

    def test_a_building_as_the_core_describes_it(self):
        self.load()
        self.shot("normal")
        s = self.screen
        self.assertEqual(self.driver.title, s["caption"])
        client = self.driver.find_element(By.ID, "client")
        self.assertEqual([client.rect["width"], client.rect["height"]], s["client"])
        self.assertEqual(self.background(), s["background"])
        facade = self.element("Label1")
        self.assertEqual(self.js(rect("arguments[0]"), facade), s["facade"])
        self.assertEqual(self.colour(facade), s["facadeColour"])
        for index, room in enumerate(s["rooms"]):
            cell = self.cell(index)
            self.assertEqual(self.js(rect("arguments[0]"), cell), room["place"])
            self.assertEqual((self.colour(cell), cell.text), (s["cellColour"], ""))
        bar = [item.text for item in self.driver.find_elements(By.CSS_SELECTOR, "#menu-bar > li")]
        self.assertEqual(bar, [item["caption"] for item in s["menu"] if not item["parent"]])

    def test_b_a_whole_mission_by_mouse(self):
        ok = lambda: self.driver.find_element(By.ID, "box-ok").click()
        start, *visits = self.expected["missions"][0]
        self.play(start, lambda: self.element("S").click(), ok)
        first, *rest = visits
        self.play(first, lambda: self.held_box_ignores_the_page(first), ok)
        for step in rest:
            self.play(step, lambda: self.cell(step["room"]).click(), ok)

        # The continue dialog, over the disabled window.
        self.shot("dialog")
        s = self.screen
        self.assertEqual(self.js("return [document.getElementById('question-title').textContent,"
                                 "document.getElementById('question-text').textContent,"
                                 "document.getElementById('yes').textContent,"
                                 "document.getElementById('no').textContent]"),
                         [s["dialog"], s["question"], s["yes"], s["no"]])
        self.assertEqual(self.focused(), "Command1")
        self.assertIn(("dialog", s["dialog"], s["question"]), self.accessible_nodes())
        other = (rest[-1]["room"] + 1) % 25
        self.click_at(self.cell(other))
        self.js("arguments[0].click(); document.querySelector('[data-control=S]').click()",
                self.cell(other))
        self.keys(Keys.ESCAPE)
        self.held_enter()
        self.assertIsNone(self.settle())
        self.assertEqual((self.window_state()["dialog"], self.colour(self.cell(other))),
                         (True, s["cellColour"]))

        self.driver.find_element(By.ID, "yes").click()
        self.assertEqual((self.window_state()["dialog"], self.window_state()["inert"]),
                         (False, False))
        self.assertEqual(self.focused(), f"Label2_{rest[-1]['room']}")

    def held_box_ignores_the_page(self, step):
        """Visits, and while the first box waits, clicks elsewhere for real and by script."""
        self.cell(step["room"]).click()
        box = self.settle()
        self.shot("box")
        title, text = box
        self.assertIn(("dialog", title, text), self.accessible_nodes())
        other = self.cell((step["room"] + 1) % 25)
        self.click_at(other)
        self.click_at(self.element("S"))
        self.js("arguments[0].click(); document.querySelector('[data-control=S]').click()", other)
        self.assertEqual(self.box(), box)

    def test_c_no_and_quit_end_the_program(self):
        ok = lambda: self.driver.find_element(By.ID, "box-ok").click()
        for step in self.expected["missions"][1]:
            act = (lambda: self.element("S").click()) if step["room"] < 0 else \
                (lambda: self.cell(step["room"]).click())
            self.play(step, act, ok)
        self.driver.find_element(By.ID, "no").click()
        self.assert_ended("ended")

        # A new game is a fresh program: no high score; 終了 ends it too.
        self.driver.find_element(By.ID, "again").click()
        self.wait(lambda: self.js("return 'ready' in "
                                  "(document.getElementById('window') || {dataset: {}}).dataset"),
                  "the fresh building")
        self.element("SC").click()
        self.element("HSC").click()
        self.assertEqual(self.settle(), ["QUV", self.expected["freshHighScore"]])
        ok()
        self.assertIsNone(self.settle())
        self.element("E").click()
        self.assert_ended("ended_by_quit")

    def assert_ended(self, shot):
        self.assertIsNone(self.window_state())
        self.assertIsNone(self.js("return document.getElementById('question')"))
        ended = self.driver.find_element(By.ID, "ended")
        self.assertTrue(ended.is_displayed())
        self.assertEqual(self.focused(), "again")
        self.shot(shot)


class KeyboardMission(PageTest):
    CLOCK_MS = 1_733_000_000_000

    def frame(self):
        return self.js("return [...document.querySelectorAll('.frame')].map(f => f.hidden ? null :"
                       " [f.offsetLeft, f.offsetTop, f.offsetWidth, f.offsetHeight,"
                       "  getComputedStyle(f).backgroundColor])")

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
        self.keys(Keys.F10)
        self.assertEqual(self.focused(), "S")
        self.keys(Keys.ARROW_RIGHT)
        self.assertEqual(self.focused(), "E")
        self.keys(Keys.ARROW_RIGHT, Keys.ARROW_RIGHT, Keys.ARROW_LEFT)
        self.assertEqual(self.focused(), "SC")
        self.keys(Keys.ARROW_DOWN)
        self.assertEqual((self.focused(), self.element("SC").get_attribute("aria-expanded")),
                         ("GSC", "true"))
        self.keys(Keys.ARROW_DOWN, Keys.ARROW_DOWN)
        self.assertEqual(self.focused(), "GSC")
        menu = {(role, name) for role, name, _ in self.accessible_nodes()}
        self.assertLessEqual({("menubar", "")} | {("menuitem", item["caption"])
                                                   for item in self.screen["menu"]}, menu)
        self.keys(Keys.ESCAPE)
        self.assertEqual((self.focused(), self.element("SC").get_attribute("aria-expanded")),
                         ("SC", "false"))
        self.keys(Keys.F10)
        self.assertEqual(self.focused(), "Label2_0")

    def test_b_a_whole_mission_by_keyboard(self):
        enter = lambda: self.keys(Keys.ENTER)
        start, *visits = self.expected["missions"][0]
        self.play(start, lambda: self.keys(Keys.F10, Keys.ENTER), enter)
        # The keys are back on the room they left; the walls stop the arrows.
        self.assertEqual(self.focused(), "Label2_0")
        self.keys(Keys.ARROW_LEFT, Keys.ARROW_UP)
        self.assertEqual(self.focused(), "Label2_0")
        self.held_enter()
        self.assertIsNone(self.settle())

        for number, step in enumerate(visits):
            room = step["room"]
            self.walk_to(room)
            self.assertEqual(self.frame(), [side + [self.screen["frameColour"]]
                                            for side in self.screen["rooms"][room]["frame"]])
            press = (lambda: self.keys(Keys.SPACE)) if number == 1 else enter
            self.play(step, press, enter)
            if not step["dialog"]:
                self.assertEqual(self.focused(), f"Label2_{room}")
            if number == 2:
                self.shot("keyboard_mid_mission")

        # The dialog: Tab between the buttons, a held Enter answers nothing, Enter answers.
        self.assertEqual(self.focused(), "Command1")
        self.keys(Keys.TAB)
        self.assertEqual(self.focused(), "Command2")
        ActionChains(self.driver).key_down(Keys.SHIFT).send_keys(Keys.TAB).key_up(Keys.SHIFT).perform()
        self.assertEqual(self.focused(), "Command1")
        self.held_enter()
        self.assertTrue(self.window_state()["dialog"])
        self.keys(Keys.ENTER)
        self.assertEqual((self.window_state()["dialog"], self.focused()),
                         (False, f"Label2_{visits[-1]['room']}"))

    def test_c_high_score_by_keys_and_the_mouse_hides_the_frame(self):
        room = self.focused()
        self.keys(Keys.F10, Keys.ARROW_LEFT, Keys.ARROW_DOWN, Keys.ARROW_DOWN, Keys.ENTER)
        self.assertEqual(self.settle(), ["QUV", self.expected["highScore"]])
        self.keys(Keys.ENTER)
        self.assertIsNone(self.settle())
        self.assertEqual(self.focused(), room)
        self.assertNotEqual(self.frame(), [None] * 4)
        self.click_at(self.cell(12))
        self.assertEqual(self.settle(), ["QUV", self.expected["pressStart"]])
        self.keys(Keys.ENTER)
        self.assertIsNone(self.settle())
        self.assertEqual(self.frame(), [None] * 4)


class Site(PageTest):
    PLANS = ("quick",)

    def test_a_accessible_names_and_roles(self):
        self.load()
        nodes = self.accessible_nodes()
        s = self.screen
        buttons = [name for role, name, _ in nodes if role == "button"]
        self.assertEqual(buttons, [room["name"] for room in s["rooms"]])
        self.assertIn(("group", s["building"], ""), nodes)
        self.assertIn(("image", s["facadeName"], ""), nodes)
        self.assertIn(("main", s["caption"], ""), nodes)
        # Once a mission runs, the window tells which suspect is sought.
        self.play(self.expected["missions"][0][0], lambda: self.element("S").click(),
                  lambda: self.driver.find_element(By.ID, "box-ok").click())
        self.assertIn(("main", s["caption"], self.expected["missions"][0][0]["description"]),
                      self.accessible_nodes())

    def test_b_larger_font_grows_the_dialog_and_200_percent_zoom(self):
        self.load()
        self.js("document.documentElement.style.fontSize = '40px'")
        ok = lambda: self.driver.find_element(By.ID, "box-ok").click()
        for step in self.expected["missions"][0]:
            act = (lambda: self.element("S").click()) if step["room"] < 0 else \
                (lambda: self.cell(step["room"]).click())
            self.play(step, act, ok)
        fits = self.js("return ['question-text', 'yes', 'no'].map(id => {"
                       "const e = document.getElementById(id);"
                       "return e.scrollWidth <= e.clientWidth && e.scrollHeight <= e.clientHeight})")
        self.assertEqual(fits, [True] * 3)
        client = self.driver.find_element(By.ID, "question-client").rect
        self.assertGreater(client["width"], 170)
        self.assertAlmostEqual(client["width"] / client["height"], 2550 / 960, delta=0.05)
        self.shot("dialog_large_font")
        self.driver.find_element(By.ID, "yes").click()

        self.js("document.documentElement.style.fontSize = ''")
        self.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": 800, "height": 600, "deviceScaleFactor": 2, "mobile": False})
        self.cell(12).click()
        self.settle()
        self.shot("zoom_200")
        self.driver.find_element(By.ID, "box-ok").click()
        self.driver.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})

    def test_c_installable_and_plays_offline_after_one_visit(self):
        self.load()
        self.js("return navigator.serviceWorker.ready.then(() => true)")
        self.wait(lambda: self.js("return !!navigator.serviceWorker.controller"), "the worker")
        errors = self.driver.execute_cdp_cmd("Page.getInstallabilityErrors", {})
        self.assertEqual(errors["installabilityErrors"], [])
        self.site.stop()
        self.load()
        self.play(self.expected["missions"][0][0], lambda: self.element("S").click(),
                  lambda: self.driver.find_element(By.ID, "box-ok").click())
        self.shot("offline")


if __name__ == "__main__":
    main()
