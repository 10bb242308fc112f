#!/usr/bin/python3
"""The web page in headless Chromium, used as a visitor uses it, in one session:
caption, client area and colours from a screenshot; picks by keyboard and by
mouse, each report copied out of the display box and read from the browser's
clipboard; the locked list; Clear by keyboard and by mouse; closing the window;
no console error throughout. Also bounds the download and times the drawing.
Then the tests' build of the program in the page, failing the pick's first
control operation: Enter closes its report, and the program ends with status 1.
Last, browsers without WebGL or WebAssembly: the page says why, and stays.

    page_session.py SITE_DIR CAPTION CHROMEDRIVER FAILING_BUILD_DIR [SCREENSHOT.png]
"""
import functools, gzip, http.server, re, shutil, statistics, subprocess, sys, tempfile, threading, time
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
# The test's own observer, added before the page loads: once the program has
# given the page its caption, the frame after next has the window drawn.
DRAWN = """new MutationObserver((changes, observer) => {
    if (document.querySelector('title')?.textContent !== %r) return;
    observer.disconnect();
    requestAnimationFrame(() => requestAnimationFrame(() => { window.drawnAt = performance.now(); }));
}).observe(document, { subtree: true, childList: true, characterData: true });""" % CAPTION


def fail(message):
    sys.exit(f"FAIL: {message}")


def report(item, profession):
    return f"Детето е излязло от кръга с: \nИзбран предмет: {item}\nПредполагаема професия: {profession}\n"


class Page:
    def __init__(self, url, failing_url=None, flags=()):
        options = webdriver.ChromeOptions()
        for argument in ("--headless=new", "--no-sandbox", "--window-size=800,600", "--enable-unsafe-swiftshader", *flags):
            options.add_argument(argument)
        options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
        self.driver = webdriver.Chrome(service=Service(sys.argv[3]), options=options)
        self.url, self.failing_url, self.console, self.origin = url, failing_url, [], (0, 0)
        self.cdp("Browser.grantPermissions", origin=url.rstrip("/"),
                 permissions=["clipboardReadWrite", "clipboardSanitizedWrite"])
        self.cdp("Page.addScriptToEvaluateOnNewDocument", source=DRAWN)

    def cdp(self, command, **parameters):
        return self.driver.execute_cdp_cmd(command, parameters)

    def load(self, url=None):
        """Loads the page; returns the milliseconds until the window is drawn."""
        self.driver.get(url or self.url)
        for _ in range(300):
            if (drawn := self.driver.execute_script("return window.drawnAt")) is not None:
                return drawn
            time.sleep(0.05)
        fail(f"the window was not drawn; the page's title is '{self.driver.title}'")

    def expect_no_errors(self, after):
        self.console += self.driver.get_log("browser")
        if errors := [entry["message"] for entry in self.console if entry["level"] == "SEVERE"]:
            fail(f"after {after}, the browser's console has errors:\n" + "\n".join(errors))

    def click(self, x, y):
        """A primary click at a point of the window's client area."""
        actions = ActionBuilder(self.driver)
        actions.pointer_action.move_to_location(self.origin[0] + x, self.origin[1] + y).click()
        actions.perform()
        time.sleep(0.2)

    def keys(self, *keys):
        chain = ActionChains(self.driver)
        for key in keys:
            chain.key_down(key[0]).send_keys(key[1]).key_up(key[0]) if isinstance(key, tuple) else chain.send_keys(key)
        chain.perform()
        time.sleep(0.2)

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


def screenshot(page):
    """The page as an RGB raster: (width, bytes); a pixel is 3 bytes."""
    ppm = subprocess.run(["convert", "png:-", "-depth", "8", "ppm:-"], input=page.driver.get_screenshot_as_png(),
                         check=True, capture_output=True).stdout
    header = re.match(rb"P6\s+(\d+)\s+\d+\s+\d+\s", ppm)  # exactly one blank before the pixels
    return int(header[1]), ppm[header.end():]


