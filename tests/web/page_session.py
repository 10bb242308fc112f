#!/usr/bin/python3
"""The web page in headless Chromium, used as a visitor uses it, in one session:
caption, client area and colours from a screenshot; picks by keyboard and by
mouse, each report copied out of the display box and read from the browser's
clipboard; the locked list; Clear by keyboard and by mouse; closing the window;
no console error throughout. Also bounds the download and times the drawing.
Then the tests' build of the program in the page, failing the pick's first
control operation: Enter closes its report, and the program ends with status 1,
and so does the report's button pressed through the accessibility tree. Along
the way, the page's accessibility tree as a screen reader gets it (the focus,
the report, the window under it refusing clicks), axe-core's rules at each
state, and a phone, upright and sideways, with taps. Then browsers without
WebGL or WebAssembly: the page says why, and stays. Last, the same scenario
in Firefox and in WebKit, in windows on a virtual X server: a pick, its copy,
the locked list, Clear. Neither the program nor its script names a folder of
the builder.

    page_session.py SITE_DIR CAPTION CHROMEDRIVER FAILING_BUILD_DIR [SCREENSHOT.png]
"""
import atexit, base64, functools, gzip, http.server, json, os, random, re, shutil, statistics, subprocess, sys, tempfile, threading, time, zlib
from pathlib import Path

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

SITE, CAPTION = Path(sys.argv[1]), sys.argv[2]
RESET = "Направете своя нов избор!"
CANNOT_RUN = ("Програмата не може да работи в този браузър\nБраузърът не поддържа WebAssembly или WebGL, или те са "
              "изключени в настройките му. Отворете страницата в друг, по-нов браузър, например Firefox, Chrome или "
              "Safari, или изтеглете програмата за Windows или за Linux.")
DOWNLOAD_FAILED = ("Програмата не можа да се изтегли\nВръзката със сайта прекъсна или сайтът не изпрати програмата. "
                   "Проверете връзката си с интернет и опитайте отново. Ако това се повтаря, сайтът е непълен: "
                   "съобщете на собственика му.\nIT_Zolinar.wasm.gz: HTTP 404 File not found\nОпитай отново")
FAILURE = ("Грешка при изпълнение: -4 (контролата не изпълни операцията).\nЕлемент: List1(0)\n"
           "Операция: четене на свойството ListIndex\n\nПрограмата ще бъде затворена.")
STOPPED = ("Програмата спря, докато се стартираше\nБраузърът не можа да я стартира, най-често поради липса на памет. "
           "Затворете други раздели и програми и опитайте отново, или изтеглете програмата за Windows или за Linux.\n")
# The test's own observers, added before the page loads: the first frame with
# Bulgarian text to read, and, once the program has given the page its
# caption, the frame after next, which has the window drawn.
DRAWN = """(function look() { /[а-я]/i.test(document.body?.innerText) ? window.textAt = performance.now() : requestAnimationFrame(look); })();
new MutationObserver((changes, observer) => {
    if (document.querySelector('title')?.textContent !== %r) return;
    observer.disconnect();
    requestAnimationFrame(() => requestAnimationFrame(() => { window.drawnAt = performance.now(); }));
}).observe(document, { subtree: true, childList: true, characterData: true });""" % CAPTION


class PhoneNetwork(http.server.SimpleHTTPRequestHandler):
    """A phone's network, 9 Mbit/s down and 150 ms away, paced by the server for all requests together.
    DevTools' emulation of it ran at 60 to 80 % of its rate on this machine, by the load of the moment."""
    lock, free = threading.Lock(), 0.0

    def send_head(self):
        time.sleep(0.15)
        return super().send_head()

    def copyfile(self, source, out):
        while chunk := source.read(16384):
            with PhoneNetwork.lock:
                PhoneNetwork.free = max(PhoneNetwork.free, time.monotonic()) + len(chunk) / (9e6 / 8)
                wait = PhoneNetwork.free - time.monotonic()
            time.sleep(max(wait, 0))
            out.write(chunk)


def fail(message):
    sys.exit(f"FAIL: {message}")


