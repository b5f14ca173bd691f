#!/usr/bin/env python3
"""Walks the detailed succession window through AT-SPI, as a screen-reader user.

Starts the program given as the first argument, opens the detailed window
from the succession window's button, checks that every control says what it
is, then enters a family with the buttons, the fields and the keys a user
would press, and reads the shares the window shows for it.
Runs on the X server and session bus that with-atspi.sh provides.
"""

import os
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts"))

import pyatspi  # noqa: E402
from quotara_atspi import (UNHELPFUL, Program, application, children, extents,  # noqa: E402
                           find, pass_splash, press, showing, wait_for, walk)

DETAILED_BUTTON = "Calcolo dettagliato della successione"
DETAILED_NAMES = {"Quotara: calcolo dettagliato della successione", DETAILED_BUTTON}

FIELDS = [
    "Nome del de cuius",
    "Tipologia della successione",
    "Valore dei beni (relictum)",
    "Debiti",
    "Rinunziante senza rappresentanti nella riserva",
    "Donazioni fatte in vita: donatario e valore",
    "Albero della famiglia: Ins aggiunge, Canc toglie",
    "Nome della persona",
    "Relazione con il de cuius",
    "Stato della persona",
    "Vincolo del fratello",
    "Linea dell'ascendente",
    "Grado di parentela",
    "Separazione del coniuge",
    "Quote della successione legittima",
    "Quote di riserva della successione testamentaria",
    "Passi del calcolo con i loro articoli",
]

# The grid's case brings the spouse; a child who died before the deceased
# left two children, a brother renounced, a half-sister lives. Without a will
# the spouse takes half and the grandchildren share their father's half
# (arts. 581, 467-469); with one the spouse and the child's line are reserved
# a third each (art. 542), a third is disposable. Brothers and sisters are
# excluded by the descendants either way.
LEGITTIMA = [("1/2", "60.000,00"), ("1/4", "30.000,00"), ("1/4", "30.000,00")]
RISERVA = [("1/3", "40.000,00"), ("1/6", "20.000,00"), ("1/6", "20.000,00")]
DISPONIBILE = "quota disponibile: 1/3, 40.000,00"
HEIRS = ["Sara", "Paolo"]

failures = []


def fail(message):
    print("FAIL: " + message, flush=True)
    failures.append(message)


def detailed_window(app):
    for top in children(app):
        if top is not None and top.name in DETAILED_NAMES and showing(top):
            return top
    return None


def named(window, name):
    return wait_for("the control '%s'" % name, lambda: find(window, name), 10)


def check_fields(window):
    for name in FIELDS:
        if find(window, name) is None:
            fail("no control named '%s'" % name)


def check_every_control_named(window):
    unnamed = []
    controls = 0
    for node in walk(window):
        if not node.getState().contains(pyatspi.STATE_FOCUSABLE) or not showing(node):
            continue
        if node.getRole() == pyatspi.ROLE_TABLE_CELL:
            continue
        controls += 1
        if node.name.strip() in UNHELPFUL:
            unnamed.append("%s '%s'" % (node.getRoleName(), node.name))
    if controls < 20:
        fail("only %d controls reached" % controls)
    if unnamed:
        fail("controls without a useful name: %s" % unnamed)
    print("detailed window: %d controls, all named" % controls, flush=True)


def key(symbol):
    pyatspi.Registry.generateKeyboardEvent(symbol, None, pyatspi.KEY_SYM)
    time.sleep(0.2)


def focus(window, name):
    node = named(window, name)
    node.queryComponent().grabFocus()
    wait_for("the focus on '%s'" % name,
             lambda: node.getState().contains(pyatspi.STATE_FOCUSED), 5)
    return node


def click(tree, row):
    cell = wait_for("the row '%s'" % row, lambda: find(tree, row, (pyatspi.ROLE_TABLE_CELL,
                                                                   pyatspi.ROLE_TREE_ITEM)), 5)
    box = extents(cell)
    pyatspi.Registry.generateMouseEvent(box.x + box.width // 2, box.y + box.height // 2,
                                        pyatspi.MOUSE_B1C)
    time.sleep(0.3)


def type_into(window, name, text):
    named(window, name).queryEditableText().setTextContents(text)
    time.sleep(0.2)


def choose(window, name, letter):
    """A list takes the item that starts with the letter typed, as a user types it."""
    focus(window, name)
    key(ord(letter))


def enter_family(window):
    type_into(window, "Valore dei beni (relictum)", "120000")
    choose(window, "Tipologia della successione", "e")
    press(window, "Aggiungi un figlio")
    type_into(window, "Nome della persona", "Luca")
    choose(window, "Stato della persona", "p")
    press(window, "Aggiungi un figlio della persona scelta")
    type_into(window, "Nome della persona", "Sara")
    # A click on the father in the tree, and he gets a second child.
    click(named(window, "Albero della famiglia: Ins aggiunge, Canc toglie"), "Luca")
    press(window, "Aggiungi un figlio della persona scelta")
    type_into(window, "Nome della persona", "Paolo")
    press(window, "Aggiungi un fratello o una sorella")
    type_into(window, "Nome della persona", "Piero")
    choose(window, "Stato della persona", "r")
    press(window, "Aggiungi un fratello o una sorella")
    type_into(window, "Nome della persona", "Carla")
    choose(window, "Vincolo del fratello", "u")


def rows(window, name):
    """The rows of a shares table as (heir, share, value)."""
    table = find(window, name)
    if table is None:
        return []
    cells = table.queryTable()
    return [tuple(cells.getAccessibleAt(row, column).name for column in (0, 1, 3))
            for row in range(cells.nRows)]


def check_shares(window, name, expected):
    def matches():
        shown = rows(window, name)
        return [row[1:] for row in shown] == expected and [row[0] for row in shown[1:]] == HEIRS

    try:
        wait_for("the shares of '%s'" % name, matches, 10)
    except TimeoutError:
        fail("%s: %s, expected %s for the spouse, %s" % (name, rows(window, name), expected, HEIRS))


def main():
    program = Program(sys.argv[1])
    try:
        app = wait_for("the program on the accessibility bus", application)
        succession = pass_splash(app)
        started = time.monotonic()
        press(succession, DETAILED_BUTTON)
        window = wait_for("the detailed window", lambda: detailed_window(app))
        check_fields(window)
        check_every_control_named(window)
        enter_family(window)
        check_shares(window, "Quote della successione legittima", LEGITTIMA)
        check_shares(window, "Quote di riserva della successione testamentaria", RISERVA)
        if find(window, DISPONIBILE) is None:
            fail("no label reads '%s'" % DISPONIBILE)
        elapsed = time.monotonic() - started
        print("family entered and its shares read in %.1f s" % elapsed, flush=True)
    except TimeoutError as error:
        fail(str(error))
    finally:
        output = program.end()
    if failures:
        print(output)
        return 1
    print("read through AT-SPI: the detailed window's %d fields named, a family entered with "
          "its buttons, fields and keys, its shares as the law gives them" % len(FIELDS))
    return 0


if __name__ == "__main__":
    sys.exit(main())
