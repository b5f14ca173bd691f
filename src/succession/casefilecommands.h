#pragma once

#include "caserecord.h"

#include <QString>

#include <functional>

class Prompts;
class QWidget;

/// The file commands of a case: Apri, Salva, Salva con nome and Elimina, with
/// their dialogs. The window that owns them supplies the case to save, takes
/// the case opened and keeps `nomefile`, the case's own file.
class CaseFileCommands
{
public:
    using GetCase = std::function<CaseRecord()>;
    /// Receives all seven texts of a case that was read whole.
    using SetCase = std::function<void(const CaseRecord&)>;

    CaseFileCommands(Prompts& prompts, QWidget* parent, QString& nomefile, GetCase getCase,
                     SetCase setCase);

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
    bool salvadati(const QString& title);

    /// The file name the dialogs remember from their last use.
    QString dialogFileName() const { return m_dialogFileName; }

    static QString openFilter();
    static QString saveFilter();

private:
    Prompts& m_prompts;
    QWidget* m_parent;
    QString& m_nomefile;
    GetCase m_getCase;
    SetCase m_setCase;
    QString m_dialogFileName;
};

/// Moves `fileName` to the desktop's trash, or deletes it where there is no
/// trash. False with `error` set when the file is still there.
bool moveToTrashOrDelete(const QString& fileName, QString* error = nullptr);
