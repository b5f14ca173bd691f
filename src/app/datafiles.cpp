#include "datafiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace DataFiles {

QString locate(const QString& fileName)
{
    return locate(fileName, QCoreApplication::applicationDirPath());
}

QString locate(const QString& fileName, const QString& programFolder)
{
    const QString beside = QDir(programFolder).filePath(fileName);
    if (QFileInfo::exists(beside))
        return beside;
    const QString installed =
        QDir(programFolder).filePath(QStringLiteral("../share/quotara/") + fileName);
    if (QFileInfo::exists(installed))
        return QFileInfo(installed).canonicalFilePath();
    return QStandardPaths::locate(QStandardPaths::GenericDataLocation,
                                  QStringLiteral("quotara/") + fileName);
}

QString resourceText(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("compiled-in resource %s is missing: %s", qPrintable(path),
               qPrintable(file.errorString()));
    return QString::fromUtf8(file.readAll());
}

} // namespace DataFiles
