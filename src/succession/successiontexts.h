#pragma once

#include <QString>

/// The succession window's own texts, kept apart from its layout.
namespace SuccessionTexts {

/// The yellow box beside the general data (`guidafinestra`): what the type of succession means.
const QString& typeInformation();

/// The box `Text1`: the second paragraph of art. 540, the spouse's rights of housing and use.
const QString& spouseRights();

/// What the "?" button `spiega1_<index>` explains (1 the name of the deceased,
/// 2 the type, 3 the value, 4 to 11 the rows of heirs and shares); any other
/// index gives the first one.
QString spiegazione(int index);

} // namespace SuccessionTexts
