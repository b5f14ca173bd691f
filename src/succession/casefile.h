#pragma once

#include "caserecord.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <optional>

/// The case file: the seven texts of a case on one line, each between double
/// quotes, separated by commas, ended by CR LF, in Windows-1252.
///
/// Two additions keep every case intact: a double quote inside a text is
/// written doubled (""), and a case whose texts Windows-1252 cannot hold is
/// written in UTF-8 after a byte-order mark. Cases without either read and
/// write byte for byte as they always have.
namespace CaseFile {

/// What reading found: the case, or why the file is not a case file.
struct Reading
{
    std::optional<CaseRecord> record;
    QString fault; ///< in Italian, for the user; empty when a case was read
};

/// The bytes of the file for `record`.
QByteArray encode(const CaseRecord& record);

/// Reads the first seven fields of the file's bytes. A quoted field runs to
/// the next lone double quote; a field without quotes runs to the next comma
/// or line end, without its leading blanks. What follows the seventh field is
/// ignored.
Reading decode(const QByteArray& bytes);

/// Reads the whole file and checks it before giving back a case.
Reading read(const QString& fileName);

/// Reads an open device (standard input, for one) to its end, with the same
/// checks.
Reading read(QIODevice& device);

/// Writes the case to a temporary file and renames it over `fileName`, so the
/// old file survives any failure. On failure `error` gets the reason.
bool write(const CaseRecord& record, const QString& fileName, QString* error = nullptr);

/// Case files are one short line; anything much longer is not a case file.
inline constexpr qint64 maximumSize = 64 * 1024;

} // namespace CaseFile
