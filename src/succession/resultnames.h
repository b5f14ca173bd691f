#pragma once

#include "results.h"

#include <QString>

/// What a screen reader says of one cell of the share grid, so that a cell
/// read on its own tells whose share it is, in which column, and how much:
/// "quota legittima del coniuge: 1/3, 40.000,00".
namespace ResultNames {

/// The fraction or percentage cell of a row (1 to 8) and column (1 testamentary, 2 legitimate).
QString fractionCell(const Results& results, int row, int column);

/// The amount cell (`quota1`, `quota2`) of a row and column.
QString amountCell(const Results& results, int row, int column);

} // namespace ResultNames
