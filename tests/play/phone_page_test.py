#!/usr/bin/python3
"""The phone page in a real browser: two players join a room served by the
Caller window (play_host), dab, claim, and reload. With "tickets" after the
host program: a player of a ticket game gets a 3 x 9 ticket and wins a line."""
import os
import shutil
import subprocess
import sys
import tempfile
import time

SKIP = 77


def skip(why):
    print("SKIP: " + why)
    sys.exit(SKIP)


CHROMIUM = shutil.which("chromium") or "/usr/bin/chromium"
DRIVER = shutil.which("chromedriver") or "/usr/bin/chromedriver"
if not os.path.exists(CHROMIUM) or not os.path.exists(DRIVER):
    skip("chromium or chromium-driver is not installed")
try:
    from selenium import webdriver
    from selenium.webdriver.chrome.service import Service
    from selenium.webdriver.common.by import By
    from selenium.webdriver.support.ui import WebDriverWait
except ImportError:
    skip("python3-selenium is not installed")


class Host:
    def __init__(self, program, *args):
        env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
        self.proc = subprocess.Popen([program, *args], stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True, env=env)
        line = self.proc.stdout.readline().strip()
        if not line.startswith("PORT "):
            raise SystemExit("play_host did not start: " + line)
        self.port = int(line.split()[1])

    def ask(self, command):
        self.proc.stdin.write(command + "\n")
        self.proc.stdin.flush()
        lines = []
        while True:
            line = self.proc.stdout.readline()
            if not line:
                raise SystemExit("play_host ended")
            line = line.rstrip("\n")
            if line == "OK":
                return lines
            lines.append(line)

    def close(self):
        try:
            self.ask("quit")
        except (SystemExit, BrokenPipeError):
            pass
        self.proc.wait(timeout=10)


def browser(profile):
    options = webdriver.ChromeOptions()
    options.binary_location = CHROMIUM
    for flag in ("--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                 "--disable-background-networking", "--disable-component-update", "--disable-sync",
                 "--user-data-dir=" + profile, "--window-size=360,740"):
        options.add_argument(flag)
    return webdriver.Chrome(service=Service(DRIVER), options=options)


def wait(driver, condition, what, timeout=10):
    try:
        return WebDriverWait(driver, timeout).until(lambda d: condition(d))
    except Exception:
        raise AssertionError("timed out waiting for " + what)


def until(condition, what, timeout=10):
    end = time.time() + timeout
    while time.time() < end:
        value = condition()
        if value:
            return value
        time.sleep(0.1)
    raise AssertionError("timed out waiting for " + what)


def join(driver, port, name, cells=25):
    driver.get("http://127.0.0.1:%d/" % port)
    wait(driver, lambda d: d.find_element(By.ID, "name").is_displayed(), "the join form")
    driver.find_element(By.ID, "name").send_keys(name)
    driver.find_element(By.ID, "getcard").click()
    wait(driver, lambda d: "/c/" in d.current_url, "the card's address")
    wait(driver, lambda d: len(d.find_elements(By.CSS_SELECTOR, "#card [data-i]")) == cells, "the card")


def cell(driver, i):
    return driver.find_element(By.CSS_SELECTOR, '#card [data-i="%d"]' % i)


def dabbed(driver):
    return sorted(int(e.get_attribute("data-i")) for e in driver.find_elements(By.CSS_SELECTOR, "#card .dabbed")
                  if "free" not in e.get_attribute("class"))


