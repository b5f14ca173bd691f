#pragma once

#include "familychart.h"

#include <QString>

/// Saving the family chart as a picture: PNG, SVG or PDF, chosen by the
/// file's suffix. Written to a temporary file and renamed at the end, so a
/// failure leaves no half-written file; `error` gets the reason.
namespace FamilyChartExport {

/// The filter of the save dialog, one entry per format.
QString filter();

/// The name with ".png" added when it ends in none of the known suffixes.
QString withSuffix(const QString& fileName);

bool save(const FamilyChart::Chart& chart, const QString& fileName, QString* error = nullptr);

} // namespace FamilyChartExport
