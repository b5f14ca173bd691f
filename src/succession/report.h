#pragma once

#include "caserecord.h"
#include "results.h"

#include <QLocale>
#include <QString>

class Document;

/// The succession report: the case, the shares and the share of each heir as
/// the succession window shows them, with the spouse's housing right.
/// The counts are the leading-number readings of the case's count texts.
void buildReport(Document& document, const CaseRecord& record, const Results& results,
                 const QLocale& locale = QLocale());

/// The value of the estate as the report prints it: "##,##0" when the text is
/// a number in the format of `locale`, the text unchanged otherwise.
QString reportValue(const QString& beni, const QLocale& locale = QLocale());
