#include "inputfile.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace InputFile {

namespace {

Contents failed(const QString& fault)
{
    return {std::nullopt, fault};
}

QString openFault(int error)
{
    switch (error) {
    case ENOENT:
        return u"il file non esiste (forse è stato spostato o eliminato)"_s;
    case ENOTDIR:
        return u"una parte del percorso non è una cartella"_s;
    case EACCES:
    case EPERM:
        return u"non si ha il permesso di leggerlo"_s;
    case ELOOP:
        return u"è un collegamento che rimanda a sé stesso"_s;
    case ENAMETOOLONG:
        return u"il nome del file è troppo lungo"_s;
    default:
        return u"il sistema non lo apre (%1)"_s.arg(QString::fromLocal8Bit(std::strerror(error)));
    }
}

QString kindFault(mode_t mode)
{
    if (S_ISDIR(mode))
        return u"è una cartella, non un file"_s;
    if (S_ISFIFO(mode))
        return u"è una pipe (FIFO), non un file"_s;
    if (S_ISSOCK(mode))
        return u"è un socket, non un file"_s;
    return u"è un dispositivo, non un file"_s;
}

QString sizeText(qint64 size)
{
    constexpr qint64 kilo = 1024;
    if (size < kilo * kilo)
        return u"%1 KB"_s.arg((size + kilo - 1) / kilo);
    return u"%1 MB"_s.arg((size + kilo * kilo - 1) / (kilo * kilo));
}

} // namespace

QString tooLarge(qint64 maximumSize)
{
    return u"è troppo grande: un file di questo tipo non supera %1"_s.arg(sizeText(maximumSize));
}

bool isStream(const QString& fileName)
{
    struct stat info = {};
    return ::stat(QFile::encodeName(fileName).constData(), &info) == 0 &&
           (S_ISFIFO(info.st_mode) || S_ISSOCK(info.st_mode));
}

Contents read(const QString& fileName, qint64 maximumSize)
{
    // Opened without blocking, so that a pipe put in the file's place is
    // refused at once instead of waiting for a writer.
    const int descriptor =
        ::open(QFile::encodeName(fileName).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        return failed(openFault(errno));
    const auto refuse = [descriptor](const QString& fault) {
        ::close(descriptor);
        return failed(fault);
    };
    struct stat info = {};
    if (::fstat(descriptor, &info) != 0)
        return refuse(openFault(errno));
    if (!S_ISREG(info.st_mode))
        return refuse(kindFault(info.st_mode));
    if (info.st_size > maximumSize)
        return refuse(tooLarge(maximumSize));
    ::fcntl(descriptor, F_SETFL, ::fcntl(descriptor, F_GETFL) & ~O_NONBLOCK);
    QFile file;
    if (!file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return refuse(u"il sistema non lo apre (%1)"_s.arg(file.errorString()));
    QByteArray bytes = file.read(maximumSize + 1);
    if (file.error() != QFileDevice::NoError)
        return failed(u"non si riesce a leggerlo (%1)"_s.arg(file.errorString()));
    // A file that grew while it was read.
    if (bytes.size() > maximumSize)
        return failed(tooLarge(maximumSize));
    return {std::move(bytes), QString()};
}

} // namespace InputFile