def keep(png, suffix=".png"):
    """Keeps a screenshot beside the one the test was asked to write, if any; returns it."""
    if len(sys.argv) > 5:
        Path(sys.argv[5]).with_suffix(suffix).write_bytes(png)
    return png


def report(item, profession):
    return f"Детето е излязло от кръга с: \nИзбран предмет: {item}\nПредполагаема професия: {profession}\n"


class Driven:
    """A browser driven through selenium, clicking and typing into the window
    whose client area is at origin, drawn at scale."""
    origin, scale = (0, 0), 1

    def click(self, x, y):
        """A primary click at a point of the window's client area."""
        actions = ActionBuilder(self.driver)
        actions.pointer_action.move_to_location(round(self.origin[0] + x * self.scale), round(self.origin[1] + y * self.scale)).click()
        actions.perform()
        time.sleep(0.2)

    def execute_script(self, script):
        return self.driver.execute_script(script)

    def keys(self, *keys):
        chain = ActionChains(self.driver)
        for key in keys:
            chain.key_down(key[0]).send_keys(key[1]).key_up(key[0]) if isinstance(key, tuple) else chain.send_keys(key)
        chain.perform()
        time.sleep(0.2)


class Page(Driven):
    def __init__(self, url, failing_url=None, flags=()):
        options = webdriver.ChromeOptions()
        for argument in ("--headless=new", "--no-sandbox", "--window-size=800,600", "--enable-unsafe-swiftshader", *flags):
            options.add_argument(argument)
        options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
        self.driver = webdriver.Chrome(service=Service(sys.argv[3]), options=options)
        self.url, self.failing_url, self.console = url, failing_url, []
        self.cdp("Browser.grantPermissions", origin=url.rstrip("/"),
                 permissions=["clipboardReadWrite", "clipboardSanitizedWrite"])
        self.cdp("Page.addScriptToEvaluateOnNewDocument", source=DRAWN)

    def cdp(self, command, **parameters):
        return self.driver.execute_cdp_cmd(command, parameters)

    def load(self, url=None):
        """Loads the page; returns the milliseconds until the window is drawn."""
        self.driver.get(url or self.url)
        return self.drawn()

    def drawn(self):
        for _ in range(300):
            if (drawn := self.driver.execute_script("return window.drawnAt")) is not None:
                return drawn
            time.sleep(0.05)
        fail(f"the window was not drawn; the page's title is '{self.driver.title}'")

    def expect_no_errors(self, after):
        self.console += self.driver.get_log("browser")
        if errors := [entry["message"] for entry in self.console if entry["level"] == "SEVERE"]:
            fail(f"after {after}, the browser's console has errors:\n" + "\n".join(errors))

    def heard(self):
        """What a screen reader finds, from one read of the tree: the listbox, the selected options, the button
        and the textbox as (role, name, value, disabled, selected, readonly), the number of options, and the
        live region's text."""
        roles = ("listbox", "option", "button", "textbox")
        tree = sorted(((n["role"]["value"], n.get("name", {}).get("value"), n.get("value", {}).get("value"),
                        {p["name"]: p["value"].get("value") for p in n.get("properties", [])})
                       for n in self.cdp("Accessibility.getFullAXTree")["nodes"]
                       if not n.get("ignored") and n["role"]["value"] in roles), key=lambda node: roles.index(node[0]))
        return [(role, name, value, *map(state.get, ("disabled", "selected", "readonly"))) for role, name, value, state in tree
                if role != "option" or state.get("selected")] + [sum(role == "option" for role, *_ in tree),
                self.driver.execute_script("return document.querySelector('[aria-live=polite]').textContent")]

    def focus(self):
        """The name of the control a screen reader is told has the focus: the focused node's active descendant,
        or that node itself."""
        nodes = [node for node in self.cdp("Accessibility.getFullAXTree")["nodes"] if not node.get("ignored")]
        names = {node.get("backendDOMNodeId"): node.get("name", {}).get("value") for node in nodes}
        for node in reversed(nodes):
            said = {p["name"]: p["value"] for p in node.get("properties", [])}
            if said.get("focused", {}).get("value") and node["role"]["value"] != "RootWebArea":
                told = said.get("activedescendant", {"relatedNodes": [node]})["relatedNodes"][0]
                return names[told["backendDOMNodeId"]]

    def audit(self, when):
        """Holds the page as it is now to axe-core's rules."""
        self.cdp("Runtime.evaluate", expression=Path(os.environ["ZOLINAR_AXE_CORE"]).read_text())
        if found := self.cdp("Runtime.evaluate", awaitPromise=True, returnByValue=True, expression="axe.run(document).then(r => "
                             "r.violations.map(v => `${v.id} (${v.impact}): ${v.nodes.map(n => n.target).join(', ')}`))")["result"]["value"]:
            fail(f"{when}, axe-core finds {found}")

    def act(self, role, name):
        """A screen reader's click on the node of a role and a name, as the browser does it."""
        node = next(n for n in self.cdp("Accessibility.getFullAXTree")["nodes"]
                    if n["role"].get("value") == role and n.get("name", {}).get("value") == name)
        target = self.cdp("DOM.resolveNode", backendNodeId=node["backendDOMNodeId"])["object"]["objectId"]
        self.cdp("Runtime.callFunctionOn", objectId=target, functionDeclaration="function () { this.click(); }")
        time.sleep(0.4)

    def tap(self, x, y):
        """A tap at a point of the window's client area."""
        point = {"x": self.origin[0] + x * self.scale, "y": self.origin[1] + y * self.scale}
        for kind, points in (("touchStart", [point]), ("touchEnd", [])):
            self.cdp("Input.dispatchTouchEvent", type=kind, touchPoints=points)
        time.sleep(0.4)

    def expect_text(self, what, expected):
        """Copies the display box's text as a visitor would, and compares it."""
        evaluate = functools.partial(self.cdp, "Runtime.evaluate", awaitPromise=True, userGesture=True)
        evaluate(expression="navigator.clipboard.writeText('')")
        self.click(210, 260)
        self.keys((Keys.CONTROL, "a"), (Keys.CONTROL, "c"))
        actual = evaluate(expression="navigator.clipboard.readText()")["result"].get("value")
        if actual != expected:
            fail(f"{what}: the display box holds {actual!r}, not {expected!r}")
        self.expect_no_errors(what)


