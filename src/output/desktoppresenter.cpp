#include "desktoppresenter.h"

#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTextDocument>
#include <QTextDocumentWriter>
#include <QUrl>

#include <memory>

DesktopPresenter::DesktopPresenter(QString folder) : m_folder(std::move(folder))
{
    if (m_folder.isEmpty())
        m_folder = QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
                       .filePath(QStringLiteral("Quotara"));
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
    QDir().mkpath(m_folder);
    const QString fileName = newFileName(purpose);
    QTextDocumentWriter writer(fileName, "odf");
    if (!writer.write(&document))
        return;
    QDesktopServices::openUrl(QUrl::fromLocalFile(fileName));
}
