# SPDX-License-Identifier: MIT
# The window timed as its user sees it: the real program on the X server in DISPLAY, its boxes
# filled by typing, the pointer on "Duplicate File", and the clock from the click (an XTest
# event) to the moment the last copy got its name (its ctime), against a bare loop of the same
# copies timed the same way, from its start to its last copy's ctime. Rounds take turns at which
# goes first; medians are printed. With BENCH_A11Y set to a session bus whose accessibility bus
# has a listener, the window runs once more a round with Qt's accessibility bridge on, and the
# status box's lines are counted through it.
#   python3 user_seen.py PROGRAM FLOOR FOLDER [ROUNDS [COPIES]]
import ctypes
import os
import shutil
import statistics
import subprocess
import sys
import time

program, floor, folder = sys.argv[1:4]
rounds = int(sys.argv[4]) if len(sys.argv) > 4 else 5
copies = int(sys.argv[5]) if len(sys.argv) > 5 else 32766
a11y = os.environ.get("BENCH_A11Y", "")
source = os.path.join(folder, "report.txt")
last = os.path.join(folder, f"{copies}report.txt")
x11 = ctypes.CDLL("libX11.so.6")
xtest = ctypes.CDLL("libXtst.so.6")
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XFlush.argtypes = [ctypes.c_void_p]
xtest.XTestFakeMotionEvent.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int, ctypes.c_int,
                                       ctypes.c_ulong]
xtest.XTestFakeButtonEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int,
                                       ctypes.c_ulong]
display = x11.XOpenDisplay(None)
if not display:
    sys.exit("no X server in DISPLAY")


def now():
    return time.clock_gettime_ns(time.CLOCK_REALTIME)


def fresh():
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(folder)
    with open(source, "wb") as f:
        f.write(bytes((i * 2654435761 >> 13) & 0xFF for i in range(4096)))


def named_at(timeout=120):
    """The last copy's ctime, once it is there."""
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        try:
            return os.stat(last).st_ctime_ns
        except FileNotFoundError:
            time.sleep(0.02)
    sys.exit(f"{last} never came")


def floor_round():
    fresh()
    start = now()
    subprocess.run([floor, source, folder, str(copies), "1"], check=True,
                   stderr=subprocess.DEVNULL)
    return (named_at() - start) / 1e9, None, None


# Where the window's design puts a control's middle, in its 96 dpi pixels (1/15 of a twip).
def middle(x, y, width, height):
    return (x + width // 2 + 7) // 15, (y + height // 2 + 7) // 15


def xdotool(*args):
    return subprocess.run(["xdotool", *args], check=True, capture_output=True,
                          text=True).stdout


def status_lines(pid):
    """The status box's lines as an assistive technology reads them."""
    import pyatspi
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.get_process_id() == pid:
            box = pyatspi.findDescendant(
                app, lambda a: a.getRole() == pyatspi.ROLE_TEXT and a.name == "Status")
            text = box.queryText()
            return text.getText(0, text.characterCount).count("\n")
    return None


def window_round(listening):
    fresh()
    env = dict(os.environ, QT_QPA_PLATFORM="xcb", LANGUAGE="C", LC_ALL="C.UTF-8")
    if listening:
        env.update(DBUS_SESSION_BUS_ADDRESS=a11y, QT_ACCESSIBILITY="1",
                   QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    else:
        env.pop("DBUS_SESSION_BUS_ADDRESS", None)
        env["NO_AT_BRIDGE"] = "1"
    app = subprocess.Popen([program, source], env=env, stdout=subprocess.DEVNULL,
                           stderr=subprocess.DEVNULL)
    try:
        window = xdotool("search", "--sync", "--onlyvisible", "--name", "^Ferrowick$").split()[0]
        geometry = dict(line.split("=") for line in
                        xdotool("getwindowgeometry", "--shell", window).split())
        left, top = int(geometry["X"]), int(geometry["Y"])
        xdotool("windowfocus", "--sync", window)
        for (x, y), text in ((middle(120, 1920, 615, 285), str(copies)),
                             (middle(120, 2880, 615, 285), "1")):
            xdotool("mousemove", "--sync", str(left + x), str(top + y), "click", "1")
            xdotool("type", "--delay", "2", text)
        x, y = middle(1560, 5280, 2775, 495)
        xtest.XTestFakeMotionEvent(display, -1, left + x, top + y, 0)
        x11.XFlush(display)
        time.sleep(0.5)
        start = now()
        xtest.XTestFakeButtonEvent(display, 1, 1, 0)
        xtest.XTestFakeButtonEvent(display, 1, 0, 0)
        x11.XFlush(display)
        seconds = (named_at() - start) / 1e9
        # The run ends with its last lines and the write to the device.
        time.sleep(2)
        with open(f"/proc/{app.pid}/status") as f:
            peak = next(int(line.split()[1]) for line in f if line.startswith("VmHWM")) / 1024
        lines = status_lines(app.pid) if listening else None
        return seconds, peak, lines
    finally:
        app.terminate()
        app.wait()


sides = [("floor", floor_round), ("window", lambda: window_round(False))]
if a11y:
    os.environ["DBUS_SESSION_BUS_ADDRESS"] = a11y
    sides.append(("window, a listener", lambda: window_round(True)))
times = {name: [] for name, _ in sides}
peaks, lines = [], []
window_round(False)  # once untimed: the program's files in the page cache
for r in range(rounds):
    for name, run in sides[r % len(sides):] + sides[:r % len(sides)]:
        seconds, peak, counted = run()
        times[name].append(seconds)
        if peak is not None:
            peaks.append(peak)
        if counted is not None:
            lines.append(counted)
        print(f"round {r + 1}: {name} {seconds:.3f} s", flush=True)
floor_median = statistics.median(times["floor"])
print(f"user-seen floor, {copies} copies: {floor_median:.3f} s (median of {rounds})")
for name, _ in sides[1:]:
    median = statistics.median(times[name])
    print(f"user-seen {name}: {median:.3f} s, ratio {median / floor_median:.2f}")
print(f"user-seen peak RSS: {max(peaks):.1f} MB")
if lines:
    print(f"user-seen status box: {min(lines)} to {max(lines)} lines of {copies}")
