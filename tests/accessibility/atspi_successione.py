#!/usr/bin/env python3
"""Reads the succession window through AT-SPI, as a screen reader does.

Starts the program given as the first argument, passes its splash window,
and checks the names of the seven inputs, the result cells of a case typed
through AT-SPI, the announcement of the guidance line and the tab order.
Runs on the X server and session bus that run-atspi.sh provides.
"""

import os
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts"))

import pyatspi  # noqa: E402
from quotara_atspi import (UNHELPFUL, Program, application, pass_splash, press,  # noqa: E402
                           run_loop, showing, wait_for, wait_for_window, walk)

INPUTS = [
    "de cuius, nome del defunto",
    "tipologia della successione",
    "valore dei beni",
    "numero di figli",
    "numero di ascendenti",
    "coniuge superstite, sì o no",
    "numero di fratelli",
]

# Spouse and two children, 120.000 to divide, both columns: with a will the
# spouse and the children are reserved a quarter and a half (the window
# writes "2/4"), without one the spouse takes a third and the children two
# thirds (arts. 542 and 581).
CASE = {
    "de cuius, nome del defunto": "Rossi",
    "tipologia della successione": "entrambe",
    "valore dei beni": "120000",
    "numero di figli": "2",
}
CELLS = [
    "quota testamentaria del coniuge: 1/4, 30.000,00",
    "quota testamentaria dei figli: 2/4, 60.000,00",
    "quota testamentaria disponibile: 1/4, 30.000,00",
    "quota legittima del coniuge: 1/3, 40.000,00",
    "quota legittima dei figli: 2/3, 80.000,00",
]

TAB = 0xFF09
# Two other windows a screen-reader user reaches from the calculator.
NORMS_BUTTON = "visualizza finestra Norme (Successioni legittime)"
NORMS_TITLE = "Quotara: articoli dal 565 al 586 del Codice Civile"
MAXIMS_BUTTON = "visualizza finestra Massime"
MAXIMS_TITLE = "Clienti: massime"

failures = []


def fail(message):
    print("FAIL: " + message, flush=True)
    failures.append(message)


def is_input(node):
    role = node.getRole()
    if role == pyatspi.ROLE_COMBO_BOX:
        return True
    if role not in (pyatspi.ROLE_ENTRY, pyatspi.ROLE_TEXT, pyatspi.ROLE_PASSWORD_TEXT):
        return False
    return node.getState().contains(pyatspi.STATE_EDITABLE)


def inputs(window):
    """The inputs by name; an editable list's own text field speaks for it."""
    named = {}
    for node in walk(window):
        if is_input(node) and node.name in INPUTS:
            if node.name not in named or node.getRole() != pyatspi.ROLE_COMBO_BOX:
                named[node.name] = node
    return named


def label_names(window):
    return {node.name for node in walk(window) if node.getRole() == pyatspi.ROLE_LABEL}


def focused_input(window):
    for node in walk(window):
        if is_input(node) and node.getState().contains(pyatspi.STATE_FOCUSED):
            return node.name
    return None


def check_names(window):
    named = inputs(window)
    for name in INPUTS:
        if name not in named:
            fail("no input named '%s'; inputs: %s" % (name, sorted(
                n.name for n in walk(window) if is_input(n))))
    return named


def type_case(named):
    for name, text in CASE.items():
        named[name].queryEditableText().setTextContents(text)


def check_cells(window):
    try:
        wait_for("the result cells", lambda: set(CELLS) <= label_names(window), 10)
    except TimeoutError:
        shown = sorted(n for n in label_names(window) if n.startswith("quota "))
        fail("result cells not named as expected; cells: %s" % shown)


def check_announcement(window, named):
    """The guidance line tells of a value that cannot be used, by an event."""
    heard = []

    def listener(event):
        if event.source.getRole() == pyatspi.ROLE_LABEL and "valore dei beni" in event.source.name:
            heard.append(event.source.name)

    pyatspi.Registry.registerEventListener(listener, "object:property-change:accessible-name")
    named["valore dei beni"].queryEditableText().setTextContents("abc")
    run_loop(2.0)
    pyatspi.Registry.deregisterEventListener(listener, "object:property-change:accessible-name")
    if not heard:
        fail("no name-change event announced the guidance line")
    named["valore dei beni"].queryEditableText().setTextContents("120000")


def check_tab_order(window, named):
    named[INPUTS[0]].queryComponent().grabFocus()
    wait_for("the focus on the name field", lambda: focused_input(window) == INPUTS[0], 5)
    order = [INPUTS[0]]
    for _ in range(60):
        pyatspi.Registry.generateKeyboardEvent(TAB, None, pyatspi.KEY_SYM)
        time.sleep(0.15)
        name = focused_input(window)
        if name == INPUTS[0]:
            break
        if name and name != order[-1]:
            order.append(name)
    if order != INPUTS:
        fail("tab order of the inputs: %s" % order)


def check_every_control_named(window, title):
    """Every control the Tab key reaches says what it is."""
    unnamed = []
    controls = 0
    for node in walk(window):
        state = node.getState()
        if not state.contains(pyatspi.STATE_FOCUSABLE) or not showing(node):
            continue
        controls += 1
        if node.name.strip() in UNHELPFUL:
            unnamed.append("%s '%s'" % (node.getRoleName(), node.name))
    if controls < 3:
        fail("%s: only %d controls reached" % (title, controls))
    if unnamed:
        fail("%s: controls without a useful name: %s" % (title, unnamed))
    print("%s: %d controls, all named" % (title, controls), flush=True)


def check_other_windows(app, succession):
    press(succession, NORMS_BUTTON)
    norms = wait_for_window(app, NORMS_TITLE)
    check_every_control_named(norms, NORMS_TITLE)
    press(norms, MAXIMS_BUTTON)
    check_every_control_named(wait_for_window(app, MAXIMS_TITLE), MAXIMS_TITLE)


def main():
    program = Program(sys.argv[1])
    try:
        app = wait_for("the program on the accessibility bus", application)
        window = pass_splash(app)
        named = check_names(window)
        if len(named) == len(INPUTS):
            type_case(named)
            check_cells(window)
            check_announcement(window, named)
            check_tab_order(window, named)
        check_every_control_named(window, "succession window")
        check_other_windows(app, window)
    except TimeoutError as error:
        fail(str(error))
    finally:
        output = program.end()
    if failures:
        print(output)
        return 1
    print("read through AT-SPI: the succession window's %d inputs, %d result cells and tab "
          "order; every control of it, of the norms and of the maxims window named"
          % (len(INPUTS), len(CELLS)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
