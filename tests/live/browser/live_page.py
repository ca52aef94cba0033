#!/usr/bin/env python3
"""Opens the live results page in Debian's headless chromium, waits until a
text appears in the running order, prints the moment it was seen and keeps a
phone-sized screenshot.

usage: live_page.py URL TEXT SCREENSHOT
prints "loaded" once the page is up, then "seen <epoch seconds>";
exit status 0 when the text appeared within 10 s, 1 otherwise, 77 when
chromium or its driver cannot run here.
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
    options = Options()
    options.binary_location = "/usr/bin/chromium"
    for argument in ("--headless=new", "--no-sandbox", "--disable-gpu",
                     "--disable-dev-shm-usage", "--window-size=412,915",
                     "--user-data-dir=" + tempfile.mkdtemp(prefix="ksy-chromium-")):
        options.add_argument(argument)
    try:
        driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    except WebDriverException as e:
        print("chromium:", e.msg, file=sys.stderr)
        sys.exit(77)
    try:
        driver.get(url)
        # The page itself notes when the text appears, so that the time the
        # driver takes to ask (long on a busy machine) is not counted.
        driver.execute_script("""
            const expected = arguments[0];
            window.ksySeenAt = null;
            // The page puts a new table body in place at each update.
            const check = () => {
                const rows = document.getElementById("lignes");
                if (window.ksySeenAt === null && rows && rows.textContent.includes(expected))
                    window.ksySeenAt = Date.now() / 1000;
            };
            new MutationObserver(check).observe(document.body,
                {childList: true, subtree: true, characterData: true});
            check();
        """, text)
        print("loaded", flush=True)
        WebDriverWait(driver, 10, poll_frequency=0.01).until(
            lambda d: d.execute_script("return window.ksySeenAt;") is not None)
        print("seen", repr(driver.execute_script("return window.ksySeenAt;")), flush=True)
        driver.save_screenshot(screenshot)
        return 0
    except TimeoutException:
        print("not seen; rows:", driver.find_element(By.ID, "lignes").text, file=sys.stderr)
        return 1
    finally:
        driver.quit()


if __name__ == "__main__":
    sys.exit(main())
