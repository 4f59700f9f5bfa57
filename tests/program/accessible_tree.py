"""Reads a program's windows as a screen reader does, over AT-SPI.

Usage: accessible_tree.py PID [SECONDS LINE...]

Prints the accessible tree of the frame "Korinview" of process PID, one
object a line as  role "name" (description), indented by depth, with
[focused] after an object that has the keyboard focus. Unnamed panels and
fillers, which only lay out their children, are left out and their children
shown in their place; hidden objects and a text box's scroll bars are left
out.

With LINEs, waits up to SECONDS until every LINE is one of the tree's lines
(indent aside; [focused] need only be given where it must be), prints the tree and exits with status 1 if one is missing.
Run with the system's /usr/bin/python3, which has the gi bindings.
"""

import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

LAYOUT_ONLY = {"panel", "filler"}


def window_of(pid):
    # The registry's news of applications that came since the last look
    # (events wait in the main context, never run here), and the desktop's
    # children asked afresh rather than from the cache.
    context = GLib.MainContext.default()
    while context.pending():
        context.iteration(False)
    desktop = Atspi.get_desktop(0)
    desktop.clear_cache()
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        if app is None or app.get_process_id() != pid:
            continue
        for j in range(app.get_child_count()):
            window = app.get_child_at_index(j)
            if window is not None and window.get_name() == "Korinview":
                return window
    return None


def lines_of(node, depth, out):
    states = node.get_state_set()
    if not states.contains(Atspi.StateType.VISIBLE):
        return
    role, name = node.get_role_name(), node.get_name()
    shown = role not in LAYOUT_ONLY or name
    if shown:
        line = f'{"  " * depth}{role} "{name}"'
        description = node.get_description()
        if description:
            line += f" ({description})"
        if states.contains(Atspi.StateType.FOCUSED):
            line += " [focused]"
        out.append(line)
        depth += 1
    if role == "text":
        return
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            lines_of(child, depth, out)


def tree(pid):
    window = window_of(pid)
    out = []
    if window is not None:
        try:
            lines_of(window, 0, out)
        except gi.repository.GLib.Error:
            out = []  # an object went away while read: read again
    return out


def main():
    pid = int(sys.argv[1])
    if len(sys.argv) < 3:
        print("\n".join(tree(pid)))
        return 0
    deadline = time.monotonic() + float(sys.argv[2])
    wanted = sys.argv[3:]
    while True:
        lines = tree(pid)
        found = {got.strip() for got in lines} | {got.strip().removesuffix(" [focused]") for got in lines}
        missing = [line for line in wanted if line not in found]
        if not missing or time.monotonic() >= deadline:
            break
        time.sleep(0.2)
    print("\n".join(lines))
    for line in missing:
        print(f"missing: {line}", file=sys.stderr)
    return 1 if missing else 0


if __name__ == "__main__":
    sys.exit(main())
