// The case-file reader takes any file the user picks. Whatever it accepts
// must write back and read again to the same case, and the file written for
// that case must be written again byte for byte the same.
#include "succession/casefile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const CaseFile::Reading reading = CaseFile::decode(bytes);
    if (reading.record.has_value() == !reading.fault.isEmpty())
        __builtin_trap();
    if (!reading.record)
        return 0;
    const QByteArray written = CaseFile::encode(*reading.record);
    const CaseFile::Reading again = CaseFile::decode(written);
    if (!again.record || *again.record != *reading.record)
        __builtin_trap();
    if (CaseFile::encode(*again.record) != written)
        __builtin_trap();
    return 0;
}
