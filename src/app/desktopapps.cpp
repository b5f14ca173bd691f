#include "desktopapps.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace DesktopApps {

namespace {

QString queryDefault(const QString& mimeType)
{
    QProcess query;
    query.start(QStringLiteral("xdg-mime"),
                {QStringLiteral("query"), QStringLiteral("default"), mimeType});
    if (!query.waitForFinished(5000)) {
        query.kill();
        query.waitForFinished(1000);
        return {};
    }
    if (query.exitStatus() != QProcess::NormalExit || query.exitCode() != 0)
        return {};
    return QString::fromLocal8Bit(query.readAllStandardOutput()).split(u'\n').first().trimmed();
}

// The Exec line of the [Desktop Entry] group, without its key.
QString execLine(const QString& entryFile)
{
    QFile file(entryFile);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    bool inEntry = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(u'['))
            inEntry = line == u"[Desktop Entry]";
        else if (inEntry && line.startsWith(u"Exec="))
            return line.mid(5);
    }
    return {};
}

} // namespace

QString defaultEntry(const QString& mimeType)
{
    const QString desktopId = queryDefault(mimeType);
    if (!desktopId.endsWith(QStringLiteral(".desktop")))
        return {};
    // A dash in the id may stand for a subfolder ("kde-kwrite.desktop").
    QString relative = desktopId;
    for (;;) {
        const QString found =
            QStandardPaths::locate(QStandardPaths::ApplicationsLocation, relative);
        if (!found.isEmpty())
            return found;
        const qsizetype dash = relative.indexOf(u'-');
        if (dash < 0)
            return {};
        relative[dash] = u'/';
    }
}

QStringList command(const QString& entryFile, const QString& argument)
{
    QStringList result;
    bool placed = false;
    for (const QString& word : QProcess::splitCommand(execLine(entryFile))) {
        if (word == u"%f" || word == u"%F" || word == u"%u" || word == u"%U") {
            result << argument;
            placed = true;
        } else if (word.size() == 2 && word.startsWith(u'%')) {
            continue; // %i, %c, %k and the deprecated codes stand for nothing here
        } else {
            result << QString(word).replace(QStringLiteral("%%"), QStringLiteral("%"));
        }
    }
    if (!result.isEmpty() && !placed)
        result << argument;
    return result;
}

bool start(const QString& entryFile, const QString& argument, const QString& statusFile)
{
    const QStringList line = command(entryFile, argument);
    if (line.isEmpty())
        return false;
    const QFileInfo program(line.first());
    const bool runnable = program.isAbsolute()
                              ? program.isExecutable()
                              : !QStandardPaths::findExecutable(line.first()).isEmpty();
    if (!runnable)
        return false;
    // The shell stays behind the application to record a failing exit.
    QStringList arguments{
        QStringLiteral("-c"),
        QStringLiteral("f=$1; shift; \"$@\"; s=$?; [ \"$s\" -eq 0 ] || echo \"$s\" > \"$f\""),
        QStringLiteral("sh"), statusFile};
    arguments << line;
    return QProcess::startDetached(QStringLiteral("/bin/sh"), arguments);
}

} // namespace DesktopApps
