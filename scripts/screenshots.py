#!/usr/bin/env python3
"""Takes the README's screenshots: the calculator with a sample case, the
detailed window on the same case and its share charts, a norms window and the maxims
window. Arguments: the program and the output folder.
Runs on the X server and session bus that with-atspi.sh provides."""

import os
import subprocess
import sys
import time

import pyatspi
from quotara_atspi import (Program, application, extents, find, pass_splash, press, wait_for,
                           wait_for_window, walk)

# Spouse and two children, with and without a will.
CASE = {
    "de cuius, nome del defunto": "Mario Rossi",
    "tipologia della successione": "entrambe",
    "valore dei beni": "120000",
    "numero di figli": "2",
}
DETAILED_BUTTON = "Calcolo dettagliato della successione"
DETAILED_NAMES = {"Quotara: calcolo dettagliato della successione", DETAILED_BUTTON}
NORMS_BUTTON = "visualizza finestra Norme (Successioni legittime)"
NORMS_TITLE = "Quotara: articoli dal 565 al 586 del Codice Civile"
CHARTS_TAB = "Quote"
CHARTS_NAME = "Grafici della successione"
MAXIMS_BUTTON = "visualizza finestra Massime"
MAXIMS_TITLE = "Clienti: massime"
MAXIMS_TOPIC = "8) Testamento"

EDITABLE = (pyatspi.ROLE_ENTRY, pyatspi.ROLE_TEXT)


def click(node):
    box = extents(node)
    pyatspi.Registry.generateMouseEvent(box.x + box.width // 2, box.y + box.height // 2,
                                        pyatspi.MOUSE_B1C)


def shoot(window, path):
    time.sleep(1.0)  # the last repaint
    box = extents(window)
    # AT-SPI gives Qt's device-independent pixels; the screen has device pixels,
    # scaled by the factor and by the logical dots per inch over Qt's 96.
    scale = (float(os.environ.get("QT_SCALE_FACTOR", "1")) *
             float(os.environ.get("QT_FONT_DPI", "96")) / 96)
    geometry = [round(value * scale) for value in (box.width, box.height, box.x, box.y)]
    subprocess.run(["import", "-window", "root", "-crop", "%dx%d+%d+%d" % tuple(geometry),
                    "+repage",
                    "-strip", "-define", "png:compression-level=9", path], check=True)
    print("%s: %dx%d" % (path, geometry[0], geometry[1]), flush=True)


def main():
    program = Program(sys.argv[1])
    folder = sys.argv[2]
    os.makedirs(folder, exist_ok=True)
    try:
        app = wait_for("the program on the accessibility bus", application)
        succession = pass_splash(app)
        for name, text in CASE.items():
            field = wait_for(name, lambda: find(succession, name, EDITABLE), 10)
            field.queryEditableText().setTextContents(text)
        shoot(succession, os.path.join(folder, "successione.png"))
        press(succession, DETAILED_BUTTON)
        detailed = wait_for("the detailed window", lambda: next(
            (top for top in walk(app) if top.getRole() == pyatspi.ROLE_FRAME and
             top.name in DETAILED_NAMES), None))
        shoot(detailed, os.path.join(folder, "dettaglio.png"))
        tab = wait_for(CHARTS_TAB, lambda: next(
            (node for node in walk(detailed) if node.getRole() == pyatspi.ROLE_PAGE_TAB and
             node.name.replace("&", "") == CHARTS_TAB), None), 10)
        click(tab)
        shoot(find(detailed, CHARTS_NAME), os.path.join(folder, "quote.png"))
        press(succession, NORMS_BUTTON)
        shoot(wait_for_window(app, NORMS_TITLE), os.path.join(folder, "norme.png"))
        press(wait_for_window(app, NORMS_TITLE), MAXIMS_BUTTON)
        maxims = wait_for_window(app, MAXIMS_TITLE)
        click(wait_for(MAXIMS_TOPIC, lambda: next(
            (node for node in walk(maxims) if node.name.strip() == MAXIMS_TOPIC), None), 10))
        shoot(maxims, os.path.join(folder, "massime.png"))
    finally:
        output = program.end()
    if output.strip():
        print(output)
    return 0


if __name__ == "__main__":
    sys.exit(main())
