#pragma once

#include "results.h"

#include <QString>

/// What a screen reader says of one cell of the share grid, so that a cell
/// read on its own tells whose share it is, in which column, and how much:
/// "quota legittima del coniuge: 1/3, 40.000,00".
namespace ResultNames {

/// The fraction or percentage cell of a row and column.
QString fractionCell(const Results& results, ResultRow row, ResultColumn column);

/// The amount cell (`quota1`, `quota2`) of a row and column.
QString amountCell(const Results& results, ResultRow row, ResultColumn column);

} // namespace ResultNames