def main():
    host = Host(sys.argv[1])
    profiles = [tempfile.mkdtemp(), tempfile.mkdtemp()]
    ada = bo = None
    try:
        ada, bo = browser(profiles[0]), browser(profiles[1])
        join(ada, host.port, "Ada <b>x</b>")
        join(bo, host.port, "Bo")
        held = host.ask("held")
        assert held == ["HELD 1 | Ada <b>x</b>", "HELD 2 | Bo"], held
        # The name is shown as text, never read as markup.
        who = ada.find_element(By.ID, "who")
        assert who.text.startswith("Ada <b>x</b>"), who.text
        assert not who.find_elements(By.TAG_NAME, "b")
        # The page fits a 320 px wide phone: no sideways scrolling.
        assert ada.execute_script("return document.documentElement.scrollWidth <= innerWidth")

        # Ada's first row is called; both phones follow the calls.
        host.ask("mark 1 0,1,2,3,4")
        for d in (ada, bo):
            wait(d, lambda d: d.find_element(By.ID, "latest").text not in ("", "\u2013"), "the latest call")
            wait(d, lambda d: len(d.find_elements(By.CSS_SELECTOR, "#previous span")) == 4, "the previous calls")

        for i in (0, 1, 3, 6):
            cell(ada, i).click()
        cell(ada, 6).click()  # tapped again: undone
        wait(ada, lambda d: dabbed(d) == [0, 1, 3], "Ada's dabs")
        cell(bo, 0).click()

        # Bo claims without a line and is refused.
        bo.find_element(By.ID, "bingo").click()
        queue = until(lambda: host.ask("queue"), "Bo's claim in the queue")
        assert len(queue) == 1 and queue[0].startswith("CLAIM Bo") and "not yet:" in queue[0], queue
        host.ask("decide no")
        wait(bo, lambda d: "turned the claim down" in d.find_element(By.ID, "claim").text, "Bo's refusal")
        bo.find_element(By.ID, "bingo").click()
        wait(bo, lambda d: "Wait" in d.find_element(By.ID, "claim").text, "Bo's wait")
        assert host.ask("queue") == []

        # Ada's claim is real: the queue shows it, and she learns the outcome.
        ada.find_element(By.ID, "bingo").click()
        queue = until(lambda: host.ask("queue"), "Ada's claim in the queue")
        assert queue == ["CLAIM Ada <b>x</b> \u00b7 card 1 | wins Any Line at call 5"], queue
        host.ask("decide yes")
        wait(ada, lambda d: "confirmed" in d.find_element(By.ID, "claim").text, "Ada's confirmation")

        # A reload shows the same card, calls and dabs.
        before = [cell(ada, i).text for i in range(25)]
        ada.refresh()
        wait(ada, lambda d: len(d.find_elements(By.CSS_SELECTOR, "#card [data-i]")) == 25, "the card again")
        wait(ada, lambda d: dabbed(d) == [0, 1, 3], "Ada's dabs after the reload")
        assert [cell(ada, i).text for i in range(25)] == before
        wait(ada, lambda d: "confirmed" in d.find_element(By.ID, "claim").text, "the outcome after the reload")
        print("phone page: two players joined, dabbed, a false claim refused, a real one confirmed, reload kept")
    finally:
        for d in (ada, bo):
            if d:
                d.quit()
        host.close()
        for p in profiles:
            shutil.rmtree(p, ignore_errors=True)


def tickets():
    host = Host(sys.argv[1], "tickets")
    profile = tempfile.mkdtemp()
    tia = None
    try:
        tia = browser(profile)
        join(tia, host.port, "Tia", cells=27)
        texts = [cell(tia, i).text for i in range(27)]
        blanks = [i for i, t in enumerate(texts) if not t]
        assert len(blanks) == 12, texts
        # Blank cells are plain white paper, and a tap on one dabs nothing.
        for i in blanks:
            colour = tia.execute_script("return getComputedStyle(arguments[0]).backgroundColor", cell(tia, i))
            assert colour == "rgb(255, 255, 255)", colour
            cell(tia, i).click()
        middle = [i for i in range(9, 18) if texts[i]]
        assert len(middle) == 5, texts
        host.ask("mark 1 " + ",".join(str(i) for i in middle))
        for i in middle:
            cell(tia, i).click()
        wait(tia, lambda d: dabbed(d) == middle, "Tia's dabs, none on a blank")
        tia.find_element(By.ID, "bingo").click()
        queue = until(lambda: host.ask("queue"), "Tia's claim in the queue")
        assert queue == ["CLAIM Tia \u00b7 card 1 | wins One Line at call 5"], queue
        host.ask("decide yes")
        wait(tia, lambda d: "confirmed" in d.find_element(By.ID, "claim").text, "Tia's confirmation")
        print("phone page: a ticket of 3 x 9 with white blanks no one can dab; its line won and was confirmed")
    finally:
        if tia:
            tia.quit()
        host.close()
        shutil.rmtree(profile, ignore_errors=True)


if __name__ == "__main__":
    if sys.argv[2:] == ["tickets"]:
        tickets()
    else:
        main()
