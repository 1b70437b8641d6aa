#!/usr/bin/python3
"""The page's figures in headless Chromium on this machine: a cold load from a local server to
the main window shown, a key to the page updated, Calculate (10 conformers) to both results
windows drawn (the first time, and again), the HPG plot drawn, and what a browser downloads, gzipped.
   web_probe.py SITE_FOLDER SINGLE_FILE"""
import gzip
import pathlib
import statistics
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent.parent / 'tests' / 'web'))
from page import (browser, calculate, control, enter_energies, new_driver, ready,  # noqa: E402
                  serve, type_text, wait_for)

# The time from each event's creation to the end of its handling, the program's included: a
# listener on the window hears the event after the page's own listeners on the document.
TIMING = """
    window.handled = [];
    ['keydown', 'click'].forEach(function(type) {
        window.addEventListener(type, function(event) {
            window.handled.push([type, performance.now() - event.timeStamp]);
        });
    });"""


def cold_loads(site, runs):
    """Each in a fresh browser profile: nothing cached."""
    times = []
    with serve(site) as address:
        for _ in range(runs):
            driver = new_driver()
            try:
                ready(driver, address)
                times.append(driver.execute_script(
                    "return performance.getEntriesByName('torvi-ready')[0].startTime"))
            finally:
                driver.quit()
    return times


def handled(driver, kind):
    return [t for k, t in driver.execute_script('return window.handled') if k == kind]


def main(site, single):
    loads = cold_loads(site, 7)
    keys, calculations, again, plots = [], [], [], []
    with browser(site) as (driver, address):
        for _ in range(5):
            ready(driver, address + '?show-hpg')
            driver.execute_script(TIMING)
            control(driver, 'D')
            driver.execute_script('window.handled = []')
            type_text(driver, '7\b' * 10)
            keys += handled(driver, 'keydown')
            enter_energies(driver, [f'{k * 0.3:g}' for k in range(10)])
            driver.execute_script('window.handled = []')
            calculate(driver)
            calculations += handled(driver, 'keydown')
            # Again, with the windows open and the browser's fonts loaded.
            control(driver, 'D')
            driver.execute_script('window.handled = []')
            calculate(driver)
            again += handled(driver, 'keydown')
            driver.execute_script('window.handled = []')
            driver.execute_script("Array.from(document.querySelectorAll('.menu-title'))"
                                  ".find(m => m.getAttribute('data-caption') === 'HPG').click()")
            wait_for(driver, "return document.querySelectorAll('.top-level-window, "
                     ".child-window').length === 4", 'the HPG window')
            plots += handled(driver, 'click')
    files = [p for p in pathlib.Path(site).iterdir() if p.is_file()]
    downloaded = sum(len(gzip.compress(p.read_bytes(), 9)) for p in files)
    one_file = len(gzip.compress(pathlib.Path(single).read_bytes(), 9))

    def line(figure, value, goal):
        print(f'{figure:<52} | {value:>10} | {goal}')
    print(f'{"figure":<52} | {"median":>10} | goal')
    line('cold load to the main window shown', f'{statistics.median(loads):.0f} ms', '<= 300 ms')
    line('a key to the page updated', f'{statistics.median(keys):.2f} ms', '<= 2 ms')
    line('Calculate (10 conformers) to both windows drawn',
         f'{statistics.median(calculations):.2f} ms', '<= 6.9 ms (one 144 Hz frame)')
    line('Calculate again, the windows open', f'{statistics.median(again):.2f} ms',
         '<= 6.9 ms (one 144 Hz frame)')
    line('HPG plot (5,001 points x 10) drawn', f'{statistics.median(plots):.2f} ms',
         '<= 6.9 ms (one 144 Hz frame)')
    line(f'the static folder, gzipped ({len(files)} files)', f'{downloaded / 1024:.0f} KiB',
         '<= 250 KB')
    line('the single file, gzipped', f'{one_file / 1024:.0f} KiB', '(for comparison)')
    print(f'(cold loads {", ".join(f"{t:.0f}" for t in loads)} ms; maximum of '
          f'{len(keys)} keys {max(keys):.2f} ms)')


if __name__ == '__main__':
    main(sys.argv[1], sys.argv[2])
