#!/usr/bin/env python3
"""Clicks the program's tray icon in Wine's notification area.

    tray_click_test.py WINE_EXEC TARGET_EXE

Starts the target (tray_click_target.exe) under Wine, waits until its icon is
installed, finds Wine's notification area (the top-level window "Wine System
Tray"), clicks the icon there with the left and then the right button
and double-clicks it (xdotool), and checks that the target's window received
the tray callback for icon 100 with each mouse message in lParam.

Needs DISPLAY and xdotool and ImageMagick's import; the icon must be the last
one in the notification area (tests that add tray icons share a lock).
"""

import os
import queue
import subprocess
import sys
import threading
import time

WM_MOUSEMOVE = 0x200
WM_LBUTTONDOWN = 0x201
WM_LBUTTONUP = 0x202
WM_LBUTTONDBLCLK = 0x203
WM_RBUTTONDOWN = 0x204
WM_RBUTTONUP = 0x205


def fail(message):
    print(f"FAIL: {message}", flush=True)
    sys.exit(1)


class Target:
    """The target process and the lines it prints, read as they come."""

    def __init__(self, wine_exec, exe, awaited):
        self.process = subprocess.Popen(
            [wine_exec, exe] + [hex(m) for m in awaited],
            stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True, errors="replace")
        self.lines = queue.Queue()
        self.seen = []
        threading.Thread(target=self._read, daemon=True).start()

    def _read(self):
        for line in self.process.stdout:
            self.lines.put(line.rstrip("\n"))
        self.lines.put(None)

    def wait_for(self, wanted, seconds):
        """Collects lines until one equals or contains `wanted`; False on timeout or end."""
        deadline = time.monotonic() + seconds
        while True:
            left = deadline - time.monotonic()
            if left <= 0:
                return False
            try:
                line = self.lines.get(timeout=left)
            except queue.Empty:
                return False
            if line is None:
                return False
            print(f"target: {line}", flush=True)
            self.seen.append(line)
            if wanted in line:
                return True

    def drain(self, seconds):
        """Collects the remaining lines until the target ends."""
        while self.wait_for("\0", seconds):
            pass

    def callbacks(self):
        """(wParam, lParam) of every tray callback printed so far."""
        result = []
        for line in self.seen:
            if line.startswith("callback "):
                fields = dict(f.split("=") for f in line.split()[1:])
                result.append((int(fields["wParam"]), int(fields["lParam"], 16)))
        return result

    def stop(self):
        if self.process.poll() is None:
            self.process.kill()
        self.process.wait()


def xdotool(*args):
    return subprocess.run(["xdotool", *args], check=True, capture_output=True,
                          text=True).stdout


def find_tray(seconds):
    """The X window of Wine's notification area, once it is shown."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = subprocess.run(
            ["xdotool", "search", "--onlyvisible", "--name", "^Wine System Tray$"],
            capture_output=True, text=True).stdout.split()
        if found:
            return found[-1]
        time.sleep(0.2)
    return None


def geometry(window):
    values = dict(line.split("=", 1) for line in
                  xdotool("getwindowgeometry", "--shell", window).split())
    return int(values["WIDTH"]), int(values["HEIGHT"])


def occupied_slots(window, width, height):
    """Indexes of the square icon places of the tray that are drawn on."""
    raw = subprocess.run(["import", "-window", window, "-depth", "8", "rgb:-"],
                         check=True, capture_output=True).stdout
    if len(raw) != width * height * 3:
        fail(f"tray capture has {len(raw)} bytes, not {width} x {height} x 3")
    background = raw[0:3]
    slots = []
    for slot in range(width // height):
        drawn = False
        for y in range(height):
            row = y * width * 3
            for x in range(slot * height, (slot + 1) * height):
                if raw[row + x * 3:row + x * 3 + 3] != background:
                    drawn = True
                    break
            if drawn:
                break
        if drawn:
            slots.append(slot)
    return slots


def main():
    if len(sys.argv) != 3:
        print(__doc__)
        return 2
    if not os.environ.get("DISPLAY"):
        fail("no DISPLAY: run through scripts/test or with a virtual display")
    wine_exec, exe = sys.argv[1], sys.argv[2]

    # The second press of a double-click arrives as the double-click message.
    expected = [WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONDOWN, WM_RBUTTONUP,
                WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP]
    target = Target(wine_exec, exe, expected)
    try:
        if not target.wait_for("ready", 60):
            fail("the target did not install its tray icon")
        tray = find_tray(10)
        if tray is None:
            fail('no visible window "Wine System Tray"')
        width, height = geometry(tray)
        # Icons take square places from the left, in the order they came.
        deadline = time.monotonic() + 5
        slots = occupied_slots(tray, width, height)
        while not slots and time.monotonic() < deadline:
            time.sleep(0.2)
            slots = occupied_slots(tray, width, height)
        print(f"tray window {tray}: {width} x {height}, icons in places {slots}", flush=True)
        if not slots:
            fail("the notification area shows no icon")
        x = slots[-1] * height + height // 2
        y = height // 2

        xdotool("mousemove", "--window", tray, str(x), str(y), "click", "1")
        if not target.wait_for(f"lParam={WM_LBUTTONUP:#x}", 10):
            fail("no callback for the left button's release")
        xdotool("mousemove", "--window", tray, str(x), str(y), "click", "3")
        if not target.wait_for(f"lParam={WM_RBUTTONUP:#x}", 10):
            fail("no callback for the right button's release")
        xdotool("mousemove", "--window", tray, str(x), str(y), "click", "--repeat", "2", "1")
        if not target.wait_for(f"lParam={WM_LBUTTONDBLCLK:#x}", 10):
            fail("no callback for the double-click")
        target.drain(10)
        status = target.process.wait(timeout=10)
    finally:
        target.stop()

    callbacks = target.callbacks()
    if any(wparam != 100 for wparam, _ in callbacks):
        fail(f"callbacks for another icon id: {callbacks}")
    buttons = [lparam for _, lparam in callbacks if lparam != WM_MOUSEMOVE]
    if buttons != expected:
        fail(f"button messages {[hex(b) for b in buttons]}, expected "
             f"{[hex(b) for b in expected]}")
    if status != 0:
        fail(f"the target ended with {status}")
    print("PASS: the clicks reached the window as tray callbacks", flush=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
