#!/usr/bin/env python3
"""Opens the live results page in Debian's headless chromium as a phone of
the given size, waits until a text appears in the running order, prints the
moment it was seen, whether the line just crossed was then highlighted on a
visible cell, and the page's scroll and client widths; keeps a screenshot.

usage: live_page.py URL TEXT SCREENSHOT [WIDTH HEIGHT]
prints "loaded" once the page is up, then "seen <epoch seconds>",
"highlight <true|false>" and "widths <scroll> <client>" (before and after the
update: the larger scroll width); exit status 0 when the text appeared within
10 s, 1 otherwise, 77 when chromium or its driver cannot run here.
"""
import sys
import tempfile

try:
    from selenium import webdriver
    from selenium.common.exceptions import TimeoutException, WebDriverException
    from selenium.webdriver.chrome.options import Options
    from selenium.webdriver.chrome.service import Service
    from selenium.webdriver.common.by import By
    from selenium.webdriver.support.ui import WebDriverWait
except ImportError:
    sys.exit(77)


def main():
    url, text, screenshot = sys.argv[1:4]
    width, height = (int(sys.argv[4]), int(sys.argv[5])) if len(sys.argv) > 5 else (412, 915)
    options = Options()
    options.binary_location = "/usr/bin/chromium"
    for argument in ("--headless=new", "--no-sandbox", "--disable-gpu",
                     "--disable-dev-shm-usage", "--window-size=%d,%d" % (width, height), "--hide-scrollbars",
                     "--user-data-dir=" + tempfile.mkdtemp(prefix="ksy-chromium-")):
        options.add_argument(argument)
    try:
        driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    except WebDriverException as e:
        print("chromium:", e.msg, file=sys.stderr)
        sys.exit(77)
    try:
        # A phone: its width in CSS pixels, the page's viewport honoured.
        driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": width, "height": height, "deviceScaleFactor": 1, "mobile": True})
        driver.get(url)
        # The page itself notes when the text appears, so that the time the
        # driver takes to ask (long on a busy machine) is not counted.
        driver.execute_script("""
            const expected = arguments[0];
            window.ksySeenAt = null;
            window.ksyHighlight = false;
            const root = document.documentElement;
            window.ksyScrollWidth = root.scrollWidth;
            // A highlighted cell the phone really shows: laid out, inside
            // the screen's width, in the board's colour of the line crossed.
            const highlighted = () => Array.from(
                document.querySelectorAll("#lignes tr.nouveau td")).some(td => {
                    const r = td.getBoundingClientRect();
                    return r.width > 0 && r.height > 0 && r.left >= 0 &&
                        r.right <= root.clientWidth &&
                        getComputedStyle(td).backgroundColor === "rgb(255, 200, 0)";
                });
            // The page puts a new table body in place at each update.
            const check = () => {
                const rows = document.getElementById("lignes");
                if (window.ksySeenAt === null && rows && rows.textContent.includes(expected)) {
                    window.ksySeenAt = Date.now() / 1000;
                    window.ksyHighlight = highlighted();
                    window.ksyCells = Array.from(
                        document.querySelectorAll("#lignes tr.nouveau td")).map(td => {
                            const r = td.getBoundingClientRect();
                            return [td.className, Math.round(r.left), Math.round(r.right),
                                    Math.round(r.height), getComputedStyle(td).backgroundColor];
                        });
                    window.ksyScrollWidth = Math.max(window.ksyScrollWidth, root.scrollWidth);
                }
            };
            new MutationObserver(check).observe(document.body,
                {childList: true, subtree: true, characterData: true});
            check();
        """, text)
        print("loaded", flush=True)
        WebDriverWait(driver, 10, poll_frequency=0.01).until(
            lambda d: d.execute_script("return window.ksySeenAt;") is not None)
        print("seen", repr(driver.execute_script("return window.ksySeenAt;")), flush=True)
        highlight = driver.execute_script("return window.ksyHighlight;")
        print("highlight", "true" if highlight else "false", flush=True)
        if not highlight:
            print("cells of the line just crossed:",
                  driver.execute_script("return window.ksyCells;"), file=sys.stderr)
        print("widths", driver.execute_script(
            "return Math.max(window.ksyScrollWidth, document.documentElement.scrollWidth);"),
            driver.execute_script("return document.documentElement.clientWidth;"), flush=True)
        driver.save_screenshot(screenshot)
        return 0
    except TimeoutException:
        print("not seen; rows:", driver.find_element(By.ID, "lignes").text, file=sys.stderr)
        return 1
    finally:
        driver.quit()


if __name__ == "__main__":
    sys.exit(main())
