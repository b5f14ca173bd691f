#include "familyfilecommands.h"

#include "app/prompts.h"
#include "app/quotaramod.h"
#include "familyfile.h"
#include "succession/casefile.h"
#include "succession/casefilecommands.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

namespace {

QString shown(const QString& fileName)
{
    return QDir::toNativeSeparators(fileName);
}

} // namespace

FamilyFileCommands::FamilyFileCommands(Prompts& prompts, QObject* parent, GetCase getCase,
                                       SetCase setCase)
    : m_prompts(prompts), m_parent(parent), m_getCase(std::move(getCase)),
      m_setCase(std::move(setCase))
{
}

QString FamilyFileCommands::filter()
{
    return u"File Quotara-famiglia (*.quotara.json)"_s;
}

QString FamilyFileCommands::withSuffix(const QString& fileName)
{
    if (fileName.endsWith(u".json"_s, Qt::CaseInsensitive))
        return fileName;
    return fileName + u".quotara.json"_s;
}

QString FamilyFileCommands::folder() const
{
    // The dialogs start where this case is, else where the last case of the
    // program was opened or saved.
    return m_fileName.isEmpty() ? CaseFileCommands::lastFolder()
                                : QFileInfo(m_fileName).absolutePath();
}

bool FamilyFileCommands::apri()
{
    const QString fileName = m_prompts.chooseOpenFile(
        m_parent, FileDialogRequest{u"Apri file"_s, filter(), folder(), m_fileName, filter()});
    if (fileName.isEmpty())
        return false;
    const FamilyFile::Reading reading = FamilyFile::read(fileName);
    if (!reading.familyCase) {
        // The succession window's one-line files open there only.
        const QString text =
            CaseFile::read(fileName).record
                ? u"Il file %1 contiene i dati della finestra Successione: aprirlo da quella "
                  u"finestra con File...Apri."_s.arg(shown(fileName))
                : u"Il file %1 non può essere aperto come file Quotara-famiglia: %2."_s.arg(
                      shown(fileName), reading.fault);
        m_prompts.warn(m_parent, Quotaramod::titolocontrollo(), text);
        return false;
    }
    m_fileName = fileName;
    m_setCase(*reading.familyCase);
    return true;
}

bool FamilyFileCommands::salva()
{
    return save(u"Salva file"_s);
}

bool FamilyFileCommands::salvanome()
{
    return save(u"Salva file con nome"_s);
}

bool FamilyFileCommands::save(const QString& title)
{
    // A case that could not be read back is not written.
    QString fault;
    const std::optional<Family::FamilyCase> familyCase = m_getCase(fault);
    if (!familyCase) {
        m_prompts.warn(m_parent, Quotaramod::titolocontrollo(),
                       u"Il caso non può essere salvato finché non è corretto: %1."_s.arg(fault));
        return false;
    }
    QString fileName = title == u"Salva file" ? m_fileName : QString();
    if (fileName.isEmpty()) {
        const QString chosen = m_prompts.chooseSaveFile(
            m_parent, FileDialogRequest{title, filter(), folder(), m_fileName, filter()});
        if (chosen.isEmpty())
            return false;
        fileName = withSuffix(chosen);
    }
    QString error;
    if (!FamilyFile::write(*familyCase, fileName, &error)) {
        m_prompts.warn(m_parent, Quotaramod::titolocontrollo(),
                       u"Il file %1 non è stato salvato: %2."_s.arg(shown(fileName), error));
        return false;
    }
    m_fileName = fileName;
    return true;
}