def main():
    wasm = (SITE / "IT_Zolinar.wasm").read_bytes()
    gzipped = len(gzip.compress(wasm, 9))
    print(f"IT_Zolinar.wasm: {len(wasm):,} bytes, {gzipped:,} gzipped")
    if gzipped > 8 * 1024 * 1024:
        fail("the gzipped WebAssembly is above 8 MiB")
    # A failed control operation is caught as an exception; a runtime linked
    # without catching would crash at the first one instead of reporting it.
    if "__cxa_find_matching_catch_" not in (SITE / "IT_Zolinar.js").read_text():
        fail("the program was linked without exception catching")
    failing = Path(tempfile.mkdtemp()) / "site"
    shutil.copytree(SITE, failing)
    [shutil.copy(Path(sys.argv[4]) / name, failing) for name in ("IT_Zolinar.js", "IT_Zolinar.wasm")]
    if b"ZOLINAR_FAIL_AT" in wasm or b"ZOLINAR_FAIL_AT" not in (failing / "IT_Zolinar.wasm").read_bytes():
        fail("the tests' failure seam is in the page, or not in the tests' build")

    http.server.SimpleHTTPRequestHandler.log_message = lambda *args: None
    servers = [http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(
        http.server.SimpleHTTPRequestHandler, directory=str(folder))) for folder in (SITE, failing)]
    for server in servers:
        threading.Thread(target=server.serve_forever, daemon=True).start()
    page = Page(*(f"http://localhost:{server.server_port}/" for server in servers))
    try:
        times = [page.load()]
        if (title := page.driver.execute_script("return document.querySelector('title').textContent")) != CAPTION:
            fail(f"the page's title is '{title}'")
        # The window goes to the middle of a browser window that grows.
        page.driver.set_window_size(1100, 800)
        time.sleep(0.5)
        if len(sys.argv) > 5:
            Path(sys.argv[5]).write_bytes(page.driver.get_screenshot_as_png())
        width, pixels = screenshot(page)
        colour = lambda x, y: tuple(pixels[3 * (y * width + x):3 * (y * width + x) + 3])
        # The client area is where the background colour spans.
        inside = [i // 3 for i in range(0, len(pixels), 3) if tuple(pixels[i:i + 3]) == (192, 192, 255)]
        left, top = min(i % width for i in inside), inside[0] // width
        size = (max(i % width for i in inside) - left + 1, inside[-1] // width - top + 1)
        if size != (461, 345):
            fail(f"the client area is {size}, not (461, 345)")
        if abs(2 * left + size[0] - width) > 2:
            fail(f"in a wider browser window the window is at {left}, not in the middle of {width}")
        page.origin = (left, top)
        for what, x, y, expected in (("background", 300, 60, (192, 192, 255)),
                                     ("title band", 34, 2, (255, 192, 128)), ("button face", 320, 100, (255, 0, 0))):
            if colour(left + x, top + y) != expected:
                fail(f"the {what} at {x},{y} is {colour(left + x, top + y)}, not {expected}")
        page.expect_no_errors("loading the page")

        # The focus starts in the display box; Tab reaches the list, whose
        # first Down picks row 0. Then Tab passes over the locked list to
        # the button, and Space presses it.
        page.click(210, 260)
        page.keys(Keys.TAB, Keys.DOWN)
        page.expect_text("the first Down in the list", report("мобилен телефон", "специалист в съобщенията"))
        page.click(210, 260)
        page.keys(Keys.TAB, Keys.SPACE)
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
        # Later loads take the compiled program from the browser's cache.
        times += [page.load() for _ in range(4)]
        page.expect_no_errors("loading the page again")

        page.load(page.failing_url + "?ZOLINAR_FAIL_AT=3")
        page.click(80, 94)
        if len(sys.argv) > 5:
            Path(sys.argv[5]).with_suffix(".failure.png").write_bytes(page.driver.get_screenshot_as_png())
        page.keys(Keys.ENTER)
        page.expect_no_errors("the failure report")
        if not any("IT_Zolinar ended with status 1" in entry["message"] for entry in page.console):
            fail("closing the failure report did not end the program with status 1")
        # Browsers that cannot run the program: the page says why, and stays.
        for flags in (("--disable-webgl", "--disable-3d-apis"), ("--js-flags=--jitless",)):
            page.driver.quit()
            page = Page(page.url, flags=flags)
            page.driver.get(page.url)
            time.sleep(1)  # long enough for a reload loop to show
            shown = page.driver.find_element(By.ID, "cannot-run").text
            if shown != CANNOT_RUN or page.driver.execute_script("return performance.navigation.type") != 0:
                fail(f"with {' '.join(flags)}, the page shows {shown!r}")
    finally:
        page.driver.quit()
        for server in servers:
            server.shutdown()
        shutil.rmtree(failing.parent)
    print(f"page loaded to window drawn: {times[0]:.0f} ms the first time, then a median of "
          f"{statistics.median(times[1:]):.0f} ms ({', '.join(f'{t:.0f}' for t in times[1:])})")
    print("web page in Chromium: caption, size, colours, keyboard and mouse choices, locked list, Clear and close behaved")


main()
