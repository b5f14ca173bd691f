#pragma once

#include "familyengine.h"

#include <QString>

/// What the detailed window and its report show: the engine's results, for
/// one kind of succession or both.
namespace FamilyOutcome {

using HeirShare = FamilyEngine::HeirShare;
using Section = FamilyEngine::Section;
using Outcome = FamilyEngine::Outcome;
using FamilyEngine::compute;

/// The share over the common denominator of a section's shares: "4/12".
QString onCommonDenominator(const Fraction& share, const Section& section);

} // namespace FamilyOutcome
