#pragma once

#include "familycase.h"
#include "familyoutcome.h"

class Document;

/// The report of a detailed case: the case, the family, the shares of each
/// heir with fractions and amounts for each kind of succession, the
/// disposable portion, the steps with their articles and, when a spouse or
/// civil-union partner inherits, the second paragraph of art. 540.
void buildFamilyReport(Document& document, const Family::FamilyCase& familyCase,
                       const FamilyOutcome::Outcome& outcome);

/// The second paragraph of art. 540 in the code's text the program holds.
QString article540SecondParagraph();
