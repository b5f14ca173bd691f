// The detailed-case reader takes any file the user picks. Whatever it accepts
// is a case without faults, written back it reads again to the same case, and
// that file is written again byte for byte the same.
#include "family/familyfile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const FamilyFile::Reading reading = FamilyFile::decode(bytes);
    if (reading.familyCase.has_value() == !reading.fault.isEmpty())
        __builtin_trap();
    if (!reading.familyCase)
        return 0;
    if (!FamilyFile::fault(*reading.familyCase).isEmpty())
        __builtin_trap();
    const QByteArray written = FamilyFile::encode(*reading.familyCase);
    const FamilyFile::Reading again = FamilyFile::decode(written);
    if (!again.familyCase || *again.familyCase != *reading.familyCase)
        __builtin_trap();
    if (FamilyFile::encode(*again.familyCase) != written)
        __builtin_trap();
    return 0;
}
