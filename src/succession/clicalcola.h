#pragma once

#include <QStringList>
#include <QTextStream>

/**
 * `quotara-cli calcola`: the shares of one case exactly as the succession
 * window shows them once the case's texts are assigned to a freshly opened
 * window (type "legittima", value "100" and spouse "sì" unless given).
 *
 * The case comes from a case file (a path, or `--file`) and from the field
 * options, which change the file's texts. Prints the grid as an aligned text
 * table, or with `--json` one object holding the caption of every result
 * field. Numbers follow the default locale or `--locale`. Returns 0, or 2 with
 * a message on `err` for a bad option or option value, an unknown locale or a
 * file that cannot be read as a case; a readable case whose texts cannot be
 * used is printed as the window shows it, `passo` saying what is wrong.
 */
int cliCalcola(const QStringList& args, QTextStream& out, QTextStream& err);
