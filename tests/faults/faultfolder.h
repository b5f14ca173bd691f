#pragma once

#include <QByteArray>
#include <QString>

/// A folder of its own file system (a small tmpfs) where the process may
/// mount one, else a plain folder; made read-only or full on request.
class FaultFolder
{
public:
    explicit FaultFolder(const QString& path);
    ~FaultFolder();
    FaultFolder(const FaultFolder&) = delete;
    FaultFolder& operator=(const FaultFolder&) = delete;

    bool mounted() const { return m_mounted; }
    const QString& path() const { return m_path; }

    /// False when the folder stays writable (a process that ignores
    /// permissions and may not mount).
    bool makeReadOnly();

    /// Fills the file system to the last byte.
    void fill();

private:
    QString m_path;
    bool m_mounted = false;
};

/// The whole file, or nothing when it cannot be read.
QByteArray contentsOf(const QString& path);

/// Writes `bytes` as `path`; false when it cannot.
bool writeFile(const QString& path, const QByteArray& bytes);
