#pragma once

#include <QStringList>
#include <QTextStream>

/**
 * `quotara-cli relazione`: writes the succession report of a case to an
 * OpenDocument Text or PDF file (`-o`, by its suffix). The case comes from
 * the same options as `calcola` (case file, field options, `--locale`).
 * Prints the file's name and returns 0; 2 with a message on `err` for a bad
 * option, value or case file, 1 when the file cannot be written.
 */
int cliRelazione(const QStringList& args, QTextStream& out, QTextStream& err);
