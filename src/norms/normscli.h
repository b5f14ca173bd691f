#pragma once

#include <QStringList>
#include <QTextStream>

/// quotara-cli articolo [--json] N: the entry of article N as the window shows
/// it. Exit status 1 when the code has no such article, 2 on wrong use.
int cliArticolo(const QStringList& args, QTextStream& out, QTextStream& err);

/// quotara-cli cerca [--json] TESTO: the articles whose text contains TESTO,
/// case and accents ignored, one a line with the words around the match.
/// Exit status 1 when no article matches, 2 on wrong use.
int cliCerca(const QStringList& args, QTextStream& out, QTextStream& err);
