#!/usr/bin/python3
"""What a screen reader on Linux hears: the program's accessibility tree through AT-SPI.

Run in a private D-Bus session (CMake does: dbus-run-session -- atspi_test.py PROGRAM); the program is
started on a private X server (Xvfb, on a display it picks itself) in an empty folder with the accessibility
bridge on, and the roles and names of its controls are read back as Orca would read them. Exits 77 (skipped)
without the AT-SPI bindings or Xvfb.
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

# (role, name) pairs the main window must show (the toolbar buttons by their tool-tips), and names no
# control may have (a toolbar button's key or caption, a rate list's entry).
MAIN_SCREEN = [
    ("frame", "Financial Calculator - Loans"),
    ("radio button", "Payment"),
    ("radio button", "12 (monthly) Payments"),
    ("panel", "Solve For"),
    ("combo box", "Interest Rate: %"),
    ("text", "Loan Amount"),
    ("push button", "Calculate"),
    ("push button", "Launch Loan Payment Table"),
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


def wait_for(proc, condition):
    """Runs the event loop until condition() holds, checking it on every event the desktop sends; False at
    once if the program ends."""
    if condition():
        return True
    if proc.poll() is not None:
        return False
    loop = GLib.MainLoop()
    GLib.child_watch_add(GLib.PRIORITY_DEFAULT, proc.pid, lambda *_: loop.quit())

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
    return app is not None and any(r in ("frame", "dialog") and n == caption for r, n, _ in tree(app, []))


def check(pid, expected, failures):
    seen = [(r, n) for r, n, _ in tree(application(pid), [])]
    for pair in expected:
        if pair not in seen:
            named = [r for r, n in seen if n == pair[1]]
            failures.append(f"{pair[1]!r}: expected a {pair[0]}, found {named or 'nothing'}")
    for role, name in seen:
        if name in NEVER_NAMED:
            failures.append(f"a {role} is named {name!r}")


def start_x_server():
    """An Xvfb on the first free display (it writes the number it took to a pipe); None without Xvfb."""
    try:
        read, write = os.pipe()
        server = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1280x1024x24", "-nolisten",
                                   "tcp"], pass_fds=(write,), stderr=subprocess.DEVNULL)
    except FileNotFoundError:
        return None, None
    os.close(write)
    with os.fdopen(read) as pipe:
        display = pipe.readline().strip()
    return server, ":" + display


def main():
    program = os.path.abspath(sys.argv[1])
    failures = []
    server, display = start_x_server()
    if server is None or display == ":":
        print("SKIP: no Xvfb")
        return 77
    with tempfile.TemporaryDirectory() as folder:
        env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", LANG="en_US.UTF-8", QT_QPA_PLATFORM="xcb",
                   DISPLAY=display)
        proc = subprocess.Popen([program], cwd=folder, env=env)
        try:
            if not wait_for(proc, lambda: has_window(proc.pid, MAIN_SCREEN[0][1])):
                print("FAIL: the main window never appeared on the accessibility bus")
                return 1
            check(proc.pid, MAIN_SCREEN, failures)
        finally:
            proc.terminate()
            proc.wait()
            server.terminate()
            server.wait()
    for f in failures:
        print("FAIL:", f)
    print("PASS" if not failures else f"{len(failures)} failures")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
