#!/usr/bin/python3
"""Photographs a page of the live site as a phone shows it, for the guide:
Debian's headless chromium, a phone's width in CSS pixels, the page's own
viewport. Waits until the running order has a line (the live page) or the
page has a heading (the others).

    phone_page.py URL OUT.png [WIDTH HEIGHT]     (default 390 x 844)

Exit status 0 when the picture is written, 1 otherwise."""
import sys
import tempfile

from selenium import webdriver
from selenium.common.exceptions import TimeoutException, WebDriverException
from selenium.webdriver.chrome.options import Options
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.support.ui import WebDriverWait


def main():
    url, out = sys.argv[1:3]
    width, height = (int(sys.argv[3]), int(sys.argv[4])) if len(sys.argv) > 4 else (390, 844)
    options = Options()
    options.binary_location = "/usr/bin/chromium"
    for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-dev-shm-usage",
                     "--hide-scrollbars", "--window-size=%d,%d" % (width, height),
                     "--user-data-dir=" + tempfile.mkdtemp(prefix="ksy-guide-")):
        options.add_argument(argument)
    try:
        driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    except WebDriverException as e:
        print("chromium:", e.msg, file=sys.stderr)
        return 1
    try:
        driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": width, "height": height, "deviceScaleFactor": 2, "mobile": True})
        driver.get(url)
        WebDriverWait(driver, 20, poll_frequency=0.1).until(lambda d: d.execute_script(
            "const rows = document.querySelectorAll('#lignes tr');"
            "return rows.length > 0 || (!document.getElementById('lignes') &&"
            " document.querySelector('h1') !== null);"))
        driver.save_screenshot(out)
        return 0
    except TimeoutException:
        print("the page showed nothing:", url, file=sys.stderr)
        return 1
    finally:
        driver.quit()


if __name__ == "__main__":
    sys.exit(main())
