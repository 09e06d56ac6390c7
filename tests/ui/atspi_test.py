#!/usr/bin/python3
"""What a screen reader finds in the program's accessibility tree (AT-SPI).

The program runs under its own Xvfb and D-Bus session, with Qt's accessibility on, once in Russian
and once in English. The tree must hold the seven fields named by their captions, the scene named
and described, and, once the box of the Uc graph is ticked through its accessible action, that
graph's plot as a chart with its title and a summary.

Exits 77 (skipped) when Xvfb, dbus-run-session or the Python AT-SPI bindings are missing. Every
wait has a time limit, and only the processes started here are stopped.

Usage: atspi_test.py OVRELAN
       atspi_test.py --inner LANGUAGE OVRELAN   (inside the D-Bus session; run by the first form)
"""
import os
import shutil
import signal
import socket
import subprocess
import sys
import tempfile
import time

SKIP = 77
DISPLAY_LOST = 75  # from the check inside the session: the program could not reach the display

# What a screen reader hears, per language: the fields, the scene's name and the start of its
# description, the check box of the Uc graph, the start of that graph's title and summary.
EXPECTED = {
    "ru": {
        "fields": ["L (мкГн)", "С (мкФ)", "R (Ом)", "Uo (В)", "ε (В)", "ν (Гц)", "Nmax"],
        "scene": "Схема",
        "scene_says": "ключ разомкнут, ",
        "box": "Uc(t)",
        "chart": "Uc(t) — напряжение на конденсаторе",
        "chart_says": "Uc; время от 0 с до ",
    },
    "en": {
        "fields": ["L (µH)", "C (µF)", "R (Ω)", "Uo (V)", "ε (V)", "ν (Hz)", "Nmax"],
        "scene": "Circuit",
        "scene_says": "key open, ",
        "box": "Uc(t)",
        "chart": "Uc(t) — capacitor voltage",
        "chart_says": "Uc; time from 0 s to ",
    },
}


def stop(process, grace=5):
    """Stops a process started here (its own process group), forcibly when it does not end."""
    if process.poll() is not None:
        return
    try:
        os.killpg(process.pid, signal.SIGTERM)
        process.wait(timeout=grace)
    except (ProcessLookupError, subprocess.TimeoutExpired):
        try:
            os.killpg(process.pid, signal.SIGKILL)
        except ProcessLookupError:
            pass
        process.wait(timeout=grace)


def answered_elsewhere(number):
    """An X server answers on the display's abstract socket, which is shared beyond this /tmp:
    a server of another file-system namespace holds the number, and clients would reach it."""
    probe = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
    probe.settimeout(2)
    try:
        probe.connect(f"\0/tmp/.X11-unix/X{number}")
        return True
    except OSError:
        return False
    finally:
        probe.close()


def serves(xvfb, number):
    """The display is this Xvfb's: its lock file holds its pid and its socket is there."""
    try:
        with open(f"/tmp/.X{number}-lock", encoding="ascii") as lock:
            owner = int(lock.read().strip() or 0)
    except (OSError, ValueError):
        return False
    return owner == xvfb.pid and os.path.exists(f"/tmp/.X11-unix/X{number}")


def start_xvfb():
    """An Xvfb on a free display; (process, display) or None. The search starts at a number of
    its own from :150 (displays below are the ones people pick by hand); a display some other
    program takes meanwhile makes ours fail: then the next number."""
    first = 150 + os.getpid() % 50
    for number in [first + i for i in range(100 - (first - 150))] + list(range(150, first)):
        if (os.path.exists(f"/tmp/.X{number}-lock") or
                os.path.exists(f"/tmp/.X11-unix/X{number}") or answered_elsewhere(number)):
            continue
        # No reset when its last client goes: the accessibility bus's launcher opens the display
        # and closes it again while the program is connecting.
        xvfb = subprocess.Popen(["Xvfb", f":{number}", "-screen", "0", "1600x1000x24",
                                 "-nolisten", "tcp", "-noreset"], stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL, start_new_session=True)
        deadline = time.monotonic() + 10
        while time.monotonic() < deadline and xvfb.poll() is None:
            if serves(xvfb, number):
                time.sleep(0.3)  # still ours a moment later: it did not lose a race
                if xvfb.poll() is None and serves(xvfb, number):
                    return xvfb, f":{number}"
            time.sleep(0.1)
        stop(xvfb)
    return None


def outer(program):
    if not shutil.which("Xvfb") or not shutil.which("dbus-run-session"):
        print("SKIP: Xvfb or dbus-run-session is missing")
        return SKIP
    probe = subprocess.run([sys.executable, "-c", "import pyatspi"], capture_output=True,
                           timeout=30)
    if probe.returncode != 0:
        print("SKIP: the Python AT-SPI bindings (python3-pyatspi) are missing")
        return SKIP
    failed = False
    for language in ("ru", "en"):
        # Its own display for each language, and another one when some other program took the
        # display away meanwhile (the program could not connect to it).
        for attempt in (1, 2):
            started = start_xvfb()
            if started is None:
                print("SKIP: no free X display")
                return SKIP
            xvfb, display = started
            env = dict(os.environ, DISPLAY=display)
            env.pop("QT_QPA_PLATFORM", None)
            session = subprocess.Popen(
                ["dbus-run-session", "--", sys.executable, os.path.abspath(__file__), "--inner",
                 language, program], env=env, start_new_session=True)
            try:
                code = session.wait(timeout=120)
            except subprocess.TimeoutExpired:
                print(f"FAIL [{language}]: the check did not end within 120 s")
                code = 1
            finally:
                stop(session)
                stop(xvfb)
            if code != DISPLAY_LOST:
                break
            print(f"[{language}] the display {display} was lost (attempt {attempt})")
        failed = failed or code != 0
    return 1 if failed else 0


