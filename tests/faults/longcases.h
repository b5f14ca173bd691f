#pragma once

#include <QByteArray>
#include <QString>

/// The two windows that keep a case in a file of their own.
enum class CaseWindow { Successione, Dettaglio };

/// Two long cases of a window's file, `first` or not: long enough that a
/// writer stopped at random is often in the middle of one.
QByteArray longCaseBytes(CaseWindow window, bool first);

/// Saves that case as the window's file commands do.
bool writeLongCase(CaseWindow window, bool first, const QString& fileName);
