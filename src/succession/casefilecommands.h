#pragma once

#include "caserecord.h"

#include <QString>

#include <functional>

class Prompts;
class QObject;

/// The file commands of a case: Apri, Salva, Salva con nome and Elimina, with
/// their dialogs. The window that owns them supplies the case to save, takes
/// the case opened and keeps `nomefile`, the case's own file.
class CaseFileCommands
{
public:
    using GetCase = std::function<CaseRecord()>;
    /// Receives all seven texts of a case that was read whole.
    using SetCase = std::function<void(const CaseRecord&)>;

    CaseFileCommands(Prompts& prompts, QObject* parent, QString& nomefile, GetCase getCase,
                     SetCase setCase);

    /// Receives what a command did, for the window's status line; `stored`
    /// when the case on screen is now the one in `nomefile`.
    using Report = std::function<void(const QString& status, bool stored)>;
    void setReport(Report report) { m_report = std::move(report); }

    /// Chooses a file and loads its case, all seven texts or none; true when
    /// a case was loaded.
    bool apri();
    /// Writes to `nomefile`, asking for a name only when there is none.
    void salva();
    /// Always asks for a name.
    void salvanome();
    /// Chooses a file and moves it to the desktop's trash (deletes it where
    /// there is none), without a question: the dialog's title says so.
    void eliminare();

    /// The shared save routine, with the title of the dialog it may show.
    /// A case without the name of the deceased is not saved: the user is
    /// asked for it first.
    bool salvadati(const QString& title);

    /// The folder of the last case opened or saved, kept across runs; the
    /// dialogs start there (empty: the documents folder).
    static QString lastFolder();

    static QString openFilter();
    static QString saveFilter();
    /// The entry of the filters that shows only case files.
    static QString caseFilesEntry();

private:
    void remember(const QString& fileName);
    void report(const QString& status, bool stored) const;

    Prompts& m_prompts;
    QObject* m_parent;
    QString& m_nomefile;
    GetCase m_getCase;
    SetCase m_setCase;
    QString m_dialogFileName;
    Report m_report;
};

/// Moves `fileName` to the desktop's trash, or deletes it where there is no
/// trash (then `trashed` is false). False with `error` set when the file is
/// still there.
bool moveToTrashOrDelete(const QString& fileName, QString* error = nullptr,
                         bool* trashed = nullptr);
