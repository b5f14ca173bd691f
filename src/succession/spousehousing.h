#pragma once

#include <QString>

/// The second paragraph of art. 540 of the Civil Code, the spouse's rights of
/// housing and use, as the code's text in the norms windows holds it.
QString spouseHousingParagraph();
