"""What the page's tests share: a local server for the site, headless Chromium driven through
Selenium, real key and mouse events (the DevTools protocol's, as a keyboard and a mouse send
them), and waiting for states, never for a fixed time."""
import contextlib
import socket
import subprocess
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
        print('FAILED:', what)
    return condition


def free_port():
    with socket.socket() as probe:
        probe.bind(('127.0.0.1', 0))
        return probe.getsockname()[1]


def wait_for(driver, script, what, seconds=10):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        value = driver.execute_script(script)
        if value:
            return value
        time.sleep(0.02)
    check(False, 'waited in vain for ' + what)
    return None


def key(driver, name, code, virtual, text=None, modifiers=0):
    down = {'type': 'keyDown' if text else 'rawKeyDown', 'key': name, 'code': code,
            'windowsVirtualKeyCode': virtual, 'modifiers': modifiers}
    if text:
        down['text'] = text
    driver.execute_cdp_cmd('Input.dispatchKeyEvent', down)
    driver.execute_cdp_cmd('Input.dispatchKeyEvent',
                           {'type': 'keyUp', 'key': name, 'code': code,
                            'windowsVirtualKeyCode': virtual, 'modifiers': modifiers})


def control(driver, letter, modifiers=2):
    """Ctrl+letter (modifiers 2), or Alt+letter (modifiers 1)."""
    key(driver, letter.lower(), 'Key' + letter.upper(), ord(letter.upper()), modifiers=modifiers)


SPECIAL = {'\n': ('Enter', 'Enter', 13, '\r'), '\x1b': ('Escape', 'Escape', 27, None),
           '\b': ('Backspace', 'Backspace', 8, None), '\t': ('Tab', 'Tab', 9, None)}


def type_text(driver, text):
    for c in text:
        if c in SPECIAL:
            key(driver, *SPECIAL[c])
        else:
            key(driver, c, '', ord(c.upper()) if c.isalnum() else 0, c)


def click_at(driver, x, y):
    for kind, buttons in (('mousePressed', 1), ('mouseReleased', 0)):
        driver.execute_cdp_cmd('Input.dispatchMouseEvent', {
            'type': kind, 'x': x, 'y': y, 'button': 'left', 'buttons': buttons, 'clickCount': 1})


def ready(driver, address):
    driver.get(address)
    wait_for(driver, "return performance.getEntriesByName('torvi-ready').length", 'ready')


def errors(driver):
    """The page's errors since last asked. A page left while the program ran asked first; headless
    Chromium reports that question as blocked, which is no error of the page's."""
    return [entry['message'] for entry in driver.get_log('browser')
            if entry['level'] == 'SEVERE' and "'beforeunload' confirmation" not in entry['message']]


FOCUSED = "return document.activeElement && document.activeElement.getAttribute('data-name')"


def value_of(driver, name):
    return driver.execute_script(
        f"return document.querySelector('[data-name=\"{name}\"]').value")


def new_driver():
    """Headless Chromium with a fresh profile, logging the page's console."""
    options = webdriver.ChromeOptions()
    options.binary_location = '/usr/bin/chromium'
    for argument in ['--headless=new', '--no-sandbox', '--disable-gpu',
                     '--disable-dev-shm-usage', '--window-size=1024,768']:
        options.add_argument(argument)
    options.set_capability('goog:loggingPrefs', {'browser': 'ALL'})
    return webdriver.Chrome(service=Service('/usr/bin/chromedriver'), options=options)


@contextlib.contextmanager
def serve(site):
    """A local server for the site folder; yields the page's address once it listens."""
    port = free_port()
    server = subprocess.Popen(['python3', '-m', 'http.server', '--bind', '127.0.0.1', str(port)],
                              cwd=site, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        for _ in range(200):  # the server may take a moment to listen
            with socket.socket() as probe:
                if probe.connect_ex(('127.0.0.1', port)) == 0:
                    break
            time.sleep(0.02)
        yield f'http://127.0.0.1:{port}/index.html'
    finally:
        server.terminate()
        server.wait()


@contextlib.contextmanager
def browser(site):
    """Chromium and a local server for the site; yields the driver and the page's address."""
    with serve(site) as address:
        driver = new_driver()
        try:
            yield driver, address
        finally:
            driver.quit()


def enter_energies(driver, energies):
    """Data Input (Ctrl+D): the count, then each energy, each confirmed with Enter."""
    control(driver, 'D')
    type_text(driver, f'{len(energies)}\n' + ''.join(e + '\n' for e in energies))


def calculate(driver):
    """Calculate (Alt+C), and the wait until both results windows are there."""
    control(driver, 'C', modifiers=1)
    wait_for(driver, "return document.querySelectorAll('.child-window').length === 3",
             'the results')


def point_near_end(driver, selector):
    """A point just inside an element's right end, where a box puts its insertion point."""
    return driver.execute_script(
        "var r = document.querySelector(arguments[0]).getBoundingClientRect();"
        "return [r.right - 3, r.top + r.height / 2]", selector)
