# Reads a program's windows through the desktop's accessibility bus, as a
# screen reader does, for the accessibility tests. Commands come one a line
# on standard input; each answer ends with a line "end".
#
#   find PID         wait until the program with this process id is listed
#   tree             every window of it: one line per object, "depth|role|
#                    name|description|states|labelled-by", depth 0 for a
#                    top-level window, labelled-by the names of the labels
#   press NAME       "pressed" once the first action of the object with this
#                    name is done, "missing" when there is none
#   focus ROLE       once an object of this role has taken the focus (or
#                    after a while): "ROLE|NAME|PARENT-ROLE|PARENT-NAME" of
#                    the last such object, or "none"
#   watch            start counting changes of accessible names
#   names N          once more than N changes were seen (or after a while):
#                    "name-changes M" and "clock NAME", the changes seen so
#                    far and the name the frame has now, read afresh
import sys
import time

from gi.repository import Gio, GLib

LIMIT_S = 20
pyatspi = None
application = None
name_changes = 0
focused = {}


def pump(seconds):
    context = GLib.MainContext.default()
    until = time.monotonic() + seconds
    while time.monotonic() < until:
        if not context.iteration(False):
            time.sleep(0.02)


def find(pid):
    global application
    until = time.monotonic() + LIMIT_S
    while time.monotonic() < until:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            try:
                if app is not None and app.get_process_id() == pid:
                    application = app
                    listen(on_focus, "object:state-changed:focused")
                    return "found"
            except GLib.Error:
                pass
        pump(0.2)
    return "missing"


def listen(callback, event):
    pyatspi.Registry.registerEventListener(callback, event)
    # The registry tells the programs on the bus of a new listener before it
    # answers; a question to the program after that is answered only once
    # the program has heard of it, and sends it the events from then on.
    application.clearCache()
    application.get_name()


def clean(text):
    return (text or "").replace("|", "/").replace("\n", " ")


def describe(node, depth, lines):
    node.clearCache()
    states = sorted(pyatspi.stateToString(s) for s in node.getState().getStates())
    labels = [clean(relation.getTarget(i).name) for relation in node.getRelationSet()
              if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY
              for i in range(relation.getNTargets())]
    lines.append("%d|%s|%s|%s|%s|%s" % (depth, node.getRoleName(), clean(node.name), clean(node.description),
                                        ",".join(states), ",".join(labels)))
    for child in node:
        if child is not None:
            describe(child, depth + 1, lines)


def tree():
    lines = []
    application.clearCache()
    for window in application:
        if window is not None:
            describe(window, 0, lines)
    return lines


def named(node, name):
    node.clearCache()
    if node.name == name:
        return node
    for child in node:
        found = named(child, name) if child is not None else None
        if found is not None:
            return found
    return None


def press(name):
    application.clearCache()
    for window in application:
        found = named(window, name) if window is not None else None
        if found is not None:
            found.queryAction().doAction(0)
            return "pressed"
    return "missing"


def on_focus(event):
    if event.detail1 != 1 or event.source is None:
        return
    source = event.source
    parent = source.parent
    focused[source.getRoleName()] = "|".join(
        [source.getRoleName(), clean(source.name), parent.getRoleName() if parent else "",
         clean(parent.name) if parent else ""])


def wait_for_focus(role):
    until = time.monotonic() + LIMIT_S
    while role not in focused and time.monotonic() < until:
        pump(0.1)
    return focused.get(role, "none")


def on_name_change(event):
    global name_changes
    if event.source is not None and event.source.getRoleName() == "frame":
        name_changes += 1


def clock_name():
    application.clearCache()
    for window in application:
        if window is not None and window.getRoleName() == "frame":
            window.clearCache()
            return window.name
    return ""


def wait_for_accessibility_bus():
    # The bus launcher may still be starting; the library finds the
    # accessibility bus through it once, when it is loaded.
    bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)
    until = time.monotonic() + LIMIT_S
    while time.monotonic() < until:
        reply = bus.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus", "NameHasOwner",
                              GLib.Variant("(s)", ("org.a11y.Bus",)), GLib.VariantType("(b)"), 0, -1, None)
        if reply.unpack()[0]:
            return
        time.sleep(0.1)


def main():
    global pyatspi
    wait_for_accessibility_bus()
    import pyatspi as loaded
    pyatspi = loaded
    for line in sys.stdin:
        words = line.split()
        if not words:
            continue
        if words[0] == "find":
            answer = [find(int(words[1]))]
        elif words[0] == "tree":
            answer = tree()
        elif words[0] == "press":
            answer = [press(" ".join(words[1:]))]
        elif words[0] == "focus":
            answer = [wait_for_focus(" ".join(words[1:]))]
        elif words[0] == "watch":
            listen(on_name_change, "object:property-change:accessible-name")
            answer = ["watching"]
        elif words[0] == "names":
            until = time.monotonic() + LIMIT_S
            while name_changes <= int(words[1]) and time.monotonic() < until:
                pump(0.1)
            answer = ["name-changes %d" % name_changes, "clock " + clean(clock_name())]
        else:
            answer = ["unknown " + words[0]]
        for text in answer:
            print(text)
        print("end", flush=True)


main()
