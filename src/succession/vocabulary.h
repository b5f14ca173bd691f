#pragma once

#include <QString>
#include <array>
#include <optional>

/// The words of the calculator's grid. Their numbers are those the window's
/// objectNames, the case files and quotara-cli's JSON carry; inside the
/// program only the names are used.

/// The type of succession the grid shows.
enum class SuccessionType {
    Testamentaria = 1, ///< with a will: the reserved shares and the disposable portion
    Legittima = 2,     ///< without a will: the shares the law gives
    Entrambe = 3,      ///< both columns side by side
};

/// The type field as the user left it: empty (a step not taken yet), one of
/// the three types, or a text that is none of them.
struct TypeField
{
    std::optional<SuccessionType> type;
    bool unreadable = false;

    static TypeField of(SuccessionType type) { return {type, false}; }
    static TypeField empty() { return {}; }
    static TypeField bad() { return {std::nullopt, true}; }

    bool operator==(const TypeField&) const = default;
};

/// Whether a spouse survives, as the spouse list says it.
enum class Spouse {
    No = 0,
    Si = 1,
};

/// The heir configurations the share rules tell apart, in the order their
/// tests are made; the number is the one quotara-cli prints.
enum class Configuration {
    Nessuna = 0,
    Coniuge = 1,
    ConiugeFratelli = 2,
    ConiugeAscendenti = 3,
    ConiugeAscendentiFratelli = 4,
    Fratelli = 5,
    Ascendenti = 6,
    AscendentiFratelli = 7,
    ConiugeFigli = 8,
    Figli = 9,
    ConiugeFiglio = 10,
    Figlio = 11,
};

/// The number of a configuration, 0 to 11.
constexpr int configurationNumber(Configuration configuration)
{
    return static_cast<int>(configuration);
}

/// How quotara-cli names a configuration ("coniuge con un figlio").
QString configurationName(Configuration configuration);

/// The rows of the result grid, top to bottom.
enum class ResultRow {
    Figli,
    Ascendenti,
    Coniuge,
    Fratelli,
    Disponibile,
    Figlio,     ///< the percentage and amount of each child
    Ascendente, ///< of each ascendant
    Fratello,   ///< of each brother or sister
};

inline constexpr std::array<ResultRow, 8> resultRows = {
    ResultRow::Figli,       ResultRow::Ascendenti, ResultRow::Coniuge,    ResultRow::Fratelli,
    ResultRow::Disponibile, ResultRow::Figlio,     ResultRow::Ascendente, ResultRow::Fratello};

/// How quotara-cli names a row ("figli", "a ciascun figlio (%)").
QString rowName(ResultRow row);

/// The row's number in the window's label arrays (`quota1_1` to `quota1_8`).
constexpr int rowNumber(ResultRow row)
{
    return static_cast<int>(row) + 1;
}

/// Whether a row holds the share of each heir, as a percentage of the estate.
constexpr bool isEachHeirRow(ResultRow row)
{
    return row == ResultRow::Figlio || row == ResultRow::Ascendente || row == ResultRow::Fratello;
}

/// The columns of the result grid.
enum class ResultColumn {
    Testamentaria, ///< column 1, the succession with a will
    Legittima,     ///< column 2, the succession without one
};

inline constexpr std::array<ResultColumn, 2> resultColumns = {ResultColumn::Testamentaria,
                                                              ResultColumn::Legittima};

/// The column's number in the window's label arrays (`quotafigli_1`, `quotafigli_2`).
constexpr int columnNumber(ResultColumn column)
{
    return static_cast<int>(column) + 1;
}

/// Whether a type shows a column: "entrambe" shows both.
constexpr bool showsColumn(SuccessionType type, ResultColumn column)
{
    if (type == SuccessionType::Entrambe)
        return true;
    return column == ResultColumn::Testamentaria ? type == SuccessionType::Testamentaria
                                                 : type == SuccessionType::Legittima;
}
