#pragma once

#include <QDir>
#include <QTemporaryDir>

/// Folders of the test's own in place of the user's: HOME, XDG_CONFIG_HOME and
/// XDG_DATA_HOME point into a temporary folder, removed with this object, even when
/// the test runs outside CTest and its prepared homes.
class PrivateHome
{
public:
    PrivateHome()
    {
        if (!m_dir.isValid())
            return;
        for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME"})
            qputenv(name, m_dir.filePath(QString::fromLatin1(name)).toLocal8Bit());
        m_valid = QDir().mkpath(m_dir.filePath(QStringLiteral("XDG_DATA_HOME")));
    }

    bool isValid() const { return m_valid; }

private:
    QTemporaryDir m_dir;
    bool m_valid = false;
};
