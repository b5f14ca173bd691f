#pragma once

#include <QStringList>
#include <QTextStream>

/// `quotara-cli massime [--json] [N | --articolo A]`: without N the eight
/// topics with the number of their maxims; with N the maxims of topic N,
/// numbered as the maxims window numbers them; with --articolo the maxims
/// that apply article A of the Civil Code. Returns the exit status.
int cliMassime(const QStringList& args, QTextStream& out, QTextStream& err);
