#pragma once

#include <QStringList>
#include <QTextStream>

/**
 * `quotara-cli calcola`: the shares of one case as the succession window shows
 * them once the case's texts are assigned to a freshly opened window (type
 * "legittima", value "100" and spouse "sì" unless given). Prints the grid as
 * text, or as JSON with `--json`. Returns 0, or 2 with a message on `err` for
 * a bad option, a bad value or a file that is not a case file.
 */
int cliCalcola(const QStringList& args, QTextStream& out, QTextStream& err);
