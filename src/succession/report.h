#pragma once

#include "caserecord.h"
#include "results.h"

#include <QStringList>
#include <QTextStream>

class Document;

/// The succession report: the case, the shares and the share of each heir as
/// the succession window shows them, with the spouse's housing right.
/// The counts are the leading-number readings of the case's count texts.
void buildReport(Document& document, const CaseRecord& record, const Results& results);

/// The value of the estate as the report prints it: "##,##0" when the text is
/// a number in the user's format, the text unchanged otherwise.
QString reportValue(const QString& beni);

/// quotara-cli relazione: writes the report of a case, given by options or
/// by a case file, to an OpenDocument Text or PDF file.
int cliRelazione(const QStringList& args, QTextStream& out, QTextStream& err);
