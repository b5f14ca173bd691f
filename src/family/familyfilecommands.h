#pragma once

#include "familycase.h"

#include <QString>

#include <functional>
#include <optional>

class Prompts;
class QObject;

/// Apri, Salva and Salva con nome for the detailed case, with their dialogs.
/// A case is read whole or not at all; a failure to read or write is told in
/// a message, and the file on disk is either the old one or the new one.
class FamilyFileCommands
{
public:
    /// The case to save, or none with `fault` saying why it cannot be saved.
    using GetCase = std::function<std::optional<Family::FamilyCase>(QString& fault)>;
    using SetCase = std::function<void(const Family::FamilyCase&)>;

    FamilyFileCommands(Prompts& prompts, QObject* parent, GetCase getCase, SetCase setCase);

    /// Chooses a file and loads its case; true when a case was loaded.
    bool apri();
    /// Writes to the case's own file, asking for a name only when it has none.
    bool salva();
    /// Always asks for a name.
    bool salvanome();

    /// The case's own file; empty until a case is opened or saved.
    const QString& fileName() const { return m_fileName; }
    /// A new case has no file of its own.
    void forgetFile() { m_fileName.clear(); }

    static QString filter();
    /// The name chosen in a dialog, with the case files' ending when it has none.
    static QString withSuffix(const QString& fileName);

private:
    bool save(const QString& title);
    QString folder() const;

    Prompts& m_prompts;
    QObject* m_parent;
    GetCase m_getCase;
    SetCase m_setCase;
    QString m_fileName;
};
