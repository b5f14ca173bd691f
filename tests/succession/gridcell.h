#pragma once

#include "succession/vocabulary.h"

// The grid's rows and columns by the numbers of the window's label arrays,
// as the tables of expected results write them.
inline ResultRow rowAt(int number)
{
    return resultRows.at(static_cast<std::size_t>(number - 1));
}

inline ResultColumn columnAt(int number)
{
    return resultColumns.at(static_cast<std::size_t>(number - 1));
}

// The type field as the case tables write it: 1 to 3 a type, 0 empty, any
// other number a text that is none of the three words.
inline TypeField typeAt(int code)
{
    if (code >= 1 && code <= 3)
        return TypeField::of(static_cast<SuccessionType>(code));
    return code == 0 ? TypeField::empty() : TypeField::bad();
}

// The spouse as the case tables write it: 1 "sì", 0 "no", any other number unreadable.
inline std::optional<Spouse> spouseAt(int flag)
{
    if (flag == 0 || flag == 1)
        return static_cast<Spouse>(flag);
    return std::nullopt;
}