def raster(png):
    """A screenshot as RGB: (width, height, bytes); a pixel is 3 bytes."""
    ppm = subprocess.run(["convert", "png:-", "-depth", "8", "ppm:-"], input=png, check=True, capture_output=True).stdout
    header = re.match(rb"P6\s+(\d+)\s+(\d+)\s+\d+\s", ppm)  # exactly one blank before the pixels
    return int(header[1]), int(header[2]), ppm[header.end():]


def client_area(png):
    """Where the window's client area, the span of its background colour, is
    in a screenshot: left, top, width, height, and the screenshot's size."""
    width, height, pixels = raster(png)
    inside = [m.start() // 3 for m in re.finditer(rb"\xc0\xc0\xff", pixels) if m.start() % 3 == 0]
    left, top = min(i % width for i in inside), inside[0] // width
    return left, top, max(i % width for i in inside) - left + 1, inside[-1] // width - top + 1, width, height


def mirrored(browser):
    """The display box as the page's accessibility tree has it."""
    return browser.execute_script("return document.querySelector('#accessible-window [role=textbox]').textContent")


def scaled(browser, png, screen, press):
    """On a page smaller than the window, in a screenshot of it: the whole
    window is scaled onto it, and presses (clicks or taps) at the scale pick
    row 2, leave the locked list as it is, copy the report with Ctrl+A
    Ctrl+C in the display box, and clear."""
    area = left, top, width, height, shot_width, shot_height = client_area(png)
    css = browser.execute_script("return innerWidth") / shot_width
    # The title bar above and the frame around the client area are on the screen too.
    if min(left, top - 20 * height / 345, shot_width - left - width, shot_height - top - height) < 3 or \
            width * css >= 461 or abs(width / height - 461 / 345) > 0.02:
        fail(f"on a {screen} the client area is {area}")
    browser.origin, browser.scale = (left * css, top * css), width * css / 461
    third_row = report("книга", "писател по вида тема")
    for x, y, keys, expected in ((80, 94, (), third_row), (80, 130, (), third_row),
                                 (210, 260, ((Keys.CONTROL, "a"), (Keys.CONTROL, "c")), third_row), (372, 108, (), RESET)):
        press(x, y)
        browser.keys(*keys)
        if mirrored(browser) != expected:
            fail(f"on a {screen}, after a press at {x},{y} the display box holds {mirrored(browser)!r}")


class Firefox:
    """Firefox in a window on display, driven through its own WebDriver BiDi
    (Debian has no geckodriver); errors in its console are kept."""
    origin, scale = (0, 0), 1

    def __init__(self, display):
        self.profile = tempfile.mkdtemp()
        self.process = subprocess.Popen(["firefox-esr", "--remote-debugging-port", "0", "--profile", self.profile, "--no-remote"],
                                        env=dict(os.environ, DISPLAY=display), stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
        address = next(line.split()[-1] for line in map(bytes.decode, self.process.stderr) if "BiDi listening" in line)
        threading.Thread(target=self.process.stderr.read, daemon=True).start()
        import websocket  # python3-websocket
        self.socket, self.sent, self.errors = websocket.create_connection(f"{address}/session", suppress_origin=True), 0, []
        self.send("session.new", capabilities={})
        self.send("session.subscribe", events=["log.entryAdded"])
        self.context = self.send("browsingContext.getTree")["contexts"][0]["context"]

    def send(self, method, **parameters):
        self.sent += 1
        self.socket.send(json.dumps({"id": self.sent, "method": method, "params": parameters}))
        while (message := json.loads(self.socket.recv())).get("id") != self.sent:
            if message.get("method") == "log.entryAdded" and message["params"]["level"] == "error":
                self.errors.append(message["params"]["text"])
        return message["result"] if message["type"] == "success" else fail(f"Firefox: {method}: {message}")

    def get(self, url):
        self.send("browsingContext.navigate", context=self.context, url=url, wait="complete")

    def execute_script(self, script):
        return self.send("script.evaluate", expression=f"(() => {{ {script} }})()", awaitPromise=False,
                         target={"context": self.context})["result"].get("value")

    def get_screenshot_as_png(self):
        return base64.b64decode(self.send("browsingContext.captureScreenshot", context=self.context)["data"])

    def click(self, x, y):
        self.send("input.performActions", context=self.context, actions=[{"type": "pointer", "id": "mouse", "actions": [
            {"type": "pointerMove", "x": round(self.origin[0] + x * self.scale), "y": round(self.origin[1] + y * self.scale)},
            {"type": "pointerDown", "button": 0}, {"type": "pointerUp", "button": 0}]}])
        time.sleep(0.3)

    def keys(self, *chords):
        for chord in chords:
            self.send("input.performActions", context=self.context, actions=[{"type": "key", "id": "keys", "actions": [
                *({"type": "keyDown", "value": key} for key in chord), *({"type": "keyUp", "value": key} for key in chord)]}])
        time.sleep(0.3)

    def resize(self, width, height):
        self.send("browsingContext.setViewport", context=self.context, viewport={"width": width, "height": height})

    def quit(self):
        self.process.kill()
        self.process.wait()


class WebKit(Driven):
    """WebKitGTK's MiniBrowser in a window on display, driven through
    WebKitWebDriver, which offers no console log: the page's errors and
    console errors are gathered by a script put into it once it has loaded."""

    def __init__(self, display):
        os.environ["DISPLAY"] = display
        options = webdriver.WebKitGTKOptions()
        options.binary_location = "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser"
        options.add_argument("--automation")
        self.driver = webdriver.WebKitGTK(executable_path="/usr/bin/WebKitWebDriver", options=options)
        self.quit = self.driver.quit
        self.get_screenshot_as_png, self.resize = self.driver.get_screenshot_as_png, self.driver.set_window_size

    def get(self, url):
        self.driver.get(url)
        self.execute_script("window.seen = []; onerror = m => seen.push(m); const e = console.error; console.error = (...a) => { seen.push(a.join(' ')); e(...a) }")

    @property
    def errors(self):
        return self.execute_script("return window.seen")


def other_engine(engine, url):
    """The visitor's scenario in another engine, in a window on a virtual X
    server: the window at its own size, then scaled into a small page, where
    a pick by mouse, its report copied to the clipboard, the locked list,
    Clear."""
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
                            stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    display = ":" + xvfb.stdout.readline().decode().strip()
    browser, name = engine(display), engine.__name__
    try:
        browser.get(url)
        for _ in range(300):
            if browser.execute_script("return document.title") == CAPTION:
                break
            time.sleep(0.1)
        time.sleep(1)
        for size in (None, (400, 300)):
            if size:
                browser.resize(*size)
                time.sleep(1)
            png = keep(browser.get_screenshot_as_png(), f".{name.lower()}{'-small' * bool(size)}.png")
            if not size and client_area(png)[2:4] != (461, 345):
                fail(f"{name}: the client area is {client_area(png)}")
        scaled(browser, png, f"400 x 300 page in {name}", browser.click)
        # The X server is the browser's own: its clipboard holds what was copied there, or nothing.
        copied = subprocess.run(["xclip", "-selection", "clipboard", "-o"], env=dict(os.environ, DISPLAY=display),
                                capture_output=True, text=True).stdout
        if (copied, browser.errors) != (report("книга", "писател по вида тема"), []):
            fail(f"{name}: Ctrl+C in the display box copied {copied!r}; console errors: {browser.errors}")
    finally:
        browser.quit()
        xvfb.kill()
    print(f"web page in {name}: drawn, scaled to a small page, a pick by mouse, its copy, the locked list and Clear behaved")


def main():
    gzipped = (SITE / "IT_Zolinar.wasm.gz").read_bytes()
    wasm = gzip.decompress(gzipped)
    # The page names no folder of the machine that built it.
    script = gzip.decompress((SITE / "IT_Zolinar.js.gz").read_bytes())
    for folder in (f"{Path.home()}/", Path(__file__).resolve().parents[2], os.environ["ZOLINAR_WEB_QT"]):
        if str(folder).encode() in wasm + script:
            fail(f"the page names the builder's folder {folder}")
    print(f"IT_Zolinar.wasm.gz: {len(gzipped):,} bytes, {len(wasm):,} inflated")
    if len(gzipped) > 8 * 1024 * 1024:
        fail("the gzipped WebAssembly is above 8 MiB")
    # A failed control operation is caught as an exception; a runtime linked
    # without catching would crash at the first one instead of reporting it.
    if b"__cxa_find_matching_catch_" not in script:
        fail("the program was linked without exception catching")
    # What the browsers leave behind goes into one folder, removed at the end.
    scratch = tempfile.mkdtemp()
    os.environ["TMPDIR"] = tempfile.tempdir = scratch
    atexit.register(shutil.rmtree, scratch, True)
    failing = Path(scratch) / "site"
    shutil.copytree(SITE, failing)
    for name in ("IT_Zolinar.js", "IT_Zolinar.wasm"):
        (failing / f"{name}.gz").write_bytes(gzip.compress((Path(sys.argv[4]) / name).read_bytes(), 1))

    http.server.SimpleHTTPRequestHandler.log_message = lambda *args: None
    servers = [http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(handler, directory=str(folder)))
               for folder, handler in ((SITE, http.server.SimpleHTTPRequestHandler), (failing, http.server.SimpleHTTPRequestHandler),
                                       (SITE, PhoneNetwork))]
    for server in servers:
        threading.Thread(target=server.serve_forever, daemon=True).start()
    page = Page(*(f"http://localhost:{server.server_port}/" for server in servers[:2]))
    page.phone_url = f"http://localhost:{servers[2].server_port}/"
    try:
        page.cdp("Emulation.setDeviceMetricsOverride", width=500, height=300, deviceScaleFactor=1, mobile=False)
        times = [page.load()]
        if (title := page.driver.execute_script("return document.querySelector('title').textContent")) != CAPTION:
            fail(f"the page's title is '{title}'")
        # Loaded in a small browser window, the window goes to the middle of
        # it once it grows, and at its own size.
        page.cdp("Emulation.clearDeviceMetricsOverride")
        page.driver.set_window_size(1100, 800)
        time.sleep(0.5)
        shot = keep(page.driver.get_screenshot_as_png())
        width, _, pixels = raster(shot)
        colour = lambda x, y: tuple(pixels[3 * (y * width + x):3 * (y * width + x) + 3])
        left, top, *size, _, _ = client_area(shot)
        size = tuple(size)
        if size != (461, 345):
            fail(f"the client area is {size}, not (461, 345)")
        if abs(2 * left + size[0] - width) > 2:
            fail(f"in a wider browser window the window is at {left}, not in the middle of {width}")
        page.origin = origin = (left, top)
        for what, x, y, expected in (("background", 300, 60, (192, 192, 255)),
                                     ("title band", 34, 2, (255, 192, 128)), ("button face", 320, 100, (255, 0, 0))):
            if colour(left + x, top + y) != expected:
                fail(f"the {what} at {x},{y} is {colour(left + x, top + y)}, not {expected}")
        page.expect_no_errors("loading the page")
        page.audit("at the start")
        if page.heard()[-1]:
            fail("at the start, the live region reads out the text the window opens with")

        # The focus starts in the display box; Tab reaches the list, whose
        # first Down picks row 0. Then Tab passes over the locked list to
        # the button, and Space presses it.
        page.click(210, 260)
        page.keys(Keys.TAB, Keys.DOWN)
        page.expect_text("the first Down in the list", report("мобилен телефон", "специалист в съобщенията"))
        page.click(210, 260)
        for keys, focus in (((), "Отговор"), ((Keys.TAB,), "Чисти"), (((Keys.SHIFT, Keys.TAB),), "Отговор"), ((Keys.TAB,), "Чисти")):
            page.keys(*keys)
            if page.focus() != focus:
                fail(f"after {keys} a screen reader is told that the focus is on {page.focus()}, not on {focus}")
        page.keys(Keys.SPACE)
        page.expect_text("Clear by keyboard", RESET)
        # Row 2 by mouse: the list starts at 48 px and its rows are 18 px high.
        third_row = report("книга", "писател по вида тема")
        page.click(80, 94)
        page.expect_text("the report of row 2", third_row)
        page.click(80, 130)
        page.keys(Keys.HOME, Keys.DOWN, Keys.SPACE)
        page.expect_text("a click and keys on the locked list", third_row)
        page.click(80, 58)
        page.keys(Keys.TAB, Keys.DOWN)
        page.expect_text("Tab and Down towards the locked list", third_row)
        # What a screen reader finds, and its clicks: the locked list
        # refuses them, Clear takes them, and so does the open list.
        print("the accessibility tree after a pick:", *page.heard(), sep="\n  ")
        for act in (None, ("option", "химикалка")):
            if act:
                page.act(*act)
            if (tree := page.heard()) != [("listbox", "Предмети", None, True, None, None), ("option", "книга", None, True, True, None),
                                     ("button", "Чисти", None, None, None, None), ("textbox", "Отговор", third_row, None, None, True),
                                     29, third_row]:
                fail(f"after a pick {'and a click on a locked option ' * bool(act)}a screen reader finds {tree}")
        page.audit("after a pick")
        page.act("button", "Чисти")
        if mirrored(page.driver) != RESET:
            fail("Clear through the accessibility tree did not clear")
        page.act("option", "книга")
        page.expect_text("a screen reader's pick", third_row)
        page.click(372, 108)
        page.expect_text("Clear by mouse", RESET)

        # The close button, at the right end of the title bar above the client area.
        page.click(size[0] - 12, -14)
        time.sleep(0.5)
        page.expect_no_errors("closing the window")
        if not page.driver.find_element(By.ID, "ended").is_displayed():
            fail("closing the window did not end the program")
        if not any("IT_Zolinar ended with status 0" in entry["message"] for entry in page.console):
            fail("the page did not log the program's end with status 0")
        # Later loads take the program from the browser's cache.
        times += [page.load() for _ in range(4)]
        page.expect_no_errors("loading the page again")
        # A phone's network, nothing cached, the site served uncompressed: the
        # loading message from the first paint, the window within 5 s.
        page.cdp("Network.enable")
        page.cdp("Network.setCacheDisabled", cacheDisabled=True)
        page.cdp("Page.navigate", url=page.phone_url)
        time.sleep(1)
        keep(base64.b64decode(page.cdp("Page.captureScreenshot")["data"]), ".slow-network-1s.png")
        window, text = page.drawn(), page.execute_script("return window.textAt")
        sent = page.execute_script("return performance.getEntries().reduce((sum, entry) => sum + (entry.transferSize ?? 0), 0)")
        print(f"on a 9 Mbit/s network, 150 ms away: {sent:,} bytes; text at {text:.0f} ms, the window at {window:.0f} ms")
        if not (text <= 1000 and window <= 5000):
            fail("on the slow network the page was too slow")
        page.cdp("Network.setCacheDisabled", cacheDisabled=False)

        # A browser window shrunk, then a phone upright and turned: the whole
        # window scaled onto the page, and clicks or taps that pick, that the
        # locked list ignores, and that clear.
        for width, height, touch in ((500, 300, False), (390, 844, True), (844, 390, True)):
            screen = f"{width} x {height} {'phone' if touch else 'browser window'}"
            page.cdp("Emulation.setDeviceMetricsOverride", width=width, height=height, deviceScaleFactor=1 + 2 * touch, mobile=touch)
            page.cdp("Emulation.setTouchEmulationEnabled", enabled=touch, maxTouchPoints=1)
            if width < height:
                page.load()
            time.sleep(1)
            shot = keep(page.driver.get_screenshot_as_png(), f".{screen.split()[-1]}-{width}x{height}.png")
            scaled(page, shot, screen, page.tap if touch else page.click)
        page.expect_no_errors("the small screens")
        page.origin, page.scale = origin, 1
        page.cdp("Emulation.clearDeviceMetricsOverride")
        page.cdp("Emulation.setTouchEmulationEnabled", enabled=False)

        # In a browser without DecompressionStream, the page inflates the program itself.
        page.cdp("Page.addScriptToEvaluateOnNewDocument", source="delete window.DecompressionStream")
        page.load(page.failing_url + "?ZOLINAR_FAIL_AT=3")
        if not page.execute_script("return performance.getEntriesByName(new URL('gunzip.js', location).href).length"):
            fail("without DecompressionStream, the page did not inflate the program with gunzip.js")
        # Its gunzip() on the other kinds of block (stored, fixed codes), and on a file cut short.
        sample = "золинар ".encode() * 4000 + random.Random(1).randbytes(30000)
        files = [sample] + [(z := zlib.compressobj(level, zlib.DEFLATED, 31, 9, strategy)).compress(sample) + z.flush()
                            for level, strategy in ((0, zlib.Z_DEFAULT_STRATEGY), (9, zlib.Z_FIXED), (9, zlib.Z_DEFAULT_STRATEGY))]
        inflated = page.driver.execute_script("""const [sample, ...files] = arguments[0].map(f => Uint8Array.from(atob(f), c => c.charCodeAt(0)));
            return files.map(f => { try { const out = gunzip(f); return out.length === sample.length && out.every((b, i) => b === sample[i]); }
                                    catch (error) { return error.message; } });""", [base64.b64encode(f).decode() for f in files + [files[-1][:len(files[-1]) // 2]]])
        if inflated[:3] != [True] * 3 or inflated[3] is True:
            fail(f"gunzip.js inflated stored, fixed and dynamic blocks, and a file cut short, as {inflated}")
        page.click(80, 94)
        keep(page.driver.get_screenshot_as_png(), ".failure.png")
        page.keys(Keys.ENTER)
        page.expect_no_errors("the failure report")
        if not any("IT_Zolinar ended with status 1" in entry["message"] for entry in page.console):
            fail("closing the failure report did not end the program with status 1")
        # The same report as a screen reader meets it: told at once, modal over a window that refuses its clicks,
        # and «Добре» ends the program.
        page.load(page.failing_url + "?ZOLINAR_FAIL_AT=3")
        page.click(80, 94)
        page.audit("under the failure report")
        page.execute_script("for (const name of ['речник', 'Чисти']) [...document.querySelectorAll('[data-node]')].find(e => e.textContent === name).click()")
        time.sleep(0.4)
        dialog = [(n.get("name", {}).get("value"), n.get("description", {}).get("value"), {p["name"]: p["value"].get("value") for p in n["properties"]}.get("modal"))
                  for n in page.cdp("Accessibility.getFullAXTree")["nodes"] if n["role"]["value"] == "alertdialog" and not n.get("ignored")]
        heard = [dialog, page.heard(), page.focus(), page.execute_script("return [document.querySelector('[aria-live=assertive]').textContent, "
                                                                          "document.querySelector('[aria-selected=true]').textContent]")]
        if heard != [[("Грешка при изпълнение", " ".join(FAILURE.split()), True)], [("button", "Добре", None, None, None, None), 0, ""],
                     "Добре", ["Грешка при изпълнение\n" + FAILURE, "книга"]]:
            fail(f"under the failure report, after a screen reader's clicks on «речник» and «Чисти», it finds {heard}")
        page.act("button", "Добре")
        page.expect_no_errors("the failure report through the accessibility tree")
        if sum("IT_Zolinar ended with status 1" in entry["message"] for entry in page.console) != 2 or page.focus() != "Стартирай програмата отново":
            fail(f"«Добре» through the accessibility tree did not end the program with status 1; the focus is on {page.focus()}")
        page.audit("after the end")
        keep(page.driver.get_screenshot_as_png(), ".ended.png")
        # A host without the program: the page says so, and tries again.
        (failing / "IT_Zolinar.wasm.gz").unlink()
        page.cdp("Network.setCacheDisabled", cacheDisabled=True)
        page.driver.get(page.failing_url)
        time.sleep(1)
        if (shown := page.driver.find_element(By.ID, "failure").text) != DOWNLOAD_FAILED:
            fail(f"with the program missing on the host, the page shows {shown!r}")
        keep(page.driver.get_screenshot_as_png(), ".download-failed.png")
        page.driver.find_element(By.CSS_SELECTOR, "#failure button").click()
        time.sleep(1)
        if page.driver.execute_script("return performance.navigation.type") != 1:
            fail("the page's button did not try again")
        # Browsers that cannot run the program, or start it: the page says why, and stays.
        for flags, said in ((("--disable-webgl", "--disable-3d-apis"), CANNOT_RUN), (("--js-flags=--jitless",), CANNOT_RUN),
                            (("--js-flags=--wasm-max-mem-pages=512",), STOPPED)):
            page.driver.quit()
            page = Page(page.url, flags=flags)
            page.driver.get(page.url)
            time.sleep(1)  # long enough for a reload loop to show
            shown = page.driver.find_element(By.ID, "failure").text
            keep(page.driver.get_screenshot_as_png(), f".{'cannot-run' if said == CANNOT_RUN else 'stopped'}-{len(flags)}.png")
            if not shown.startswith(said) or page.driver.execute_script("return performance.navigation.type") != 0:
                fail(f"with {' '.join(flags)}, the page shows {shown!r}")
    finally:
        page.driver.quit()
        for server in servers:
            server.shutdown()
    print(f"page loaded to window drawn: {times[0]:.0f} ms the first time, then a median of "
          f"{statistics.median(times[1:]):.0f} ms ({', '.join(f'{t:.0f}' for t in times[1:])})")
    print("web page in Chromium: caption, size, colours, keyboard and mouse choices, locked list, Clear and close behaved")
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(http.server.SimpleHTTPRequestHandler, directory=str(SITE)))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    for engine in (Firefox, WebKit):
        other_engine(engine, f"http://localhost:{server.server_port}/")
    server.shutdown()


main()
