#pragma once

#include <QStringList>
#include <QTextStream>

/// `quotara-cli dettaglio FILE|-`: the detailed shares of a family case file,
/// as a table with the steps, or with `--json` as JSON.
int cliDettaglio(const QStringList& args, QTextStream& out, QTextStream& err);
