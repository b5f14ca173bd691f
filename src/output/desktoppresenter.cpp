#include "desktoppresenter.h"

#include "documentfiles.h"

#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

DesktopPresenter::DesktopPresenter(QString folder, Fallback fallback, Opener opener)
    : m_folder(std::move(folder)), m_fallback(std::move(fallback)), m_opener(std::move(opener))
{
    if (m_folder.isEmpty())
        m_folder = QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
                       .filePath(QStringLiteral("Quotara"));
    if (!m_opener)
        m_opener = &DesktopPresenter::openWithWordProcessor;
}

QString DesktopPresenter::newFileName(const QString& purpose) const
{
    const QString stamp =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd-HHmmss"));
    const QDir dir(m_folder);
    QString name = dir.filePath(QStringLiteral("Quotara-%1-%2.odt").arg(purpose, stamp));
    for (int n = 2; QFileInfo::exists(name); ++n)
        name = dir.filePath(QStringLiteral("Quotara-%1-%2-%3.odt").arg(purpose, stamp).arg(n));
    return name;
}

void DesktopPresenter::present(const QTextDocument& document, const QString& purpose)
{
    m_lastFileName.clear();
    const QString fileName = newFileName(purpose);
    if (QDir().mkpath(m_folder) && DocumentFiles::writeOdt(document, fileName))
        m_lastFileName = fileName;
    if (!m_lastFileName.isEmpty() && m_opener(m_lastFileName))
        return;
    if (m_fallback)
        m_fallback(document, m_lastFileName);
}

QString DesktopPresenter::registeredWordProcessor()
{
    QProcess query;
    query.start(QStringLiteral("xdg-mime"),
                {QStringLiteral("query"), QStringLiteral("default"),
                 QStringLiteral("application/vnd.oasis.opendocument.text")});
    if (!query.waitForFinished(5000)) {
        query.kill();
        query.waitForFinished(1000);
        return QString();
    }
    if (query.exitStatus() != QProcess::NormalExit || query.exitCode() != 0)
        return QString();
    const QString desktopId =
        QString::fromLocal8Bit(query.readAllStandardOutput()).split(u'\n').first().trimmed();
    if (!desktopId.endsWith(QStringLiteral(".desktop")))
        return QString();
    // xdg-open gives up silently when the desktop file has gone; so must we.
    // A dash in the id may stand for a subfolder ("kde-kwrite.desktop").
    QString relative = desktopId;
    for (;;) {
        if (!QStandardPaths::locate(QStandardPaths::ApplicationsLocation, relative).isEmpty())
            return desktopId;
        const qsizetype dash = relative.indexOf(u'-');
        if (dash < 0)
            return QString();
        relative[dash] = u'/';
    }
}

bool DesktopPresenter::openWithWordProcessor(const QString& fileName)
{
    if (registeredWordProcessor().isEmpty())
        return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(fileName));
}
