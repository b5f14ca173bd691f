// The case-file reader takes any file the user picks. Whatever it accepts
// must write back and read again to the same case.
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
    const CaseFile::Reading again = CaseFile::decode(CaseFile::encode(*reading.record));
    if (!again.record || *again.record != *reading.record)
        __builtin_trap();
    return 0;
}
