#!/usr/bin/python3
"""What a screen reader on Linux hears: the program's accessibility tree through AT-SPI.

Run under a private X server and D-Bus session (CMake does: xvfb-run -a dbus-run-session -- atspi_test.py
PROGRAM): the program is started in an empty folder with the accessibility bridge on, and the roles and
names of its controls are read back as Orca would read them. Exits 77 (skipped) without the AT-SPI bindings.
"""
import os
import subprocess
import sys
import tempfile

try:
    import gi

    gi.require_version("Atspi", "2.0")
    from gi.repository import Atspi, GLib
except (ImportError, ValueError):
    print("SKIP: no AT-SPI bindings (gir1.2-atspi-2.0, python3-gi)")
    sys.exit(77)

# (role, name) pairs each window must show, and names no control may have.
MAIN_SCREEN = [
    ("frame", "Financial Calculator - Loans"),
    ("radio button", "Payment"),
    ("radio button", "12 (monthly) Payments"),
    ("panel", "Solve For"),
    ("combo box", "Interest Rate: %"),
    ("text", "Loan Amount"),
    ("push button", "Calculate"),
    ("push button", "Launch Loan Payment Table"),
    ("push button", "PayOff -> Invest Amt"),
]
TABLE_SCREEN = [
    ("frame", "LoanSheet"),
    ("text", "Minimum loan length (years)"),
    ("text", "Maximum loan length (years)"),
    ("combo box", "Minimum interest rate %"),
    ("combo box", "Maximum interest rate %"),
    ("push button", "Show Payments"),
]
NEVER_NAMED = {"Mervane", "PO>IA", "InputChk", "8.000"}
GUARD_SECONDS = 60  # a program that never shows up fails the test instead of hanging it


def tree(node, out, depth=0):
    """Every (role, name) under node, with the node itself."""
    if node is None or depth > 12:
        return out
    try:
        out.append((node.get_role_name(), node.get_name(), node))
        for i in range(node.get_child_count()):
            tree(node.get_child_at_index(i), out, depth + 1)
    except GLib.Error:
        pass  # a window closing while it is read
    return out


def application(pid):
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        if app is not None and app.get_process_id() == pid:
            return app
    return None


def wait_for(condition):
    """Runs the event loop until condition() holds, checking it on every event the desktop sends."""
    if condition():
        return True
    loop = GLib.MainLoop()

    def on_event(_event):
        if condition():
            loop.quit()

    def give_up():
        loop.quit()
        return False

    kinds = ("object:children-changed", "object:state-changed", "window:", "focus:")
    listener = Atspi.EventListener.new(on_event)
    for kind in kinds:
        listener.register(kind)
    guard = GLib.timeout_add_seconds(GUARD_SECONDS, give_up)
    loop.run()
    for kind in kinds:
        listener.deregister(kind)
    met = condition()
    if met:
        GLib.source_remove(guard)
    return met


def has_window(pid, caption):
    app = application(pid)
    return app is not None and any(r == "frame" and n == caption for r, n, _ in tree(app, []))


def check(pid, expected, failures):
    seen = [(r, n) for r, n, _ in tree(application(pid), [])]
    for pair in expected:
        if pair not in seen:
            named = [r for r, n in seen if n == pair[1]]
            failures.append(f"{pair[1]!r}: expected a {pair[0]}, found {named or 'nothing'}")
    for role, name in seen:
        if name in NEVER_NAMED:
            failures.append(f"a {role} is named {name!r}")


def main():
    program = os.path.abspath(sys.argv[1])
    failures = []
    with tempfile.TemporaryDirectory() as folder:
        env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", LANG="en_US.UTF-8", QT_QPA_PLATFORM="xcb")
        proc = subprocess.Popen([program], cwd=folder, env=env)
        try:
            if not wait_for(lambda: has_window(proc.pid, MAIN_SCREEN[0][1])):
                print("FAIL: the main window never appeared on the accessibility bus")
                return 1
            check(proc.pid, MAIN_SCREEN, failures)
            # Open the table screen as a screen reader user would: the toolbar button's action.
            button = next(o for r, n, o in tree(application(proc.pid), [])
                          if r == "push button" and n == "Launch Loan Payment Table")
            Atspi.Action.do_action(button, 0)
            if wait_for(lambda: has_window(proc.pid, TABLE_SCREEN[0][1])):
                check(proc.pid, TABLE_SCREEN, failures)
            else:
                failures.append("the table screen never appeared")
        finally:
            proc.terminate()
            proc.wait()
    for f in failures:
        print("FAIL:", f)
    print("PASS" if not failures else f"{len(failures)} failures")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