def inner(language, program):
    import pyatspi

    expected = EXPECTED[language]
    with tempfile.TemporaryDirectory() as home:
        env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1",
                   LANGUAGE=language, LANG="C.UTF-8", LC_ALL="C.UTF-8",
                   XDG_CONFIG_HOME=home, XDG_DATA_HOME=home, HOME=home)
        log_path = os.path.join(home, "ovrelan.log")
        with open(log_path, "wb") as log:
            app_process = subprocess.Popen([program, "--layout", "windows"], env=env,
                                           stdout=log, stderr=subprocess.STDOUT,
                                           start_new_session=True)
            try:
                code = check_tree(pyatspi, app_process, language, expected)
            finally:
                exited = app_process.poll()
                stop(app_process)
        if code != 0:
            with open(log_path, encoding="utf-8", errors="replace") as said:
                if "could not connect to display" in said.read():
                    return DISPLAY_LOST
            # What the program said, and whether it had ended on its own.
            if exited is not None:
                print(f"[{language}] the program had ended with status {exited}")
            with open(log_path, encoding="utf-8", errors="replace") as said:
                print("".join(said.readlines()[-20:]))
        return code


def fresh(node):
    """Asks the program itself, not a cache that events (with no loop running here) keep."""
    try:
        node.clear_cache()
    except Exception:
        pass
    return node


def walk(node, limit=4000):
    """Every accessible under node, breadth first, at most `limit` of them."""
    found, queue = [], [node]
    while queue and len(found) < limit:
        here = fresh(queue.pop(0))
        found.append(here)
        try:
            queue.extend(child for child in here if child is not None)
        except Exception:
            pass
    return found


def wait_for(what, deadline_s, give_up=lambda: False):
    """The first true value of what() within the time, or None (at once when give_up())."""
    deadline = time.monotonic() + deadline_s
    while time.monotonic() < deadline and not give_up():
        value = what()
        if value:
            return value
        time.sleep(0.5)
    return None


def check_tree(pyatspi, app_process, language, expected):
    def application():
        if app_process.poll() is not None:
            return None
        desktop = fresh(pyatspi.Registry.getDesktop(0))
        for app in desktop:
            if app is not None and app.get_process_id() == app_process.pid:
                return app
        return None

    def named(role):
        app = application()
        if app is None:
            return {}
        return {node.name: node for node in walk(app) if node.getRole() == role}

    failures = []
    # The fields: named by their captions (they come once the window has shown).
    fields = wait_for(
        lambda: (lambda found: found if all(f in found for f in expected["fields"]) else None)(
            named(pyatspi.ROLE_TEXT)), 60,
        give_up=lambda: app_process.poll() is not None) or named(pyatspi.ROLE_TEXT)
    if application() is None:
        desktop = fresh(pyatspi.Registry.getDesktop(0))
        seen = [(app.name, app.get_process_id()) for app in desktop if app is not None]
        print(f"[{language}] the program (pid {app_process.pid}) is not among the "
              f"applications the registry knows: {seen}")
    for name in expected["fields"]:
        if name not in fields:
            failures.append(f"no field named {name!r} (text fields: {sorted(fields)})")
        elif not fields[name].description:
            failures.append(f"the field {name!r} has no description")

    # The scene: named and described.
    app = application()
    scene = [n for n in walk(app) if n.name == expected["scene"]] if app else []
    if not scene:
        failures.append(f"no scene named {expected['scene']!r}")
    elif not scene[0].description.startswith(expected["scene_says"]):
        failures.append(f"the scene says {scene[0].description!r}")

    # The Uc graph, opened through its box as a screen reader's user would, is a chart.
    boxes = named(pyatspi.ROLE_CHECK_BOX)
    box = boxes.get(expected["box"])
    if box is None:
        failures.append(f"no check box {expected['box']!r} (boxes: {sorted(boxes)})")
    else:
        action = box.queryAction()
        action.doAction(0)
        charts = wait_for(lambda: named(pyatspi.ROLE_CHART) or None, 30) or {}
        chart = charts.get(expected["chart"])
        if chart is None:
            failures.append(f"no chart named {expected['chart']!r} (charts: {sorted(charts)})")
        elif not chart.description.startswith(expected["chart_says"]):
            failures.append(f"the chart says {chart.description!r}")
        for other in charts.values():
            if not other.description:
                failures.append(f"the chart {other.name!r} has no description")

    for failure in failures:
        print(f"FAIL [{language}]: {failure}")
    if not failures:
        print(f"[{language}] the seven fields, the scene and the Uc chart found as named")
    return 1 if failures else 0


def main():
    if len(sys.argv) == 4 and sys.argv[1] == "--inner":
        return inner(sys.argv[2], sys.argv[3])
    if len(sys.argv) == 2:
        return outer(sys.argv[1])
    print(__doc__)
    return 2


if __name__ == "__main__":
    sys.exit(main())
