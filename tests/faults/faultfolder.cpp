#include "faultfolder.h"

#include <QDir>
#include <QFile>

#include <sys/mount.h>

using namespace Qt::Literals::StringLiterals;

FaultFolder::FaultFolder(const QString& path) : m_path(path)
{
    QDir().mkpath(path);
    m_mounted = ::mount("tmpfs", QFile::encodeName(path).constData(), "tmpfs", 0, "size=64k") == 0;
}

FaultFolder::~FaultFolder()
{
    if (m_mounted)
        ::umount2(QFile::encodeName(m_path).constData(), MNT_DETACH);
    else
        QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

bool FaultFolder::makeReadOnly()
{
    if (m_mounted)
        ::mount(nullptr, QFile::encodeName(m_path).constData(), nullptr, MS_REMOUNT | MS_RDONLY,
                nullptr);
    else
        QFile::setPermissions(m_path, QFile::ReadOwner | QFile::ExeOwner);
    QFile probe(m_path + u"/probe"_s);
    if (!probe.open(QIODevice::WriteOnly))
        return true;
    probe.remove();
    return false;
}

void FaultFolder::fill()
{
    QFile filler(m_path + u"/riempitivo"_s);
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return;
    for (const QByteArray& block : {QByteArray(4096, 'x'), QByteArray(1, 'x')}) {
        while (filler.write(block) == block.size()) {
        }
    }
}

QByteArray contentsOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}
