#pragma once

#include <QStringList>
#include <QTextStream>

/// `quotara-cli massime [--json] [N]`: without N the eight topics with the
/// number of their maxims; with N the maxims of topic N, numbered as the
/// maxims window numbers them. Returns the exit status.
int cliMassime(const QStringList& args, QTextStream& out, QTextStream& err);
