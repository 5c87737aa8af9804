#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 The Roots developers
#
# SPDX-License-Identifier: MIT

"""The program as a screen reader meets it over AT-SPI: the chart, the table
and its caption are found and named, and the chart announces that show-roots
changed its series. What the roots themselves read like is checked in-process
(tests/chart/TChartAccessibleTest.cpp), where typing is reliable.

    atspi_roots_test.py ROOTS_PROGRAM

Exits with 77 and says why when no AT-SPI session can be had here.
"""

import importlib.util
import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import atspi_session  # noqa: E402  (found next to this script)

TIMEOUT_S = 60
MINUS = "\u2212"


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def run(program):
    # pyatspi finds the accessibility bus through the session it is imported in.
    import pyatspi
    from gi.repository import GLib

    heard = []

    def listen(event):
        heard.append(event.type)

    def pump_until(condition, what):
        deadline = time.monotonic() + TIMEOUT_S
        context = GLib.MainContext.default()
        while time.monotonic() < deadline:
            while context.pending():
                context.iteration(False)
            found = condition()
            if found:
                return found
            time.sleep(0.02)
        raise Failure(f"timed out waiting for {what}")

    def find(root, predicate):
        return pyatspi.findDescendant(root, predicate) if root else None

    def application():
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name == "roots":
                return app
        return None

    pyatspi.Registry.registerEventListener(listen, "object:property-change:accessible-description",
                                           "object:children-changed")
    app = pump_until(application, "the program on the accessibility bus")
    chart = pump_until(lambda: find(app, lambda a: a.getRole() == pyatspi.ROLE_CHART), "the chart")
    check(chart.name == "Корни", f"chart name {chart.name!r}")
    check(f"действительная ось от {MINUS}4 до 1" in chart.description, f"chart description {chart.description!r}")
    check(f"мнимая ось от {MINUS}2 до 2" in chart.description, f"chart description {chart.description!r}")
    check(chart.childCount == 0, "no roots before any are plotted")

    table = find(app, lambda a: a.getRole() == pyatspi.ROLE_TABLE)
    check(table is not None and table.name == "Введите корни:", f"table {table and table.name!r}")
    caption = find(app, lambda a: a.getRole() == pyatspi.ROLE_LABEL and a.name == "Введите корни:")
    check(caption is not None, "the caption")
    label_for = [relation.getTarget(0) for relation in caption.getRelationSet()
                 if relation.getRelationType() == pyatspi.RELATION_LABEL_FOR]
    check(label_for and label_for[0] == table, "the caption is the table's label")

    # The button's own action, as a screen reader offers it, runs show-roots
    # on the empty table: the series is emptied, and that is announced.
    button = find(app, lambda a: a.getRole() == pyatspi.ROLE_PUSH_BUTTON)
    check(button is not None and button.name == "Показать корни", "the button")
    # The registry tells the program of a new listener on its own time, so a
    # press right after registering may go unheard; each press empties the
    # series again and is announced again, so the button is pressed until the
    # announcement is heard.
    def announced():
        if "object:property-change:accessible-description" in heard:
            return True
        button.queryAction().doAction(0)
        time.sleep(0.5)
        return False

    heard.clear()
    pump_until(announced, f"the chart's announcement (heard {heard})")
    check("Корней на графике нет." in chart.description, f"chart description {chart.description!r}")


def main(argv):
    if len(argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    missing = atspi_session.missing_tools()
    # Only looked for: pyatspi connects to a bus when imported.
    if importlib.util.find_spec("pyatspi") is None:
        missing.append("python3-pyatspi")
    if missing:
        print(f"SKIPPED: no AT-SPI check here, missing {', '.join(missing)} (./dev installs them)")
        return atspi_session.SKIP
    with atspi_session.atspi_session() as env:
        os.environ.update(env)
        program = subprocess.Popen([argv[1]], env=dict(env, LC_ALL="C.UTF-8"))
        try:
            run(argv[1])
        except Failure as failure:
            print(f"FAILED: {failure}")
            return 1
        finally:
            program.terminate()
            program.wait(timeout=5)
    print("PASSED: the chart and the table read over AT-SPI, and show-roots is announced")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
