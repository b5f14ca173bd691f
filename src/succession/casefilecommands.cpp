#include "casefilecommands.h"

#include "app/prompts.h"
#include "app/quotaramod.h"
#include "casefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
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

bool moveToTrashOrDelete(const QString& fileName, QString* error, bool* trashed)
{
    if (trashed)
        *trashed = false;
    // Without its data folder Qt reports success and moves the file into the
    // current folder; with it, the home trash is found.
    QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    QString inTrash;
    if (QFile::moveToTrash(fileName, &inTrash)) {
        if (!QFileInfo::exists(fileName) && isTrashFolder(QFileInfo(inTrash).dir())) {
            if (trashed)
                *trashed = true;
            return true;
        }
        undoFalseTrash(fileName, inTrash);
    }
    QFile file(fileName);
    if (file.remove())
        return true;
    if (error)
        *error = file.errorString();
    return false;
}

CaseFileCommands::CaseFileCommands(Prompts& prompts, QObject* parent, QString& nomefile,
                                   GetCase getCase, SetCase setCase)
    : m_prompts(prompts), m_parent(parent), m_nomefile(nomefile), m_getCase(std::move(getCase)),
      m_setCase(std::move(setCase))
{
}

namespace {

const QString kFolderKey = QStringLiteral("casi/cartella");

} // namespace

QString CaseFileCommands::lastFolder()
{
    return QSettings().value(kFolderKey).toString();
}

void CaseFileCommands::remember(const QString& fileName)
{
    QSettings().setValue(kFolderKey, QFileInfo(fileName).absolutePath());
}

void CaseFileCommands::report(const QString& status, bool stored) const
{
    if (m_report)
        m_report(status, stored);
}

QString CaseFileCommands::caseFilesEntry()
{
    return QStringLiteral("File Quotara-dati- (Quotara-dati-*)");
}

QString CaseFileCommands::openFilter()
{
    return QStringLiteral("Tutti i file (*);;") + caseFilesEntry();
}

QString CaseFileCommands::saveFilter()
{
    return caseFilesEntry();
}

bool CaseFileCommands::apri()
{
    m_dialogFileName.clear();
    const QString fileName = m_prompts.chooseOpenFile(
        m_parent, FileDialogRequest{QStringLiteral("Apri file"), openFilter(), lastFolder(),
                                    QString(), caseFilesEntry()});
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
    remember(fileName);
    report(QStringLiteral("caso aperto da %1").arg(shown(fileName)), true);
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
    const CaseRecord record = m_getCase();
    if (record.decuius.trimmed().isEmpty()) {
        m_prompts.warn(m_parent, Quotaramod::titolocontrollo(),
                       QStringLiteral("Per salvare il caso occorre il nome del de cuius: "
                                      "digitarlo nel campo \"de cuius\"."));
        return false;
    }
    QString fileName = m_nomefile;
    if (fileName.isEmpty()) {
        fileName = m_prompts.chooseSaveFile(m_parent,
                                            FileDialogRequest{title, saveFilter(), lastFolder(),
                                                              m_dialogFileName, caseFilesEntry()});
        if (fileName.isEmpty())
            return false;
        m_dialogFileName = fileName;
    }
    QString error;
    if (!CaseFile::write(record, fileName, &error)) {
        m_prompts.warn(
            m_parent, Quotaramod::titolocontrollo(),
            QStringLiteral("Il file %1 non è stato salvato: %2.").arg(shown(fileName), error));
        return false;
    }
    m_nomefile = fileName;
    remember(fileName);
    report(QStringLiteral("caso salvato in %1").arg(shown(fileName)), true);
    return true;
}

void CaseFileCommands::eliminare()
{
    const QString fileName = m_prompts.chooseOpenFile(
        m_parent, FileDialogRequest{Quotaramod::titoloelimina(), openFilter(), lastFolder(),
                                    QString(), caseFilesEntry()});
    if (fileName.isEmpty())
        return;
    QString error;
    bool trashed = false;
    if (!moveToTrashOrDelete(fileName, &error, &trashed)) {
        m_prompts.warn(
            m_parent, Quotaramod::titolocontrollo(),
            QStringLiteral("Il file %1 non è stato eliminato: %2.").arg(shown(fileName), error));
        return;
    }
    report(trashed ? QStringLiteral("file spostato nel cestino: %1").arg(shown(fileName))
                   : QStringLiteral("file eliminato: %1").arg(shown(fileName)),
           false);
}
