#!/usr/bin/python3
"""The world table's pages in a real browser: a real server on 127.0.0.1 is sent golden games, and
headless Chromium reads the sets, a set's top ten with a handwritten name, and plays games to their
end, in English and in German. Fails on any error in the browser's console.

    browser_test.py SERVER GAMES   (GAMES: the folder of tests/server/games)"""
import base64, json, os, struct, subprocess, sys, tempfile, urllib.request
if not os.path.exists("/usr/bin/chromedriver"):
    sys.exit(77)  # test.sh installs the browser (scripts/setup.sh); a build without it skips
from selenium import webdriver
from selenium.common.exceptions import NoAlertPresentException
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

server, games = sys.argv[1], sys.argv[2]
scratch = tempfile.TemporaryDirectory()
process = subprocess.Popen([server, "--listen", "127.0.0.1:0", "--data", scratch.name], stderr=subprocess.PIPE, text=True)
line = process.stderr.readline()
base = "http://127.0.0.1:" + line.split("listening on 127.0.0.1:")[1].split(",")[0]

def send(game, kind, name):
    replay = open(os.path.join(games, game + ".replay")).read()
    body = json.dumps({"replay": replay, "entry": {"kind": kind, "name": name}}).encode()
    request = urllib.request.Request(base + "/api/v1/games", body, {"Content-Type": "application/json"})
    return json.load(urllib.request.urlopen(request))

# A name written with two strokes on the game's name pad.
ink = b"PINK" + struct.pack("<HHHH", 1, 337, 49, 2)
for stroke in ([(20 + 4 * i, 25 + (i % 5)) for i in range(30)], [(200, 10), (220, 40)]):
    ink += struct.pack("<H", len(stroke)) + b"".join(struct.pack("<HHB", x * 16, y * 16, 128) for x, y in stroke)
pack = send("bot-pack", 0, "<script>alert(1)</script>")
three = send("continued-whole", 1, base64.b64encode(ink).decode())

def browser(language):
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for flag in ["--headless=new", "--disable-dev-shm-usage", "--window-size=1100,900", "--lang=" + language]:
        options.add_argument(flag)
    if os.geteuid() == 0:
        options.add_argument("--no-sandbox")
    options.add_experimental_option("prefs", {"intl.accept_languages": language})
    options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)

failures = []
def check(what, ok):
    print(("ok   " if ok else "FAIL ") + what)
    if not ok:
        failures.append(what)

def ended(driver, score, words):
    WebDriverWait(driver, 60).until(lambda d: d.find_element(By.ID, "game").get_attribute("data-state") == "ended")
    return driver.find_element(By.ID, "happened").text == words % score

try:
    driver = browser("en")
    driver.get(base + "/")
    names = [a.text for a in driver.find_elements(By.CSS_SELECTOR, "table a")]
    check("/ lists both sets", sorted(names) == ["First Three", "Pondrake Levels"])
    driver.get(base + "/sets/" + three["set"])
    check("a handwritten name is drawn with its alternative",
          [s.get_attribute("aria-label") for s in driver.find_elements(By.CSS_SELECTOR, "td svg.ink")] == ["Handwritten name"])
    driver.get(base + "/sets/" + pack["set"])
    check("a name that is a script is shown as text", driver.find_element(By.CSS_SELECTOR, "tbody td:nth-child(2)").text
          == "<script>alert(1)</script>")
    try:
        driver.switch_to.alert
        check("the name ran nothing", False)
    except NoAlertPresentException:
        check("the name ran nothing", True)
    driver.get(base + "/games/%d" % three["id"])
    WebDriverWait(driver, 30).until(lambda d: d.find_element(By.ID, "game").get_attribute("data-state") == "ready")
    driver.find_element(By.CSS_SELECTOR, '.speed[data-speed="8"]').click()
    driver.find_element(By.ID, "play").click()
    check("a short game played at 8x ends on its score", ended(driver, three["score"], "Game over. Score: %d"))
    driver.get(base + "/games/%d" % pack["id"])
    WebDriverWait(driver, 30).until(lambda d: d.find_element(By.ID, "game").get_attribute("data-state") == "ready")
    driver.find_element(By.ID, "time").send_keys(Keys.END)
    check("the 24 levels moved to their end with the slider", ended(driver, pack["score"], "Game over. Score: %d"))
    errors = [entry["message"] for entry in driver.get_log("browser") if entry["level"] == "SEVERE"]
    driver.quit()

    driver = browser("de")
    driver.get(base + "/")
    check("a page asked for in German speaks German", driver.find_element(By.TAG_NAME, "h1").text == "Levelsammlungen")
    driver.get(base + "/games/%d" % three["id"])
    WebDriverWait(driver, 30).until(lambda d: d.find_element(By.ID, "game").get_attribute("data-state") == "ready")
    check("the player speaks German", driver.find_element(By.ID, "play").text == "Abspielen")
    driver.find_element(By.ID, "time").send_keys(Keys.END)
    check("and ends the game in German", ended(driver, three["score"], "Spielende. Punkte: %d"))
    errors += [entry["message"] for entry in driver.get_log("browser") if entry["level"] == "SEVERE"]
    driver.quit()
    check("the console shows no error: %s" % errors, not errors)
finally:
    process.terminate()
    process.wait()
sys.exit(1 if failures else 0)
