#include "safesave.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <sys/statvfs.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace SafeSave {

namespace {

QString shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

QString diskFull()
{
    return u"il disco è pieno"_s;
}

/// The folder the temporary file goes to: the file's own, or that of the
/// file its link points to.
QString writtenFolder(const QFileInfo& target)
{
    if (target.isSymLink())
        return QFileInfo(target.symLinkTarget()).absolutePath();
    return target.absolutePath();
}

/// Why nothing can be written in the folder `folder`, which exists.
QString writeFault(const QString& folder)
{
    const QByteArray native = QFile::encodeName(folder);
    struct statvfs info = {};
    if (::statvfs(native.constData(), &info) == 0) {
        if ((info.f_flag & ST_RDONLY) != 0)
            return u"la cartella %1 è di sola lettura"_s.arg(shown(folder));
        if (info.f_bavail == 0)
            return diskFull();
    }
    if (::access(native.constData(), W_OK) != 0)
        return u"non si ha il permesso di scrivere nella cartella %1"_s.arg(shown(folder));
    return QString();
}

} // namespace

QString folderFault(const QString& folder)
{
    const QFileInfo info(folder);
    if (info.isDir())
        return writeFault(folder);
    if (info.exists())
        return u"%1 non è una cartella"_s.arg(shown(folder));
    QString ancestor = info.absolutePath();
    while (!QFileInfo::exists(ancestor) && !QDir(ancestor).isRoot())
        ancestor = QFileInfo(ancestor).absolutePath();
    const QString missing = u"la cartella %1 non esiste"_s.arg(shown(folder));
    if (!QFileInfo(ancestor).isDir())
        return missing + u" e non può essere creata: %1 è un file"_s.arg(shown(ancestor));
    const QString blocked = writeFault(ancestor);
    return blocked.isEmpty() ? missing : missing + u" e non può essere creata: "_s + blocked;
}

namespace {

/// Why the save failed, found from what stands on disk after it.
QString reason(const QSaveFile& file, const QString& fileName)
{
    const QFileInfo target(fileName);
    if (target.isDir())
        return u"al posto del file c'è una cartella"_s;
    if (const QString fault = folderFault(writtenFolder(target)); !fault.isEmpty())
        return fault;
    if (file.error() == QFileDevice::ResourceError)
        return diskFull();
    if (target.exists() && !target.isWritable())
        return u"il file è di sola lettura"_s;
    return u"errore del sistema (%1)"_s.arg(file.errorString());
}

} // namespace

bool write(const QByteArray& bytes, const QString& fileName, QString* error)
{
    QSaveFile file(fileName);
    // Unbuffered: a buffered write that fails only when the file is closed (a
    // full disk) lets QSaveFile commit an empty file over the old one. A file
    // not committed is discarded with its temporary file.
    const bool saved = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
                       file.write(bytes) == bytes.size() && file.commit();
    if (!saved && error)
        *error = reason(file, fileName);
    return saved;
}

} // namespace SafeSave
