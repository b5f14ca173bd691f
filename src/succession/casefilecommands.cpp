#include "casefilecommands.h"

#include "app/prompts.h"
#include "app/quotaramod.h"
#include "casefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

QString shown(const QString& fileName)
{
    return QDir::toNativeSeparators(fileName);
}

/// A trash "files" folder of the freedesktop.org layout: Trash/files in the
/// home trash, .Trash-UID/files or .Trash/UID/files at the top of a volume.
bool isTrashFolder(const QDir& files)
{
    if (files.dirName() != QStringLiteral("files"))
        return false;
    QDir up = files;
    if (!up.cdUp())
        return false;
    const QString name = up.dirName();
    if (name == QStringLiteral("Trash") || name.startsWith(QStringLiteral(".Trash-")))
        return true;
    return up.cdUp() && up.dirName() == QStringLiteral(".Trash");
}

/// Puts back a file that Qt "trashed" outside any trash and removes the
/// record it wrote beside it.
void undoFalseTrash(const QString& fileName, const QString& trashed)
{
    const QFileInfo moved(trashed);
    QFile::rename(trashed, fileName);
    QDir info = moved.dir();
    if (info.cdUp())
        QFile::remove(info.filePath(QStringLiteral("info/%1.trashinfo").arg(moved.fileName())));
}

} // namespace

bool moveToTrashOrDelete(const QString& fileName, QString* error)
{
    // Without its data folder Qt reports success and moves the file into the
    // current folder; with it, the home trash is found.
    QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    QString trashed;
    if (QFile::moveToTrash(fileName, &trashed)) {
        if (!QFileInfo::exists(fileName) && isTrashFolder(QFileInfo(trashed).dir()))
            return true;
        undoFalseTrash(fileName, trashed);
    }
    QFile file(fileName);
    if (file.remove())
        return true;
    if (error)
        *error = file.errorString();
    return false;
}

CaseFileCommands::CaseFileCommands(Prompts& prompts, QWidget* parent, QString& nomefile,
                                   GetCase getCase, SetCase setCase)
    : m_prompts(prompts), m_parent(parent), m_nomefile(nomefile), m_getCase(std::move(getCase)),
      m_setCase(std::move(setCase))
{
}

QString CaseFileCommands::openFilter()
{
    return QStringLiteral("Tutti i file (*);;File Quotara-dati- (Quotara-dati-*)");
}

QString CaseFileCommands::saveFilter()
{
    return QStringLiteral("File Quotara-dati- (Quotara-dati-*)");
}

bool CaseFileCommands::apri()
{
    m_dialogFileName.clear();
    const QString fileName =
        m_prompts.chooseOpenFile(m_parent, FileDialogRequest{QStringLiteral("Apri file"),
                                                             openFilter(), QString(), QString()});
    m_dialogFileName = fileName;
    if (fileName.isEmpty()) {
        m_nomefile.clear();
        return false;
    }
    const CaseFile::Reading reading = CaseFile::read(fileName);
    if (!reading.record) {
        m_prompts.warn(m_parent, Quotaramod::titolocontrollo(),
                       QStringLiteral("Il file %1 non può essere aperto come file di dati: %2.")
                           .arg(shown(fileName), reading.fault));
        return false;
    }
    m_nomefile = fileName;
    m_setCase(*reading.record);
    return true;
}

void CaseFileCommands::salva()
{
    salvadati(QStringLiteral("Salva file"));
}

void CaseFileCommands::salvanome()
{
    m_nomefile.clear();
    salvadati(QStringLiteral("Salva file con nome"));
}

bool CaseFileCommands::salvadati(const QString& title)
{
    QString fileName = m_nomefile;
    if (fileName.isEmpty()) {
        fileName = m_prompts.chooseSaveFile(
            m_parent, FileDialogRequest{title, saveFilter(), QString(), m_dialogFileName});
        if (fileName.isEmpty())
            return false;
        m_dialogFileName = fileName;
    }
    QString error;
    if (!CaseFile::write(m_getCase(), fileName, &error)) {
        m_prompts.warn(
            m_parent, Quotaramod::titolocontrollo(),
            QStringLiteral("Il file %1 non è stato salvato: %2.").arg(shown(fileName), error));
        return false;
    }
    m_nomefile = fileName;
    return true;
}

void CaseFileCommands::eliminare()
{
    const QString fileName =
        m_prompts.chooseOpenFile(m_parent, FileDialogRequest{Quotaramod::titoloelimina(),
                                                             openFilter(), QString(), QString()});
    if (fileName.isEmpty())
        return;
    QString error;
    if (!moveToTrashOrDelete(fileName, &error))
        m_prompts.warn(
            m_parent, Quotaramod::titolocontrollo(),
            QStringLiteral("Il file %1 non è stato eliminato: %2.").arg(shown(fileName), error));
}
